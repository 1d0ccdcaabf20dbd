# The browser build's settings, for every target: exceptions as on the
# desktop (heat-trace refuses a wrong argument by throwing; doctest's
# REQUIRE throws), the WebAssembly inside the script (this node cannot
# fetch a .wasm beside it), and a heap that grows as a long test needs.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)

# doctest is a header of the build machine; the cross compiler looks only
# in its own sysroot, so the header is handed over alone.
set(doctest_header_folder ${CMAKE_BINARY_DIR}/build-machine-headers)
file(COPY /usr/include/doctest DESTINATION ${doctest_header_folder})
set(DOCTEST_INCLUDE_DIR ${doctest_header_folder} CACHE PATH "doctest's folder")
