// Linked instead of a backend where no window system is: the model and app
// tests under node (WebAssembly) or anywhere headless. Controls keep their
// state, the test session's virtual clock drives the timers, input is
// injected through the same dispatch real input takes.
#include "forms/backend.h"

namespace forms {

Backend* platformBackend() { return nullptr; }

}  // namespace forms
