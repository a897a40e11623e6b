# The browser build (emscripten): the page with its program and data, and the
# same program for node, headless. DATA30.RES and kelvo.res come from a native
# build (resbuild needs FreeType), named by VANTOR_NATIVE_BUILD.
set(VANTOR_NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build CACHE PATH
    "A native build folder that holds DATA30.RES, kelvo.res and the desktop icons")
set(WEB_DIR ${PROJECT_SOURCE_DIR}/web)
foreach(file DATA30.RES kelvo.res icons/vantor-48.png)
  if(NOT EXISTS ${VANTOR_NATIVE_BUILD}/${file})
    message(FATAL_ERROR "${VANTOR_NATIVE_BUILD}/${file} is missing: build the native "
                        "game_resources target first (scripts/web.sh build does)")
  endif()
endforeach()
set(WEB_MEMORY -sEXIT_RUNTIME=1 -sALLOW_MEMORY_GROWTH=1 -sINITIAL_MEMORY=33554432)

# The page's program: its blocking frame loops sleep through ASYNCIFY.
set(WEB_ASYNC_IMPORTS vantor_page_wait vantor_page_message_box vantor_canvas_wait_frame
    vantor_storage_lock vantor_storage_unlock vantor_storage_sync)
list(JOIN WEB_ASYNC_IMPORTS "','" async_list)
# What the page calls (src/platform/web/web_events.cpp); naming them also
# brings them in from the library.
set(WEB_EXPORTS main vantor_web_key vantor_web_text vantor_web_pointer vantor_web_activate
    vantor_web_mix vantor_web_layout)
list(JOIN WEB_EXPORTS "','_" export_list)
target_link_options(vantor PRIVATE ${WEB_MEMORY} -lidbfs.js
  --js-library=${WEB_DIR}/library_vantor.js --pre-js=${WEB_DIR}/exit_status.js
  -sASYNCIFY -sASYNCIFY_IMPORTS=['${async_list}'] -sASYNCIFY_STACK_SIZE=65536
  -sEXPORTED_FUNCTIONS=['_${export_list}'] -sMODULARIZE=1 -sEXPORT_NAME=createVantor
  -sENVIRONMENT=web -sEXPORTED_RUNTIME_METHODS=['FS','addRunDependency','removeRunDependency'])
set_target_properties(vantor PROPERTIES SUFFIX .js
  LINK_DEPENDS "${WEB_DIR}/library_vantor.js;${WEB_DIR}/exit_status.js")

# The node program makes its backends without the web one: its own factory
# defines makeBackend, so the library's (which would bring in the web
# backend and with it the page's interfaces) is never linked in.
add_library(headless_factory OBJECT src/platform/backend_factory.cpp)
target_include_directories(headless_factory PRIVATE ${PROJECT_SOURCE_DIR}/src)
add_executable(vantor_node src/platform/main.cpp $<TARGET_OBJECTS:headless_factory>)
target_link_libraries(vantor_node PRIVATE vantor_lib)
target_link_options(vantor_node PRIVATE ${WEB_MEMORY} -sNODERAWFS=1 -sENVIRONMENT=node
  --pre-js=${WEB_DIR}/node_environment.js)
set_target_properties(vantor_node PROPERTIES OUTPUT_NAME vantor-node SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR} LINK_DEPENDS ${WEB_DIR}/node_environment.js)

# The page's files, and the data: gzipped for the page (it inflates them with
# DecompressionStream), plain beside the node program.
set(web_outputs)
foreach(file index.html page.js sound.js sound_worklet.js painter.js)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${file}
    COMMAND ${CMAKE_COMMAND} -E copy ${WEB_DIR}/${file} ${CMAKE_BINARY_DIR}/${file}
    DEPENDS ${WEB_DIR}/${file})
  list(APPEND web_outputs ${CMAKE_BINARY_DIR}/${file})
endforeach()
foreach(file DATA30.RES kelvo.res)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${file}.gz ${CMAKE_BINARY_DIR}/${file}
    COMMAND gzip -9 -n -c ${VANTOR_NATIVE_BUILD}/${file} > ${CMAKE_BINARY_DIR}/${file}.gz
    COMMAND ${CMAKE_COMMAND} -E copy ${VANTOR_NATIVE_BUILD}/${file} ${CMAKE_BINARY_DIR}/${file}
    DEPENDS ${VANTOR_NATIVE_BUILD}/${file})
  list(APPEND web_outputs ${CMAKE_BINARY_DIR}/${file}.gz ${CMAKE_BINARY_DIR}/${file})
endforeach()
# The page's icon is the desktop's.
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/favicon.png
  COMMAND ${CMAKE_COMMAND} -E copy ${VANTOR_NATIVE_BUILD}/icons/vantor-48.png ${CMAKE_BINARY_DIR}/favicon.png
  DEPENDS ${VANTOR_NATIVE_BUILD}/icons/vantor-48.png)
list(APPEND web_outputs ${CMAKE_BINARY_DIR}/favicon.png)
add_custom_target(web_page ALL DEPENDS ${web_outputs})
