#include "cli/render_options.h"

#include "cli/edited_input.h"
#include "cli/plugins.h"
#include "core/imaging/resample.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"

namespace lumetta::cli {

namespace {

// "WxH" or "X,Y": two whole numbers around a separator.
void ParsePair(const std::string& text, char separator, const std::string& what, std::int32_t& first,
               std::int32_t& second) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) throw UsageError(what + " must be two numbers separated by '" + separator + "'");
  first = ParseIntArg(text.substr(0, at), what);
  second = ParseIntArg(text.substr(at + 1), what);
}

}  // namespace

const char* const kRenderOptionsUsage =
    "[--fill] [--rotation 0|1|2|-1] [--brightness B] [--contrast K] [--effect 0-3] [--sharpness S] "
    "[--global-effect 0-3] [--global-sharpness S] [--zoom PERCENT [--centre X,Y]]";

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

RenderOptions TakeRenderOptions(Args& args, const std::string& quality_option, const std::string& default_view) {
  RenderOptions o;
  o.view = args.TakeOption("--view");
  if (o.view.empty()) o.view = default_view;
  o.quality = args.TakeOption(quality_option);
  o.fill = args.TakeFlag("--fill");
  o.rotation = args.TakeOption("--rotation");
  o.brightness = GivenIntOption(args, "--brightness", -256, 256);
  o.contrast = GivenIntOption(args, "--contrast", 1, 1024);
  o.effect = GivenIntOption(args, "--effect", 0, 3);
  o.sharpness = GivenIntOption(args, "--sharpness", -1, 16);
  o.global_effect = IntOption(args, "--global-effect", 1, 0, 3);
  o.global_sharpness = IntOption(args, "--global-sharpness", 12, 0, 16);
  o.zoom = args.TakeOption("--zoom");
  o.centre = args.TakeOption("--centre");
  if (o.view.empty()) throw UsageError("the view size is missing (--view WxH)");
  if (!o.centre.empty() && o.zoom.empty()) throw UsageError("--centre needs --zoom");
  if (!o.quality.empty() && o.quality != "high" && o.quality != "speed") {
    throw UsageError(quality_option + " must be high or speed");
  }
  return o;
}

void RenderWithOptions(AppState& state, const RenderOptions& options, const std::string& photo) {
  HeadlessUi ui;
  ParsePair(options.view, 'x', "--view", state.view.ViewWidth, state.view.ViewHeight);
  if (state.view.ViewWidth < 1 || state.view.ViewHeight < 1 || state.view.ViewWidth > 8192 ||
      state.view.ViewHeight > 8192) {
    throw UsageError("--view must be within 1x1 ... 8192x8192");
  }
  state.settings.QualityMode =
      options.quality == "speed" ? QualityModeKind::HighSpeed : QualityModeKind::HighQuality;
  state.settings.GlobalEffect = options.global_effect;
  state.settings.GlobalSharpness = options.global_sharpness;
  state.view.FillView = options.fill;

  UseCliPlugins(state);
  // An edited-photo file starts from the state it keeps (its zoom restored
  // for this view); the options given change that state.
  LoadShownPhoto(state, photo);
  PhotoEdits& edits = state.current.Edits;
  if (!options.rotation.empty()) {
    const std::int32_t rotation = ParseIntArg(options.rotation, "--rotation");
    if (rotation != 0 && rotation != 1 && rotation != 2 && rotation != -1) {
      throw UsageError("--rotation must be 0, 1, 2 or -1");
    }
    edits.Rotation = static_cast<std::int8_t>(rotation);
  }
  if (options.brightness) edits.Brightness = *options.brightness;
  if (options.contrast) edits.Contrast = *options.contrast;
  if (options.effect) edits.Effect = *options.effect;
  if (options.sharpness) edits.Sharpness = *options.sharpness;
  SizeImage24(state.ViewPicture, state.view.ViewWidth, state.view.ViewHeight);

  if (options.zoom.empty() && edits.ZoomMode) {
    RenderZoom(state, ui, false);
  } else if (options.zoom.empty()) {
    RenderView(state, ui, false);
  } else {
    const std::int32_t zoom = ParseIntArg(options.zoom, "--zoom");
    if (zoom < kMinFineZoomPercent || zoom > kMaxZoomPercent) throw UsageError("--zoom must be within 1 ... 1600");
    const ShownSize shown = ShownSizeOf(state.DecodedPhoto.Width(), state.DecodedPhoto.Height(), edits.Rotation);
    if (!ZoomWithinLimit(zoom, shown.width, shown.height)) {
      throw UsageError("--zoom " + options.zoom + " makes the zoomed photo larger than 50,000,000 pixels");
    }
    if (!options.centre.empty()) {
      ParsePair(options.centre, ',', "--centre", edits.ZoomCentreX, edits.ZoomCentreY);
      if (edits.ZoomCentreX < 0 || edits.ZoomCentreY < 0 || edits.ZoomCentreX >= shown.width ||
          edits.ZoomCentreY >= shown.height) {
        throw UsageError("--centre must lie inside the shown photo");
      }
    }
    SetZoomValue(state, zoom);
    RenderZoom(state, ui, false);
  }
}

}  // namespace lumetta::cli
