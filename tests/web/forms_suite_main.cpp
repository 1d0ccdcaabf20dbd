// The toolkit's conformance suite in the page: doctest's own run, and its
// result told on the page's console, where the driver reads it (a program
// that waits for the page returns from main before it is done).
#define DOCTEST_CONFIG_IMPLEMENT
#include <doctest/doctest.h>
#include <emscripten/emscripten.h>

EM_JS(void, tell_result, (int failed),
      { console.log('velmora forms suite: ' + (failed ? 'FAILED' : 'passed')); });

int main(int argc, char** argv) {
  doctest::Context context(argc, argv);
  // The page's console shows no terminal colours.
  context.setOption("no-colors", true);
  const int failed = context.run();
  tell_result(failed);
  return failed;
}
