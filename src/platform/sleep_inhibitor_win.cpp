#include "platform/sleep_inhibitor.h"

#include <windows.h>

namespace lumetta::platform {

SleepInhibitor::~SleepInhibitor() { Release(); }

bool SleepInhibitor::Inhibit(const std::string&, const std::string&) {
  if (held_) return true;
  held_ = SetThreadExecutionState(ES_CONTINUOUS | ES_SYSTEM_REQUIRED | ES_DISPLAY_REQUIRED) != 0;
  return held_;
}

void SleepInhibitor::Release() {
  if (!held_) return;
  held_ = false;
  SetThreadExecutionState(ES_CONTINUOUS);
}

}  // namespace lumetta::platform
