# The Windows build: velmora.exe over the Win32 backend, and the model and
# window tests as Windows programs that ctest runs under Wine (the caller
# provides the Wine prefix and the display: scripts/test-windows.sh).
set(CMAKE_CROSSCOMPILING_EMULATOR wine)

add_executable(velmora WIN32 $<TARGET_OBJECTS:velmora_forms_win32_main>)
target_link_libraries(velmora PRIVATE velmora_app velmora_forms_win32)
# wWinMain, and no console window; no symbols in the file a teacher copies.
target_link_options(velmora PRIVATE -municode -mwindows -s)

# The heat-trace tool, which the model tests run.
add_subdirectory(${PROJECT_SOURCE_DIR}/tools ${PROJECT_BINARY_DIR}/tools)

enable_testing()
# The tool's path as the tests' command shell sees it: Wine maps the Linux
# root to Z:, and cmd.exe wants backslashes.
string(REPLACE "/" "\\" heat_trace_for_windows "Z:${PROJECT_BINARY_DIR}/tools/heat-trace.exe")
# Debian's doctest is one header in /usr/include; that folder itself must
# not reach the cross compiler, whose C library headers are its own.
find_path(DOCTEST_INCLUDE_DIR doctest/doctest.h REQUIRED NO_CMAKE_FIND_ROOT_PATH)
set(DOCTEST_ONLY_DIR ${PROJECT_BINARY_DIR}/doctest-include)
file(MAKE_DIRECTORY ${DOCTEST_ONLY_DIR})
file(CREATE_LINK ${DOCTEST_INCLUDE_DIR}/doctest ${DOCTEST_ONLY_DIR}/doctest SYMBOLIC)
function(velmora_windows_test name folder)
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  add_executable(${name} ${sources})
  target_include_directories(${name} PRIVATE ${DOCTEST_ONLY_DIR} ${PROJECT_SOURCE_DIR}/tests)
  # mingw's default thread model has no std::thread or std::mutex.
  target_compile_definitions(${name} PRIVATE DOCTEST_CONFIG_NO_MULTITHREADING)
  target_link_libraries(${name} PRIVATE ${ARGN})
  add_test(NAME ${name} COMMAND ${name})
  set_tests_properties(${name} PROPERTIES ENVIRONMENT "HEAT_TRACE=${heat_trace_for_windows}")
endfunction()

velmora_windows_test(model_tests model velmora_heat)
# The windows driven through the toolkit's dispatch, with real Win32
# windows made, shown and destroyed behind every control.
velmora_windows_test(app_tests app velmora_app velmora_forms_win32)
# The toolkit's conformance suite on Win32, through its probe.
velmora_windows_test(forms_tests forms velmora_app velmora_forms_win32 velmora_forms_win32_probe)
# The suite once more on a 200 % screen: the Wine prefix the test script
# makes at 192 dots per inch. Larger pixels, the same twips.
add_test(NAME forms_tests_scale2 COMMAND forms_tests)
set_tests_properties(forms_tests_scale2 PROPERTIES ENVIRONMENT
  "WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix-200")
# And at 150 %, as many laptops are: every edge between device pixels.
add_test(NAME forms_tests_scale1_5 COMMAND forms_tests)
set_tests_properties(forms_tests_scale1_5 PROPERTIES ENVIRONMENT
  "WINEPREFIX=${PROJECT_BINARY_DIR}/wineprefix-150")

# The tick period of the Windows backend's timers, measured under Wine by
# scripts/measure-ticks-windows.sh (a figure, not a test).
add_executable(tick-periods ${PROJECT_SOURCE_DIR}/tools/tick_periods.cpp)
target_link_libraries(tick-periods PRIVATE velmora_forms_win32)
