#pragma once
// Scoped states of long operations: the busy cursor, and commands held off
// while an operation must not be entered twice. Both end however the scope
// is left.

#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

// The busy cursor for as long as the object lives (when show is true).
class BusyCursor {
 public:
  explicit BusyCursor(UserInterface& ui, bool show = true) : ui_(ui), shown_(show) {
    if (shown_) ui_.SetBusy(true);
  }
  ~BusyCursor() {
    if (shown_) ui_.SetBusy(false);
  }
  BusyCursor(const BusyCursor&) = delete;
  BusyCursor& operator=(const BusyCursor&) = delete;

 private:
  UserInterface& ui_;
  bool shown_;
};

// UiReady off for as long as the object lives; afterwards it returns to what
// it was.
class UiNotReady {
 public:
  explicit UiNotReady(AppState& state) : state_(state), was_(state.UiReady) { state_.UiReady = false; }
  ~UiNotReady() { state_.UiReady = was_; }
  UiNotReady(const UiNotReady&) = delete;
  UiNotReady& operator=(const UiNotReady&) = delete;

 private:
  AppState& state_;
  bool was_;
};

}  // namespace lumetta
