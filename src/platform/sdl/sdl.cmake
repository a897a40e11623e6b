# SDL2 itself, and the window's icon, drawn by the art tool, inside the program.
find_package(PkgConfig REQUIRED)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
target_link_libraries(vantor_lib PUBLIC PkgConfig::SDL2)

set(window_icon ${CMAKE_BINARY_DIR}/generated/window_icon.cpp)
add_custom_command(OUTPUT ${window_icon}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_BINARY_DIR}/icons/vantor-window.rgba -DOUTPUT=${window_icon}
          -DNAME=vantor::platform::sdl::kWindowIconRgba -P ${PROJECT_SOURCE_DIR}/cmake/embed_bytes.cmake
  DEPENDS ${CMAKE_BINARY_DIR}/icons/vantor-window.rgba ${PROJECT_SOURCE_DIR}/cmake/embed_bytes.cmake
  COMMENT "Putting the window icon into the program")
target_sources(vantor_lib PRIVATE ${window_icon})
add_dependencies(vantor_lib game_resources)
