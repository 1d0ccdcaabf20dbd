// The toolkit's conformance suite in the page: doctest's own run, and its
// result told on the page's console, where the driver reads it (a program
// that waits for the page returns from main before it is done).
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>
#include <emscripten/emscripten.h>

#include <cstdlib>

EM_JS(void, tell_result, (int failed),
      { console.log('velmora forms suite: ' + (failed ? 'FAILED' : 'passed')); });

// The cases a browser's driver cannot set up, as the page's address names
// them (?exclude=PATTERN), left out and counted as skipped.
EM_JS(char*, excluded_cases, (),
      { return allocateUTF8(new URLSearchParams(location.search).get("exclude") || ""); });

int main(int argc, char** argv) {
  doctest::Context context(argc, argv);
  // The page's console shows no terminal colours.
  context.setOption("no-colors", true);
  char* excluded = excluded_cases();
  if (*excluded) context.setOption("test-case-exclude", excluded);
  std::free(excluded);
  const int failed = context.run();
  tell_result(failed);
  return failed;
}
