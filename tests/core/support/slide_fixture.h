#pragma once
// A slide show over photos of a temporary folder in the 80 x 60 view of
// ShowFixture, run by a clock that the test moves by hand. The host shows
// photos with the real ShowPhoto, counts paints and the screen saver's
// inhibition, and can be told to take time (decoding, painting) or to fail.

#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/library/folder_scan.h"
#include "core/library/folder_tree.h"
#include "core/slideshow/slide_show.h"
#include "core/state/app_folders.h"
#include "show_fixture.h"

namespace lumetta::testing_support {

class FakeSlideClock : public SlideClock {
 public:
  std::int64_t now = 0;
  std::optional<std::int64_t> due;
  std::int64_t NowMs() const override { return now; }
  void WakeAfter(std::int64_t delay_ms) override { due = now + delay_ms; }
  void CancelWake() override { due.reset(); }
};

class FakeSlideHost : public SlideShowHost {
 public:
  FakeSlideHost(AppState& state, UserInterface& ui, FakeSlideClock& clock) : state_(state), ui_(ui), clock_(clock) {}

  std::int64_t prepare_ms = 0;  // what decoding and rendering a photo takes
  std::int64_t paint_ms = 0;    // what one paint takes
  int fail_at_prepare = 0;      // the preparation (1-based) that throws
  std::function<void()> on_paint;
  int prepares = 0;
  int paints = 0;
  int inhibits = 0;
  int releases = 0;
  int ended = 0;

  void PreparePhoto(std::int32_t position, std::int32_t step) override {
    if (++prepares == fail_at_prepare) throw std::runtime_error("the disk went away");
    clock_.now += prepare_ms;
    ShowPhoto(state_, ui_, position, step);
  }
  void PaintNow(Picture, const PixelRect&) override {
    ++paints;
    clock_.now += paint_ms;
    if (on_paint) on_paint();
  }
  void InhibitSleep() override { ++inhibits; }
  void ReleaseSleep() override { ++releases; }
  void ShowEnded() override { ++ended; }

 private:
  AppState& state_;
  UserInterface& ui_;
  FakeSlideClock& clock_;
};

struct SlideFixture : ShowFixture {
  struct Event {
    SlideEvent event;
    std::int64_t at;
    std::string photo;  // the current photo's name (at a start: the photo coming in)
    std::int32_t pos;
  };

  SlideFixture() {
    const SpecialFolders special{dir / "home/Desktop", dir / "home/Documents", dir / "home/Pictures"};
    state.folders = MakeAppFolders(dir.MakeDir("app"), special);
    CreateDataFolders(state.folders);
    Settings& s = state.settings;
    s.SlideInterval = 5;
    s.SlideRepeat = 0;
    s.SlideNextFolder = 0;
    s.SlideTransition = 2;  // page turn from the left, 2 pixels a step: 41 steps
    s.PageSpeed = 3;
    s.PageDirection = 0;
    show.Trace = [this](SlideEvent event, std::int64_t at) {
      events.push_back(Event{event, at, state.current.Name, state.current.Pos});
    };
  }

  // Makes folder the root of photo-folder slot 1 with its tree, and opens
  // open_folder (the root when empty).
  void UseSlot(const std::string& folder, const std::string& open_folder = "") {
    const std::string root = dir / folder;
    state.settings.SlotFolder[1] = root;
    state.SlotIndex = 1;
    state.CurrentFolder = open_folder.empty() ? root : dir / open_folder;
    state.SlotLastFolder[1] = state.CurrentFolder;
    RebuildTree(state, ui, state.CurrentFolder);
    ScanFolder(state, ui);
  }

  void Start() { show.Start(SlideTarget{&state.ViewPicture, Picture::ViewImg, false}); }

  // Lets the clock run until time t, waking the show whenever it asked to.
  void RunUntil(std::int64_t t) {
    while (clock.due && *clock.due <= t) {
      clock.now = std::max(clock.now, *clock.due);
      clock.due.reset();
      show.Wake();
    }
    clock.now = std::max(clock.now, t);
  }
  // Runs until the show ends (or an hour has passed).
  void RunToEnd() { RunUntil(clock.now + 3'600'000); }

  std::vector<Event> Of(SlideEvent kind) const {
    std::vector<Event> out;
    for (const Event& e : events) {
      if (e.event == kind) out.push_back(e);
    }
    return out;
  }
  std::vector<std::string> ShownPhotos() const {
    std::vector<std::string> names;
    for (const Event& e : Of(SlideEvent::TransitionStart)) names.push_back(e.photo);
    return names;
  }

  FakeSlideClock clock;
  FakeSlideHost host{state, ui, clock};
  SlideShow show{state, ui, clock, host};
  std::vector<Event> events;
};

}  // namespace lumetta::testing_support
