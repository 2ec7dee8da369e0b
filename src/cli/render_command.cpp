// lumetta-cli render PHOTO --view WxH ... -o OUT.bmp: renders a photo into a
// view of the given size exactly as the main view shows it, so that the
// renderer can be checked pixel by pixel and measured.
#include <filesystem>
#include <optional>
#include <string>
#include <system_error>

#include "core/state/headless_ui.h"
#include "cli/command.h"
#include "cli/edited_input.h"
#include "cli/plugins.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/resample.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"

namespace lumetta::cli {
namespace {


bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), ec);
}

// "WxH" or "X,Y": two whole numbers around a separator.
void ParsePair(const std::string& text, char separator, const std::string& what, std::int32_t& first,
               std::int32_t& second) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) throw UsageError(what + " must be two numbers separated by '" + separator + "'");
  first = ParseIntArg(text.substr(0, at), what);
  second = ParseIntArg(text.substr(at + 1), what);
}

std::optional<std::int32_t> GivenIntOption(Args& args, const std::string& name, std::int32_t low,
                                           std::int32_t high) {
  const std::string text = args.TakeOption(name);
  if (text.empty()) return std::nullopt;
  const std::int32_t value = ParseIntArg(text, name);
  if (value < low || value > high) {
    throw UsageError(name + " must be within " + std::to_string(low) + " ... " + std::to_string(high));
  }
  return value;
}

std::int32_t IntOption(Args& args, const std::string& name, std::int32_t fallback, std::int32_t low,
                       std::int32_t high) {
  return GivenIntOption(args, name, low, high).value_or(fallback);
}

int RunRender(const std::vector<std::string>& arguments) {
  Args args(arguments);
  const std::string out = args.TakeOption("-o");
  const std::string view = args.TakeOption("--view");
  const std::string quality = args.TakeOption("--quality");
  const bool fill = args.TakeFlag("--fill");
  const std::string rotation_text = args.TakeOption("--rotation");
  const auto brightness = GivenIntOption(args, "--brightness", -256, 256);
  const auto contrast = GivenIntOption(args, "--contrast", 1, 1024);
  const auto effect = GivenIntOption(args, "--effect", 0, 3);
  const auto sharpness = GivenIntOption(args, "--sharpness", -1, 16);
  const std::int32_t global_effect = IntOption(args, "--global-effect", 1, 0, 3);
  const std::int32_t global_sharpness = IntOption(args, "--global-sharpness", 12, 0, 16);
  const std::string zoom_text = args.TakeOption("--zoom");
  const std::string centre_text = args.TakeOption("--centre");
  const std::vector<std::string> photos = args.Positional();

  if (out.empty()) throw UsageError("the output file is missing (-o OUT.bmp)");
  if (view.empty()) throw UsageError("the view size is missing (--view WxH)");
  if (photos.size() != 1) throw UsageError("give exactly one photo");
  if (SameFile(photos[0], out)) throw UsageError("the output file is the photo itself");
  if (!centre_text.empty() && zoom_text.empty()) throw UsageError("--centre needs --zoom");

  AppState state;
  HeadlessUi ui;
  ParsePair(view, 'x', "--view", state.view.ViewWidth, state.view.ViewHeight);
  if (state.view.ViewWidth < 1 || state.view.ViewHeight < 1 || state.view.ViewWidth > 8192 ||
      state.view.ViewHeight > 8192) {
    throw UsageError("--view must be within 1x1 ... 8192x8192");
  }
  if (quality.empty() || quality == "high") {
    state.settings.QualityMode = QualityModeKind::HighQuality;
  } else if (quality == "speed") {
    state.settings.QualityMode = QualityModeKind::HighSpeed;
  } else {
    throw UsageError("--quality must be high or speed");
  }
  state.settings.GlobalEffect = global_effect;
  state.settings.GlobalSharpness = global_sharpness;
  state.view.FillView = fill;

  UseCliPlugins(state);
  // An edited-photo file starts from the state it keeps (its zoom restored
  // for this view); the options given change that state.
  LoadShownPhoto(state, photos[0]);
  PhotoEdits& edits = state.current.Edits;
  if (!rotation_text.empty()) {
    const std::int32_t rotation = ParseIntArg(rotation_text, "--rotation");
    if (rotation != 0 && rotation != 1 && rotation != 2 && rotation != -1) {
      throw UsageError("--rotation must be 0, 1, 2 or -1");
    }
    edits.Rotation = static_cast<std::int8_t>(rotation);
  }
  if (brightness) edits.Brightness = *brightness;
  if (contrast) edits.Contrast = *contrast;
  if (effect) edits.Effect = *effect;
  if (sharpness) edits.Sharpness = *sharpness;
  SizeImage24(state.ViewPicture, state.view.ViewWidth, state.view.ViewHeight);

  if (zoom_text.empty() && edits.ZoomMode) {
    RenderZoom(state, ui, false);
  } else if (zoom_text.empty()) {
    RenderView(state, ui, false);
  } else {
    const std::int32_t zoom = ParseIntArg(zoom_text, "--zoom");
    if (zoom < kMinFineZoomPercent || zoom > kMaxZoomPercent) throw UsageError("--zoom must be within 1 ... 1600");
    const ShownSize shown =
        ShownSizeOf(state.DecodedPhoto.Width(), state.DecodedPhoto.Height(), edits.Rotation);
    if (!ZoomWithinLimit(zoom, shown.width, shown.height)) {
      throw UsageError("--zoom " + zoom_text + " makes the zoomed photo larger than 50,000,000 pixels");
    }
    if (!centre_text.empty()) {
      ParsePair(centre_text, ',', "--centre", edits.ZoomCentreX, edits.ZoomCentreY);
      if (edits.ZoomCentreX < 0 || edits.ZoomCentreY < 0 || edits.ZoomCentreX >= shown.width ||
          edits.ZoomCentreY >= shown.height) {
        throw UsageError("--centre must lie inside the shown photo");
      }
    }
    SetZoomValue(state, zoom);
    RenderZoom(state, ui, false);
  }
  state.ViewPicture.SaveToFile(out);
  return 0;
}

const RegisterCommand kRender({
    "render",
    "PHOTO --view WxH [--quality high|speed] [--fill] [--rotation 0|1|2|-1] [--brightness B] [--contrast K] "
    "[--effect 0-3] [--sharpness S] [--global-effect 0-3] [--global-sharpness S] [--zoom PERCENT [--centre X,Y]] "
    "-o OUT.bmp",
    "render a photo (or an edited-photo file with its saved state) into a view as the main view shows it and write it as a 24-bit BMP",
    RunRender,
});

}  // namespace
}  // namespace lumetta::cli
