#pragma once
// Keeping the screen saver and the display's sleep away while a slide show
// runs. On the Linux desktops this asks the session's
// org.freedesktop.ScreenSaver service over D-Bus; where there is no session
// bus or no such service nothing happens. On Windows it is the thread's
// execution state.

#include <cstdint>
#include <string>
#include <utility>

namespace lumetta::platform {

class SleepInhibitor {
 public:
  // bus_address: the D-Bus bus to ask ("" the session bus).
  explicit SleepInhibitor(std::string bus_address = "") : bus_address_(std::move(bus_address)) {}
  // Lets the screen saver back if it is still held off.
  ~SleepInhibitor();
  SleepInhibitor(const SleepInhibitor&) = delete;
  SleepInhibitor& operator=(const SleepInhibitor&) = delete;

  // Holds the screen saver off for application, giving reason; true when
  // the desktop agreed. Holding it again changes nothing.
  bool Inhibit(const std::string& application, const std::string& reason);
  // Lets the screen saver back; nothing when it is not held off.
  void Release();
  bool Held() const { return held_; }

 private:
  std::string bus_address_;
  bool held_ = false;
  std::uint32_t cookie_ = 0;
};

}  // namespace lumetta::platform
