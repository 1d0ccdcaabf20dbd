#include "soak/soak_settings.h"

#include <chrono>
#include <cstdlib>
#include <random>

namespace velmora::soak {

namespace {

#if defined(__SANITIZE_ADDRESS__)
constexpr bool sanitizedBuild = true;
#else
constexpr bool sanitizedBuild = false;
#endif

// Sized so the soak takes a few minutes at most in either build.
constexpr long plainEvents = 200000;
constexpr long sanitizedEvents = 100000;

const char* variable(const char* name) {
  const char* value = std::getenv(name);
  return value && *value ? value : nullptr;
}

}  // namespace

SoakSettings soakSettings() {
  SoakSettings settings;
  settings.sanitized = sanitizedBuild;
  settings.events = sanitizedBuild ? sanitizedEvents : plainEvents;
  if (const char* events = variable("VELMORA_SOAK_EVENTS")) {
    settings.events = std::strtol(events, nullptr, 10);
  }
  if (const char* seed = variable("VELMORA_SOAK_SEED")) {
    settings.seed = std::strtoull(seed, nullptr, 10);
  } else {
    // A new seed every run, so every run explores somewhere new.
    std::random_device device;
    const auto now = std::chrono::steady_clock::now().time_since_epoch().count();
    settings.seed = (static_cast<std::uint64_t>(device()) << 32) ^ static_cast<std::uint64_t>(now);
    settings.seed &= 0xFFFFFFFFFFFFull;  // short enough to type
  }
  return settings;
}

std::string replayLine(const SoakSettings& settings) {
  return "VELMORA_SOAK_SEED=" + std::to_string(settings.seed) +
         " VELMORA_SOAK_EVENTS=" + std::to_string(settings.events) + " soak_tests";
}

}  // namespace velmora::soak
