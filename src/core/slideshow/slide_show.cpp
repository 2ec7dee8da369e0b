#include "core/slideshow/slide_show.h"

#include <algorithm>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/base/paths.h"
#include "core/library/archive_folders.h"
#include "core/library/folder_scan.h"
#include "core/library/folder_tree.h"
#include "core/library/photo_sort.h"
#include "core/library/thumb_strip.h"
#include "core/records/edited_names.h"
#include "core/variants/edited_photo_save.h"
#include "core/records/info_panel.h"
#include "core/slideshow/slide_settings.h"
#include "core/imaging/resample.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"

namespace lumetta {

bool IsSlideForwardKey(Key key, SortOrder order) {
  if (key == Key::Up) return true;
  if (order == SortOrder::FromLeft) return key == Key::X || key == Key::Right;
  return key == Key::Z || key == Key::Left;
}

const std::vector<std::string>& NoPhotoRoundLines() {
  static const std::vector<std::string> lines = {"「写真のあるフォルダ」のどのフォルダにも",
                                                 "表示できる写真がありませんでした。",
                                                 "スライドショーを終了します。"};
  return lines;
}

SlideShow::SlideShow(AppState& state, UserInterface& ui, SlideClock& clock, SlideShowHost& host)
    : state_(state), ui_(ui), clock_(clock), host_(host) {}

SlideShow::~SlideShow() { Abandon(); }

// Every entry runs through here: a stop asked for while the show is busy
// (from a paint or a box the work brings up) waits until the work is done,
// and an error that escapes ends the show before it goes on to the caller.
template <typename Work>
void SlideShow::Guarded(const Work& work) {
  ++depth_;
  try {
    work();
  } catch (...) {
    --depth_;
    Abandon();
    throw;
  }
  --depth_;
  if (depth_ == 0 && stop_pending_) {
    stop_pending_ = false;
    Stop();
  }
}

// Leaves the show without another step, as after an error: the program is
// ready again and the screen saver released.
void SlideShow::Abandon() {
  stop_pending_ = false;
  if (phase_ != Phase::Idle) {
    phase_ = Phase::Idle;
    clock_.CancelWake();
    player_.Reset();
    state_.SlideShowActive = false;
    SizeImage24(state_.SlidePicture, 1, 1);
    state_.UiReady = true;
    if (!target_.full_screen) ui_.SetCaption("Lumetta");
    ReleaseSleep();
    host_.ShowEnded();
  }
  ReleaseSleep();
}

void SlideShow::ReleaseSleep() {
  if (!sleep_inhibited_) return;
  sleep_inhibited_ = false;
  host_.ReleaseSleep();
}

void SlideShow::Emit(SlideEvent event) {
  if (Trace) Trace(event, clock_.NowMs());
}

void SlideShow::Start(const SlideTarget& target) {
  if (Running() || target.image == nullptr) return;
  Guarded([&] {
    target_ = target;
    // Edits of the photo on show are settled before the show leaves it.
    state_.StripPos = ConfirmSaveEdits(state_, ui_, state_.StripPos);

    host_.InhibitSleep();
    sleep_inhibited_ = true;
    state_.UiReady = false;
    SizeImage24(state_.SlidePicture, target_.image->Width(), target_.image->Height());
    state_.SlidePicture.Fill(0, 0, 0);
    state_.SlideShowActive = true;
    phase_ = Phase::Waiting;
    interval_ms_ = std::int64_t{SlideIntervalSeconds(state_.settings)} * 1000;
    ending_ = false;
    advanced_ = false;
    stop_pending_ = false;
    if (!target_.full_screen) {
      ui_.SetCaption("Lumetta（スライドショーMode）");
      ui_.SetText(Ctl::JoutaiLbl, "【スライドショー】");
    }

    moment_ = clock_.NowMs();
    if (state_.photos.PhotoCount == 0 || !StripPhotoShown()) {
      ClearTarget();
      if (state_.photos.Valid(state_.StripPos)) {
        host_.PreparePhoto(state_.StripPos, SortStep(state_));
      } else {
        // Nothing to show: the view stays black and shows no photo.
        state_.current = PhotoRecord{};
      }
    } else {
      Advance();
    }
    if (Running()) WaitFor(1000);
  });
}

bool SlideShow::StripPhotoShown() const {
  const PhotoRecord& shown = state_.current;
  return !shown.Name.empty() && shown.Folder == state_.CurrentFolder &&
         shown.Name == state_.photos.NameAt(state_.StripPos);
}

void SlideShow::ClearTarget() {
  TDibImage& target = *target_.image;
  target.Fill(0, 0, 0);
  host_.PaintNow(target_.picture, PixelRect{0, 0, target.Width(), target.Height()});
  ui_.SetText(Ctl::RitsuLbl, "   %");
  CallHook(state_.view.hooks.HideComments);
}

void SlideShow::WaitFor(std::int64_t ms) {
  phase_ = Phase::Waiting;
  wait_until_ = moment_ + ms;
  Emit(SlideEvent::WaitStart);
  clock_.WakeAfter(std::max<std::int64_t>(0, wait_until_ - clock_.NowMs()));
}

void SlideShow::Wake() {
  if (!Running()) return;
  Guarded([&] {
    if (phase_ == Phase::Transition) {
      NextStep();
      return;
    }
    const std::int64_t now = clock_.NowMs();
    if (now < wait_until_) {
      // Woken early: wait for the rest.
      clock_.WakeAfter(wait_until_ - now);
      return;
    }
    WaitOver();
  });
}

void SlideShow::KeyPressed(Key key) {
  if (!Running()) return;
  if (!IsSlideForwardKey(key, state_.settings.SortDirection)) {
    Stop();
    return;
  }
  // A forward key ends a wait at once; during a transition it does nothing.
  if (phase_ != Phase::Waiting || depth_ > 0) return;
  Guarded([&] {
    clock_.CancelWake();
    WaitOver();
  });
}

void SlideShow::Stop() {
  if (!Running()) return;
  if (depth_ > 0) {
    stop_pending_ = true;
    return;
  }
  Guarded([&] {
    if (!target_.full_screen) {
      ui_.SetCaption("Lumetta（スライドショー停止中）");
      ui_.SetText(Ctl::JoutaiLbl, "【スライド停止中】");
    }
    clock_.CancelWake();
    if (phase_ == Phase::Transition) {
      host_.PaintNow(target_.picture, player_.Finish());
      TransitionOver(true);
    } else {
      End(EndKind::StoppedInWait);
    }
  });
}

void SlideShow::WaitOver() {
  if (ending_) {
    End(EndKind::Finished);
  } else {
    BeginTransition();
  }
}

void SlideShow::BeginTransition() {
  phase_ = Phase::Transition;
  Emit(SlideEvent::TransitionStart);
  player_.Begin(TransitionChoiceOf(state_.settings), state_.SlidePicture, *target_.image, star_sand_seed++);
  NextStep();
}

void SlideShow::NextStep() {
  const PixelRect changed = player_.Step();
  if (!changed.Empty()) host_.PaintNow(target_.picture, changed);
  if (player_.Done()) {
    TransitionOver(false);
  } else {
    clock_.WakeAfter(0);
  }
}

void SlideShow::TransitionOver(bool interrupted) {
  player_.Reset();
  Emit(SlideEvent::TransitionEnd);
  RefreshAfterTransition();
  if (interrupted) {
    End(EndKind::StoppedInTransition);
    return;
  }
  moment_ = clock_.NowMs();
  Advance();
  if (Running()) WaitFor(interval_ms_);
}

// The photo now on screen gets its histogram, comment and information
// panel, as a photo shown outside the show does.
void SlideShow::RefreshAfterTransition() {
  const bool panorama = state_.InPanorama();
  if (HighQualityMode(state_) && state_.settings.HistogramAuto != 0 && !panorama) {
    CallHook(state_.view.hooks.ShowHistogram);
  } else {
    CallHook(state_.view.hooks.ClearHistogram);
  }
  CallHook(state_.view.hooks.RedrawComments);
  ResetInfoPanel(state_, ui_);
  const PhotoRecord& shown = state_.current;
  if (shown.Name.empty()) {
    ui_.SetText(Ctl::FileNameLbl, "");
    ui_.SetText(Ctl::SizeLbl, "");
    return;
  }
  if (panorama) {
    ui_.SetText(Ctl::FileNameLbl, "【パノラマモード】");
    return;
  }
  ShowPhotoNames(ui_, shown.Name);
  const bool unreadable = shown.Folder == state_.CurrentFolder && state_.photos.Valid(shown.Pos) &&
                          state_.photos[shown.Pos].Unreadable;
  if (unreadable) {
    ui_.SetText(Ctl::SizeLbl, "読み込みエラー");
    return;
  }
  const ViewState& v = state_.view;
  ui_.SetText(Ctl::SizeLbl, SizeText(v.ShownWidth, v.ShownHeight));
  ui_.SetText(Ctl::RitsuLbl, RitsuText(v.ZoomPercent));
  ui_.SetHint(Ctl::HenshuLbl, ZoomHintText(v.ZoomPercent));
  ui_.SetEnabled(Ctl::ZoomKaijoBtn, shown.Edits.ZoomMode);
  ReadShootingInfo();
}

// The shooting information of the photo on show, read from its source photo
// for an edited-photo file and from a fresh copy for a photo in an archive.
void SlideShow::ReadShootingInfo() {
  const PhotoRecord& shown = state_.current;
  std::string path = JoinPath(shown.Folder, shown.Name);
  // The show goes on: an archive that cannot be read leaves the panel empty
  // without a message.
  ArchiveCopy extracted;
  if (!PathExists(path) && state_.ZipAvailable) {
    extracted = ExtractArchiveEntry(path, state_.folders.TempFolder);
    if (extracted.Extracted()) path = extracted.Path();
  }
  if (IsEditedPhotoName(path)) path = SourcePhotoName(path);
  // The photo is on screen already: a truncated Exif block only leaves the
  // panel short.
  static_cast<void>(ReadExifInfo(state_, ui_, shown.Pos, path));
}

// After the photo list's last photo in display order the show goes on in
// the next folder of the tree, starts again, or ends after one more
// interval; otherwise the next photo (the next set in panorama mode) is
// prepared off screen.
void SlideShow::Advance() {
  shown_ = ShownPlace{state_.CurrentFolder, state_.StripPos};
  advanced_ = true;
  const std::int32_t step = SortStep(state_);
  const std::int32_t next = state_.StripPos + step * PaneCountOf(state_.PanoramaMode);
  if (state_.photos.Valid(state_.StripPos) && state_.photos.Valid(next)) {
    state_.StripPos = next;
    StoreSlotStripPos(state_);
    CallHook(state_.hooks.PaintStrip, step, false);
    host_.PreparePhoto(state_.StripPos, step);
    return;
  }

  const bool repeat = state_.settings.SlideRepeat != 0;
  const bool through_folders =
      state_.settings.SlideNextFolder != 0 && !SlotRoot(state_).empty() && !state_.tree.Empty();
  if (through_folders && !StepToNextFolder()) return;
  const std::int32_t count = state_.photos.PhotoCount;
  state_.StripPos = step == 1 ? std::min(count, 1) : count;
  StoreSlotStripPos(state_);
  CallHook(state_.hooks.PaintStrip, 1, false);
  if (!repeat && !through_folders) {
    // The last photo stays for one more interval.
    ending_ = true;
    return;
  }
  if (count == 0) {
    End(EndKind::NoPhotos);
    return;
  }
  host_.PreparePhoto(state_.StripPos, step);
}

// Moves on through the tree to the next folder with photos. Without repeat
// the show ends at the tree's top; with repeat, a whole round through the
// tree without a photo ends it with a message. Returns whether the show
// goes on.
bool SlideShow::StepToNextFolder() {
  const bool repeat = state_.settings.SlideRepeat != 0;
  const std::string start = state_.CurrentFolder;
  int root_visits = 0;
  for (;;) {
    const std::string before = state_.CurrentFolder;
    NextFolder(state_, ui_);
    const bool at_top = state_.tree.Selected() == state_.tree.Root();
    // A tree that cannot step on ends like its top.
    const bool stuck = !at_top && state_.CurrentFolder == before;
    if ((at_top || stuck) && !repeat) {
      ending_ = true;
      return false;
    }
    if (at_top) ++root_visits;
    if (state_.photos.PhotoCount > 0) return true;
    // Back where the search began, or past the top twice (the folder it
    // began in has gone): no folder has a photo.
    if (stuck || state_.CurrentFolder == start || root_visits >= 2) {
      End(EndKind::NoPhotos);
      return false;
    }
  }
}

void SlideShow::End(EndKind kind) {
  phase_ = Phase::Idle;
  clock_.CancelWake();
  player_.Reset();
  state_.SlideShowActive = false;
  SizeImage24(state_.SlidePicture, 1, 1);
  state_.UiReady = true;
  ReleaseSleep();
  if (kind == EndKind::StoppedInWait) StepBack();
  if (!target_.full_screen) EndInMainWindow();
  Emit(SlideEvent::Ended);
  host_.ShowEnded();
  if (kind == EndKind::NoPhotos) ui_.ShowMessageBox(NoPhotoRoundLines());
}

// A stop during a wait: the strip goes back to the photo on screen (into
// its folder when the advance had moved on to the next one), and that
// photo is shown as outside the show.
void SlideShow::StepBack() {
  if (advanced_) {
    if (state_.CurrentFolder != shown_.folder) {
      state_.CurrentFolder = shown_.folder;
      if (PerSlot<std::string>::Holds(state_.SlotIndex)) state_.SlotLastFolder[state_.SlotIndex] = shown_.folder;
      ScanFolder(state_, ui_);
    }
    state_.StripPos = std::min(shown_.strip_pos, state_.photos.PhotoCount);
    StoreSlotStripPos(state_);
    CallHook(state_.hooks.PaintStrip, -1, false);
  }
  if (state_.photos.Valid(state_.StripPos)) CallHook(state_.hooks.ShowPhoto, state_.StripPos, SortStep(state_));
}

void SlideShow::EndInMainWindow() {
  CallHook(state_.hooks.CheckSlotRadio, state_.SlotIndex);
  if (!SlotRoot(state_).empty()) RebuildTree(state_, ui_, state_.CurrentFolder);
  ui_.SetChecked(Ctl::WideChk, state_.view.FillView);
  ui_.SetCaption("Lumetta");
  const char* status = "【全体を表示中】";
  if (!state_.PhotoShown()) {
    status = "【写真未表示】";
  } else if (state_.InPanorama()) {
    status = "【パノラマモード】";
  } else if (state_.current.Edits.ZoomMode) {
    status = "【ズームモード】";
  }
  ui_.SetText(Ctl::JoutaiLbl, status);
}

}  // namespace lumetta
