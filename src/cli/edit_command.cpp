// lumetta-cli edit PHOTO [options]: saves a display state for a photo as an
// edited-photo file, as the save dialog does: the default variant, variant
// N, or the next new number. Prints the path written; never writes PHOTO.
#include <cstdio>
#include <optional>
#include <string>

#include "cli/command.h"
#include "cli/edited_input.h"
#include "cli/plugins.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"
#include "core/imaging/resample.h"
#include "core/records/edited_names.h"
#include "core/records/variant_numbers.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "core/variants/edited_photo_save.h"
#include "core/view/view_geometry.h"
#include "core/view/view_render.h"

namespace lumetta::cli {
namespace {

std::optional<std::int32_t> IntOption(Args& args, const std::string& name, std::int32_t low, std::int32_t high) {
  const std::string text = args.TakeOption(name);
  if (text.empty()) return std::nullopt;
  const std::int32_t value = ParseIntArg(text, name);
  if (value < low || value > high) {
    throw UsageError(name + " must be within " + std::to_string(low) + " ... " + std::to_string(high));
  }
  return value;
}

void ParsePair(const std::string& text, char separator, const std::string& what, std::int32_t& first,
               std::int32_t& second) {
  const std::size_t at = text.find(separator);
  if (at == std::string::npos) throw UsageError(what + " must be two numbers separated by '" + separator + "'");
  first = ParseIntArg(text.substr(0, at), what);
  second = ParseIntArg(text.substr(at + 1), what);
}

int RunEdit(const std::vector<std::string>& arguments) {
  Args args(arguments);
  const std::optional<std::int32_t> variant = IntOption(args, "--variant", 0, kMaxVariantNumber);
  const bool add = args.TakeFlag("--add");
  const std::optional<std::int32_t> rotation = IntOption(args, "--rotation", -1, 2);
  const std::optional<std::int32_t> brightness = IntOption(args, "--brightness", -256, 256);
  const std::optional<std::int32_t> contrast = IntOption(args, "--contrast", 1, 1024);
  const std::optional<std::int32_t> sharpness = IntOption(args, "--sharpness", -1, 16);
  const std::optional<std::int32_t> effect = IntOption(args, "--effect", 0, 3);
  const bool has_comment = [&] {
    for (const std::string& a : arguments) {
      if (a == "--comment") return true;
    }
    return false;
  }();
  const std::string comment = args.TakeOption("--comment");
  const std::optional<std::int32_t> comment_fix = IntOption(args, "--comment-fix", -1, 4);
  const std::optional<std::int32_t> zoom = IntOption(args, "--zoom", kMinFineZoomPercent, kMaxZoomPercent);
  const std::string centre_text = args.TakeOption("--centre");
  const std::string view = args.TakeOption("--view");
  const bool upper_case_ext = args.TakeFlag("--upper-case-ext");
  const std::vector<std::string> photos = args.Positional();

  if (photos.size() != 1) throw UsageError("give exactly one photo");
  if (variant && add) throw UsageError("give --variant or --add, not both");
  if (!centre_text.empty() && !zoom) throw UsageError("--centre needs --zoom");

  AppState state;
  HeadlessUi ui(stderr);
  if (!view.empty()) {
    ParsePair(view, 'x', "--view", state.view.ViewWidth, state.view.ViewHeight);
    if (state.view.ViewWidth < 1 || state.view.ViewHeight < 1 || state.view.ViewWidth > 8192 ||
        state.view.ViewHeight > 8192) {
      throw UsageError("--view must be within 1x1 ... 8192x8192");
    }
  }
  state.settings.UpperCaseExt = upper_case_ext ? 1 : 0;
  UseCliPlugins(state);
  const std::string& photo = photos[0];
  if (!IsRegularFile(photo)) throw FileError(photo + ": no such file");
  LoadShownPhoto(state, photo);

  PhotoEdits& edits = state.current.Edits;
  if (rotation) edits.Rotation = static_cast<std::int8_t>(*rotation);
  if (brightness) edits.Brightness = *brightness;
  if (contrast) edits.Contrast = *contrast;
  if (sharpness) edits.Sharpness = *sharpness;
  if (effect) edits.Effect = *effect;
  if (has_comment) edits.Comment = CutToDataBytes(comment, 255);
  if (comment_fix) edits.CommentFix = *comment_fix;

  // The view is drawn as the main view draws it: that fixes the scale the
  // saved zoom ratio is measured from.
  SizeImage24(state.ViewPicture, state.view.ViewWidth, state.view.ViewHeight);
  if (zoom) {
    const ShownSize shown = ShownSizeOf(state.DecodedPhoto.Width(), state.DecodedPhoto.Height(), edits.Rotation);
    if (!ZoomWithinLimit(*zoom, shown.width, shown.height)) {
      throw UsageError("--zoom makes the zoomed photo larger than 50,000,000 pixels");
    }
    edits.ZoomCentreX = -1;
    edits.ZoomCentreY = -1;
    if (!centre_text.empty()) {
      ParsePair(centre_text, ',', "--centre", edits.ZoomCentreX, edits.ZoomCentreY);
      if (edits.ZoomCentreX < 0 || edits.ZoomCentreY < 0 || edits.ZoomCentreX >= shown.width ||
          edits.ZoomCentreY >= shown.height) {
        throw UsageError("--centre must lie inside the shown photo");
      }
    }
    SetZoomValue(state, *zoom);
    edits.ZoomMode = true;
  }
  if (edits.ZoomMode) {
    RenderZoom(state, ui, false);
  } else {
    RenderView(state, ui, false);
  }

  const std::string base = VariantBaseName(state.current.Name);
  const NumberList list = BuildNumberList(state.current.Folder, base);
  std::string target;
  bool create_new = false;
  auto path_of = [&](int number) {
    if (const auto existing = list.ExistingName(number)) return JoinPath(state.current.Folder, *existing);
    return JoinPath(state.current.Folder, VariantFileName(base, number, upper_case_ext));
  };
  if (add) {
    const auto number = list.NewNumber();
    if (!number) throw FileError("no variant number up to 999 is free");
    target = path_of(*number);
    create_new = true;
  } else if (variant) {
    target = path_of(*variant);
  } else if (IsEditedPhotoName(photo)) {
    target = photo;
  } else {
    target = path_of(0);
  }
  if (!WriteEditedPhoto(state, ui, target, create_new)) throw FileError(target + ": cannot be written");
  std::printf("%s\n", target.c_str());
  return 0;
}

const RegisterCommand kEdit({
    "edit",
    "PHOTO [--variant N | --add] [--rotation 0|1|2|-1] [--brightness B] [--contrast K] [--sharpness S] "
    "[--effect E] [--comment TEXT] [--comment-fix F] [--zoom PERCENT [--centre X,Y]] [--view WxH] "
    "[--upper-case-ext]",
    "save a display state as an edited-photo file (.lum) as the save dialog does, and print its path",
    RunEdit,
});

}  // namespace
}  // namespace lumetta::cli
