#pragma once
// A program state that shows photos of a temporary folder in an 80 x 60
// view: neutral display settings (no effect, no sharpening, high quality),
// ShowPhoto wired as the windows wire it, and the calls into the strip and
// the comment overlay recorded.

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/app/show_photo.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/imaging/resample.h"
#include "fake_ui.h"
#include "temp_dir.h"
#include "view_images.h"

namespace lumetta::testing_support {

// A FakeUi that also remembers SizeLbl's text each time pending paints are
// let through, which is what the user sees while a photo decodes.
class PaintWatchingUi : public FakeUi {
 public:
  std::vector<std::string> size_texts_at_paint;
  void ProcessPendingPaints() override {
    FakeUi::ProcessPendingPaints();
    size_texts_at_paint.push_back(Text(Ctl::SizeLbl));
  }
};

struct ShowFixture {
  static constexpr std::int32_t kViewWidth = 80;
  static constexpr std::int32_t kViewHeight = 60;

  ShowFixture() {
    state.settings.GlobalEffect = 0;
    state.settings.GlobalSharpness = 0;
    state.settings.QualityMode = QualityModeKind::HighQuality;
    state.view.ViewWidth = kViewWidth;
    state.view.ViewHeight = kViewHeight;
    SizeImage24(state.ViewPicture, kViewWidth, kViewHeight);
    state.ViewPicture.Fill(128, 128, 128);
    state.PhotoExtensions = BuildPhotoExtensions({});
    AppHooks& h = state.hooks;
    h.ShowPhoto = [this](std::int32_t position, std::int32_t step) { ShowPhoto(state, ui, position, step); };
    h.PaintStrip = [this](std::int32_t order, bool) { calls.push_back("strip " + std::to_string(order)); };
    h.RemoveHoverLabel = [this] { ++hover_removals; };
    state.view.hooks.DrawComment = [this](std::int32_t pane) {
      calls.push_back("comment " + std::to_string(pane) + " at " + std::to_string(state.view.ViewWidth) + "x" +
                      std::to_string(state.view.ViewHeight));
    };
  }

  // A solid photo of w x h written as a BMP file into the folder.
  std::string WritePhoto(const std::string& relative, Rgb colour, std::int32_t w = 40, std::int32_t h = 30) {
    const std::string path = dir.Write(relative);
    SolidImage(w, h, colour).SaveToFile(path);
    return path;
  }

  // Opens a folder of the temporary folder as the current one.
  void Open(const std::string& folder) {
    state.CurrentFolder = dir / folder;
    ScanFolder(state, ui);
  }

  Rgb ViewAt(std::int32_t x, std::int32_t y) const { return PixelAt(state.ViewPicture, x, y); }

  // The bytes of every photo (every file but the edited-photo files) under
  // the temporary folder, to show that no workflow writes a photo.
  std::map<std::string, std::string> PhotoBytes() const {
    std::map<std::string, std::string> bytes;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(dir.Path())) {
      if (!entry.is_regular_file()) continue;
      const std::string path = entry.path().string();
      if (entry.path().extension() == ".lum" || entry.path().extension() == ".LUM") continue;
      bytes[path] = ReadAll(path);
    }
    return bytes;
  }

  TempDir dir;
  AppState state;
  PaintWatchingUi ui;
  std::vector<std::string> calls;
  int hover_removals = 0;
};

}  // namespace lumetta::testing_support
