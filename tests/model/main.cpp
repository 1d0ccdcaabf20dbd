// The heat-front model tests: the fronts and the shape rules against their
// known numbers, plus the trace tool that prints them.
#define DOCTEST_CONFIG_IMPLEMENT_WITH_MAIN
#include <doctest/doctest.h>
