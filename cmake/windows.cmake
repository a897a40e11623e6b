# The Windows build: one vantor.exe with the C++ runtime linked in, an icon
# and version resource, and the data files taken from a native build (the
# art tool needs FreeType, which is not cross-built).
enable_language(RC)

set(VANTOR_NATIVE_BUILD "${PROJECT_SOURCE_DIR}/build" CACHE PATH
    "A native build folder whose resbuild made DATA30.RES, kelvo.res and vantor.ico")

target_compile_definitions(vantor_lib PUBLIC WIN32_LEAN_AND_MEAN NOMINMAX _WIN32_WINNT=0x0601)
target_link_libraries(vantor_lib PUBLIC winmm gdi32 user32 advapi32 shell32 dwmapi)
# No DLL beside the program but the system's own.
target_link_options(vantor_lib PUBLIC -static)

set(VANTOR_NATIVE_FILES DATA30.RES kelvo.res vantor.ico)
set(copied)
foreach(name ${VANTOR_NATIVE_FILES})
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${VANTOR_NATIVE_BUILD}/${name} ${CMAKE_BINARY_DIR}/${name}
    DEPENDS ${VANTOR_NATIVE_BUILD}/${name}
    COMMENT "Taking ${name} from the native build")
  list(APPEND copied ${CMAKE_BINARY_DIR}/${name})
endforeach()
add_custom_target(game_resources ALL DEPENDS ${copied})
add_dependencies(vantor game_resources)

string(REPLACE "." "," VANTOR_VERSION_COMMAS "${PROJECT_VERSION}.0")
configure_file(${PROJECT_SOURCE_DIR}/src/platform/win32/vantor.rc.in ${CMAKE_BINARY_DIR}/vantor.rc @ONLY)
# The zip's player guide and licence, with the line ends Notepad wants.
configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/README.txt.in ${CMAKE_BINARY_DIR}/README.txt @ONLY
               NEWLINE_STYLE CRLF)
configure_file(${PROJECT_SOURCE_DIR}/LICENSE ${CMAKE_BINARY_DIR}/LICENSE.txt @ONLY NEWLINE_STYLE CRLF)
target_sources(vantor PRIVATE ${CMAKE_BINARY_DIR}/vantor.rc)
set_source_files_properties(${CMAKE_BINARY_DIR}/vantor.rc PROPERTIES OBJECT_DEPENDS ${CMAKE_BINARY_DIR}/vantor.ico)
set_target_properties(vantor PROPERTIES WIN32_EXECUTABLE TRUE)
# No symbols, and no link time in the header: the same sources give the same file.
target_link_options(vantor PRIVATE -s -Wl,--no-insert-timestamp)

# The download: what a player unpacks into a folder of any name.
set(VANTOR_WINDOWS_ZIP ${CMAKE_BINARY_DIR}/vantor-${PROJECT_VERSION}-windows-x64.zip)
set(zipped vantor.exe DATA30.RES kelvo.res README.txt LICENSE.txt)
add_custom_command(OUTPUT ${VANTOR_WINDOWS_ZIP}
  COMMAND python3 ${PROJECT_SOURCE_DIR}/packaging/archive.py zip ${VANTOR_WINDOWS_ZIP} "" ${CMAKE_BINARY_DIR} ${zipped}
  DEPENDS vantor ${copied} ${CMAKE_BINARY_DIR}/README.txt ${CMAKE_BINARY_DIR}/LICENSE.txt
          ${PROJECT_SOURCE_DIR}/packaging/archive.py
  COMMENT "Packing the Windows download" VERBATIM)
add_custom_target(windows_zip ALL DEPENDS ${VANTOR_WINDOWS_ZIP})

# Frame pacing of the win32 backend, a plain program (no benchmark library here).
add_executable(frame_pacing ${PROJECT_SOURCE_DIR}/bench/windows/frame_pacing.cpp ${PROJECT_SOURCE_DIR}/bench/paced_window.cpp)
target_include_directories(frame_pacing PRIVATE ${PROJECT_SOURCE_DIR}/bench)
target_link_libraries(frame_pacing PRIVATE vantor_lib)
set_target_properties(frame_pacing PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR})

# GoogleTest from Debian's source package, built with this compiler.
if(VANTOR_TESTS AND EXISTS /usr/src/googletest/googletest/CMakeLists.txt)
  add_subdirectory(/usr/src/googletest/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
endif()
