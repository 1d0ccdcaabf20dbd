# How the program and every test program are made, whatever the backend.
# The backend's folder, forms/<backend>/, provides the rest: its
# settings.cmake (what its platform needs; it may change the variables at
# the end) and its CMakeLists.txt (the libraries velmora_forms_<backend>
# and velmora_forms_<backend>_probe, and velmora_forms_<backend>_main if it
# starts a program its own way).

# The program: the start sequence, the windows and the chosen backend.
function(velmora_program name)
  set(entry velmora_forms_main)
  if(TARGET velmora_forms_${VELMORA_BACKEND}_main)
    set(entry velmora_forms_${VELMORA_BACKEND}_main)
  endif()
  add_executable(${name} $<TARGET_OBJECTS:${entry}>)
  target_link_libraries(${name} PRIVATE velmora_app velmora_forms_${VELMORA_BACKEND})
  target_link_options(${name} PRIVATE ${VELMORA_PROGRAM_LINK_OPTIONS})
  if(VELMORA_PROGRAM_FOLDER)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMORA_PROGRAM_FOLDER})
  endif()
endfunction()

# A test program: the *.cpp files of tests/FOLDER (MAIN replaces its
# main.cpp), linked with the libraries named, and run by ctest unless
# NOT_RUN (a program another test drives). The heat-trace tool's path is
# handed over for the tests that start it.
function(velmora_test_program name folder)
  cmake_parse_arguments(PARSE_ARGV 2 test "NOT_RUN" "MAIN" "ARGUMENTS")
  file(GLOB sources CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/tests/${folder}/*.cpp)
  if(test_MAIN)
    list(REMOVE_ITEM sources ${PROJECT_SOURCE_DIR}/tests/${folder}/main.cpp)
  endif()
  add_executable(${name} ${sources} ${test_MAIN})
  target_include_directories(${name} PRIVATE ${DOCTEST_INCLUDE_DIR} ${PROJECT_SOURCE_DIR}/tests)
  target_compile_definitions(${name} PRIVATE ${VELMORA_TEST_DEFINITIONS})
  target_link_libraries(${name} PRIVATE ${test_UNPARSED_ARGUMENTS})
  if(VELMORA_TEST_FOLDER)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VELMORA_TEST_FOLDER})
  endif()
  if(NOT test_NOT_RUN)
    add_test(NAME ${name} COMMAND ${name} ${test_ARGUMENTS})
    set(environment ${VELMORA_TEST_ENVIRONMENT} LSAN_OPTIONS=${VELMORA_LSAN_OPTIONS}
        HEAT_TRACE=${VELMORA_HEAT_TRACE_FOR_TESTS})
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${environment}")
  endif()
endfunction()

# What a backend's settings.cmake may change besides the empty ones above:
# the library the app tests link (none: no window system), and how the
# tests find heat-trace.
set(VELMORA_APP_TESTS_BACKEND velmora_forms_no_backend)
set(VELMORA_HEAT_TRACE_FOR_TESTS $<TARGET_FILE:heat-trace>)
set(VELMORA_LSAN_OPTIONS suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp)
