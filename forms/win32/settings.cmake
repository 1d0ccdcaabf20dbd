# Windows, cross-built with mingw-w64: one self-contained .exe, the C++
# runtime linked in, only DLLs that every Windows has imported; the version
# resource, icon and manifest compiled by windres. mingw-w64's GCC 12 warns
# falsely about std::string's own copying when it inlines a concatenation
# (GCC bug 105329).
enable_language(RC)
add_compile_options(-ffunction-sections -fdata-sections -Wno-restrict)
add_link_options(-static -Wl,--gc-sections)

# The program in the build folder itself: wWinMain, no console window, and
# no symbols in the file a teacher copies.
set(VELMORA_PROGRAM_FOLDER ${PROJECT_BINARY_DIR})
set(VELMORA_PROGRAM_LINK_OPTIONS -municode -mwindows -s)

# The tests are Windows programs beside it that ctest runs under Wine (the
# caller provides the Wine prefix and the display: scripts/test-windows.sh);
# mingw's default thread model has no std::thread or std::mutex. They see
# heat-trace as Wine's command shell does: the Linux root is Z:, and
# cmd.exe wants backslashes. The app tests make, show and destroy real
# Win32 windows behind every control; the conformance suite runs again on
# a 200 % and a 150 % screen, the Wine prefixes made at 192 and 144 dpi.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
set(VELMORA_TEST_FOLDER ${PROJECT_BINARY_DIR})
set(VELMORA_TEST_DEFINITIONS DOCTEST_CONFIG_NO_MULTITHREADING)
string(REPLACE "/" "\\" VELMORA_HEAT_TRACE_FOR_TESTS "Z:${PROJECT_BINARY_DIR}/tools/heat-trace.exe")
set(VELMORA_APP_TESTS_BACKEND velmora_forms_win32)
set(VELMORA_SUITE_SCALE_2 WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix-200)
set(VELMORA_SUITE_SCALE_1_5 WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix-150)
