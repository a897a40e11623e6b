# The browser build (emscripten): the page with its program and data, and the
# same program for node, headless. DATA30.RES and kelvo.res come from a native
# build (resbuild needs FreeType), named by VANTOR_NATIVE_BUILD.
set(VANTOR_NATIVE_BUILD ${PROJECT_SOURCE_DIR}/build CACHE PATH
    "A native build folder that holds DATA30.RES, kelvo.res and the desktop icons")
set(WEB_DIR ${PROJECT_SOURCE_DIR}/web)
foreach(file DATA30.RES kelvo.res icons/vantor-48.png icons/vantor-192.png icons/vantor-512.png
             icons/vantor-maskable-512.png)
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
  -sENVIRONMENT=web -sEXPORTED_RUNTIME_METHODS=['FS'])
set_target_properties(vantor PROPERTIES SUFFIX .js
  LINK_DEPENDS "${WEB_DIR}/library_vantor.js;${WEB_DIR}/exit_status.js")

# The node program runs headless only (web/node_backend.cpp stands for its
# window backend).
add_executable(vantor_node src/platform/main.cpp ${WEB_DIR}/node_backend.cpp)
target_link_libraries(vantor_node PRIVATE vantor_lib)
target_link_options(vantor_node PRIVATE ${WEB_MEMORY} -sNODERAWFS=1 -sENVIRONMENT=node
  --pre-js=${WEB_DIR}/node_environment.js)
set_target_properties(vantor_node PROPERTIES OUTPUT_NAME vantor-node SUFFIX .js
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR} LINK_DEPENDS ${WEB_DIR}/node_environment.js)

# The page's folder: its files, the data (also beside the node program), the
# icons of the desktop build, the program; then the service worker, the list
# of the build's files and their compressed copies, made from all of those.
set(site_files)
macro(site_copy from name)
  add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/${name}
    COMMAND ${CMAKE_COMMAND} -E copy ${from} ${CMAKE_BINARY_DIR}/${name} DEPENDS ${from})
  list(APPEND site_files ${name})
endmacro()
foreach(file page.js sound.js sound_worklet.js painter.js manifest.webmanifest)
  site_copy(${WEB_DIR}/${file} ${file})
endforeach()
site_copy(${PROJECT_SOURCE_DIR}/LICENSE LICENSE.txt)
# The cover names the version.
configure_file(${WEB_DIR}/index.html ${CMAKE_BINARY_DIR}/index.html @ONLY)
list(APPEND site_files index.html)
foreach(file DATA30.RES kelvo.res)
  site_copy(${VANTOR_NATIVE_BUILD}/${file} ${file})
endforeach()
site_copy(${VANTOR_NATIVE_BUILD}/icons/vantor-48.png favicon.png)
foreach(icon 192 512 maskable-512)
  site_copy(${VANTOR_NATIVE_BUILD}/icons/vantor-${icon}.png icon-${icon}.png)
endforeach()
list(TRANSFORM site_files PREPEND ${CMAKE_BINARY_DIR}/ OUTPUT_VARIABLE site_paths)
set(packed_files ${site_files} vantor.js vantor.wasm)
list(FILTER packed_files EXCLUDE REGEX "\\.png$")
list(APPEND packed_files site.json service_worker.js)
set(packed_files_compressed)
foreach(file ${packed_files})
  list(APPEND packed_files_compressed ${file}.gz ${file}.br)
endforeach()
list(TRANSFORM packed_files_compressed PREPEND ${CMAKE_BINARY_DIR}/ OUTPUT_VARIABLE packed_paths)
add_custom_command(OUTPUT ${CMAKE_BINARY_DIR}/site.json ${CMAKE_BINARY_DIR}/service_worker.js
  BYPRODUCTS ${packed_paths}
  COMMAND node ${WEB_DIR}/pack_site.js ${CMAKE_BINARY_DIR} ${PROJECT_VERSION} ${WEB_DIR}/service_worker.js
          ${site_files} vantor.js vantor.wasm
  DEPENDS ${site_paths} vantor ${WEB_DIR}/pack_site.js ${WEB_DIR}/service_worker.js
  COMMENT "Packing the page: service worker, file list, compressed copies")
add_custom_target(web_page ALL DEPENDS ${CMAKE_BINARY_DIR}/site.json ${CMAKE_BINARY_DIR}/service_worker.js)

# The download: the site as it goes on any static host, compressed copies
# included.
set(VANTOR_WEB_ARCHIVE ${CMAKE_BINARY_DIR}/vantor-${PROJECT_VERSION}-web.tar.gz)
add_custom_command(OUTPUT ${VANTOR_WEB_ARCHIVE}
  COMMAND python3 ${PROJECT_SOURCE_DIR}/packaging/archive.py tar ${VANTOR_WEB_ARCHIVE} vantor-${PROJECT_VERSION}-web
          ${CMAKE_BINARY_DIR} ${site_files} vantor.js vantor.wasm site.json service_worker.js --if-present ${packed_files_compressed}
  DEPENDS web_page ${CMAKE_BINARY_DIR}/site.json ${PROJECT_SOURCE_DIR}/packaging/archive.py
  COMMENT "Packing the page's download" VERBATIM)
add_custom_target(web_archive ALL DEPENDS ${VANTOR_WEB_ARCHIVE})
