// lumetta-cli export PHOTO ... --format jpeg|bmp -o OUT: the export of the
// displayed photo with the export dialog's settings, the view rendered as the
// render command renders it.
#include <string>

#include "cli/command.h"
#include "cli/render_options.h"
#include "core/export/export_command.h"
#include "core/export/export_file.h"
#include "core/records/exif_info.h"
#include "core/state/app_state.h"

namespace lumetta::cli {
namespace {

int RunExport(const std::vector<std::string>& arguments) {
  Args args(arguments);
  const std::string out = args.TakeOption("-o");
  const std::string format = args.TakeOption("--format");
  const std::int32_t quality = IntOption(args, "--quality", 8, 1, 10);
  const bool exif = args.TakeFlag("--exif");
  const bool whole = args.TakeFlag("--whole");
  const bool cut = args.TakeFlag("--cut");
  if (out.empty()) throw UsageError("the output file is missing (-o OUT)");
  if (format != "jpeg" && format != "bmp") throw UsageError("--format must be jpeg or bmp");
  const RenderOptions options = TakeRenderOptions(args, "--mode", "800x600");
  const std::vector<std::string> photos = args.Positional();
  if (photos.size() != 1) throw UsageError("give exactly one photo");

  AppState state;
  RenderWithOptions(state, options, photos[0]);
  if (IsShownPhotoFile(state, out)) throw UsageError("the output file is the photo itself");

  ExportChoices choices;
  choices.Format = format == "bmp" ? ExportFormatKind::Bmp : ExportFormatKind::Jpeg;
  choices.Quality = quality;
  choices.Exif = exif;
  choices.Whole = whole;
  choices.Comment = false;
  if (exif && choices.Format == ExportFormatKind::Jpeg) {
    try {
      state.exif = ReadExifInfo(ShownPhotoFiles(state).front()).Info;
    } catch (const EExifRead& e) {
      throw FileError(e.what());
    }
  }
  ExportArea area = ExportAreaOf(state, whole);
  // The black-bar question, answered by --cut.
  if (area.AskToCut && !cut) area.Ox = area.Oy = 0;
  WriteExportFile(out, ExportFileBytes(state, choices, area, {}));
  return 0;
}

const RegisterCommand kExport({
    "export",
    std::string("PHOTO [--view WxH] [--mode high|speed] ") + kRenderOptionsUsage +
        " [--whole] [--cut] --format jpeg|bmp [--quality 1-10] [--exif] -o OUT",
    "export a photo (or an edited-photo file with its saved state) as the view shows it (800x600 unless --view is "
    "given) as a JPEG (quality 1-10 as the export dialog's bar, --exif to carry the photo's Exif data over) or a "
    "24-bit BMP; --whole takes the whole zoomed photo, --cut cuts the black bars",
    RunExport,
});

}  // namespace
}  // namespace lumetta::cli
