#pragma once
// An application state with a photo shown in a small main view, for the
// renderer's and the view commands' tests. The display settings start
// neutral (no effect, no sharpening) so that a test switches on only what
// it looks at.

#include <string>
#include <vector>

#include "core/state/app_state.h"
#include "core/imaging/resample.h"
#include "fake_ui.h"
#include "view_images.h"

namespace lumetta::testing_support {

struct ViewFixture {
  explicit ViewFixture(const TDibImage& photo, std::int32_t view_width = 64, std::int32_t view_height = 48) {
    state.settings.GlobalEffect = 0;
    state.settings.GlobalSharpness = 0;
    state.settings.QualityMode = QualityModeKind::HighQuality;
    state.view.ViewWidth = view_width;
    state.view.ViewHeight = view_height;
    state.DecodedPhoto.Assign(photo);
    state.current.Name = "photo.bmp";
    state.current.Folder = "/photos";
    SizeImage24(state.ViewPicture, view_width, view_height);
    ViewHooks& h = state.view.hooks;
    h.ShowHistogram = [this] { calls.push_back("show histogram"); };
    h.ClearHistogram = [this] { calls.push_back("clear histogram"); };
    h.RedrawComments = [this] { calls.push_back("redraw comments"); };
    h.RecordThumbnailRotation = [this] { calls.push_back("thumbnail rotation"); };
    h.UpdateStripRotation = [this] { calls.push_back("strip rotation"); };
    h.OpenFullScreen = [this] { calls.push_back("full screen"); };
    state.hooks.ShowPhoto = [this](std::int32_t position, std::int32_t) {
      calls.push_back("show photo " + std::to_string(position));
    };
  }

  bool Called(const std::string& call) const {
    for (const std::string& c : calls) {
      if (c == call) return true;
    }
    return false;
  }

  AppState state;
  FakeUi ui;
  std::vector<std::string> calls;
};

}  // namespace lumetta::testing_support
