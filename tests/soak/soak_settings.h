// How long the soak runs and from which seed: VELMORA_SOAK_SEED replays a
// run that failed, VELMORA_SOAK_EVENTS sets how many events it lasts.
#pragma once

#include <cstdint>
#include <string>

namespace velmora::soak {

struct SoakSettings {
  std::uint64_t seed = 0;
  long events = 0;
  bool sanitized = false;  // built with AddressSanitizer
};

SoakSettings soakSettings();

// The line that plays the same run again.
std::string replayLine(const SoakSettings& settings);

}  // namespace velmora::soak
