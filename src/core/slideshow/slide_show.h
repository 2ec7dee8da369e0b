#pragma once
// The slide show: it steps through the photo list in display order (and on
// through the next folders of the tree), showing each photo for the
// interval after a transition from the one before.
//
// It is driven by events: Start, the clock's wake-ups, keys and stop
// requests. The next photo is prepared off screen (SlidePicture) right
// after a transition ends, while the photo just shown stands; the wait is
// one wake-up of the clock, measured from the transition's end; each
// transition step is one more wake-up, so that the windows paint it and
// handle input between steps.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "core/imaging/dib_image.h"
#include "core/slideshow/slide_clock.h"
#include "core/slideshow/transition_player.h"
#include "core/state/app_state.h"
#include "core/state/key_map.h"
#include "core/state/user_interface.h"

namespace lumetta {

// Where the show draws: the main view now, the full-screen view later.
struct SlideTarget {
  TDibImage* image = nullptr;
  Picture picture = Picture::ViewImg;
  bool full_screen = false;
};

// What the windows do for the show.
class SlideShowHost {
 public:
  virtual ~SlideShowHost() = default;
  // Shows the photo at position into the show's frame (ShowPhoto while
  // SlideShowActive). A photo that cannot be shown becomes the read error's
  // black frame; no message box.
  virtual void PreparePhoto(std::int32_t position, std::int32_t step) = 0;
  // Paints the changed part of the picture's window now.
  virtual void PaintNow(Picture picture, const PixelRect& changed) = 0;
  // Keeps the screen saver and the display's sleep away while the show
  // runs; lets them back.
  virtual void InhibitSleep() = 0;
  virtual void ReleaseSleep() = 0;
  // The show is over (whatever ended it); the program is ready again.
  virtual void ShowEnded() {}
};

// TransitionStart and TransitionEnd frame each transition; WaitStart comes
// when the next photo is ready and the show starts to wait.
enum class SlideEvent { TransitionStart, TransitionEnd, WaitStart, Ended };

// The forward keys: X, Right and Up in ascending order, Z, Left and Up in
// descending order. During a wait they move on at once; any other key stops.
bool IsSlideForwardKey(Key key, SortOrder order);

// The message after a round through every folder of the tree found no
// photo to show.
const std::vector<std::string>& NoPhotoRoundLines();

class SlideShow {
 public:
  SlideShow(AppState& state, UserInterface& ui, SlideClock& clock, SlideShowHost& host);
  ~SlideShow();
  SlideShow(const SlideShow&) = delete;
  SlideShow& operator=(const SlideShow&) = delete;

  bool Running() const { return phase_ != Phase::Idle; }
  bool InTransition() const { return phase_ == Phase::Transition; }

  // Starts the show on target (the settings are those of the dialog). The
  // first transition follows one second after the start.
  void Start(const SlideTarget& target);
  // The clock's wake-up: the wait is over or the transition's next step.
  void Wake();
  // A key pressed while the show runs.
  void KeyPressed(Key key);
  // A stop request: a key, a click, the menu item, closing, focus loss.
  void Stop();

  // The seed of the next star sand; each transition takes the next one.
  std::uint64_t star_sand_seed = 0x5EED;
  // Told of the show's events with the clock's time (for benchmarks and
  // tests).
  std::function<void(SlideEvent event, std::int64_t now_ms)> Trace;

 private:
  enum class Phase { Idle, Waiting, Transition };
  enum class EndKind { Finished, StoppedInWait, StoppedInTransition, NoPhotos };

  // Where the strip stood on the photo on screen before an advance.
  struct ShownPlace {
    std::string folder;
    std::int32_t strip_pos = 0;
  };

  template <typename Work>
  void Guarded(const Work& work);
  void Abandon();

  bool StripPhotoShown() const;
  void ClearTarget();
  void WaitFor(std::int64_t ms);
  void WaitOver();
  void BeginTransition();
  void NextStep();
  void TransitionOver(bool interrupted);
  void RefreshAfterTransition();
  void ReadShootingInfo();
  void Advance();
  bool StepToNextFolder();
  void End(EndKind kind);
  void StepBack();
  void EndInMainWindow();
  void ReleaseSleep();
  void Emit(SlideEvent event);

  AppState& state_;
  UserInterface& ui_;
  SlideClock& clock_;
  SlideShowHost& host_;
  TransitionPlayer player_;
  SlideTarget target_;
  Phase phase_ = Phase::Idle;
  std::int64_t moment_ = 0;      // the last transition's end (or the start)
  std::int64_t wait_until_ = 0;  // when the wait running now is over
  std::int64_t interval_ms_ = 5000;
  bool ending_ = false;    // the wait running now is the last
  bool advanced_ = false;  // the strip has moved past the photo on screen
  ShownPlace shown_;
  bool sleep_inhibited_ = false;
  int depth_ = 0;
  bool stop_pending_ = false;
};

}  // namespace lumetta
