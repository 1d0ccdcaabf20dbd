# The browser build's settings, for every target: exceptions as on the
# desktop (heat-trace refuses a wrong argument by throwing; doctest's
# REQUIRE throws), the WebAssembly inside the script (this node cannot
# fetch a .wasm beside it), and a heap that grows as a long test needs.
add_compile_options(-fexceptions)
add_link_options(-fexceptions -sSINGLE_FILE=1 -sALLOW_MEMORY_GROWTH=1)

# The program's runtime stays when main returns: the page's own event loop
# runs it from then on.
set(VELMORA_PROGRAM_LINK_OPTIONS -sENVIRONMENT=web -sEXIT_RUNTIME=0)
