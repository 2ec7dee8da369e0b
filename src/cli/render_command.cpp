// lumetta-cli render PHOTO --view WxH ... -o OUT.bmp: renders a photo into a
// view of the given size exactly as the main view shows it, so that the
// renderer can be checked pixel by pixel and measured.
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/archive_input.h"
#include "cli/command.h"
#include "cli/render_options.h"
#include "core/base/paths.h"
#include "core/state/app_state.h"

namespace lumetta::cli {
namespace {

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), ec);
}

int RunRender(const std::vector<std::string>& arguments) {
  Args args(arguments);
  const std::string out = args.TakeOption("-o");
  if (out.empty()) throw UsageError("the output file is missing (-o OUT.bmp)");
  const RenderOptions options = TakeRenderOptions(args, "--quality", "");
  const std::vector<std::string> photos = args.Positional();
  if (photos.size() != 1) throw UsageError("give exactly one photo");
  if (SameFile(photos[0], out)) throw UsageError("the output file is the photo itself");

  AppState state;
  // A photo inside an archive is taken out for as long as the render needs it.
  const PhotoArg photo = OpenPhotoArg(photos[0]);
  RenderWithOptions(state, options, photo.Path);
  state.ViewPicture.SaveToFile(out);
  return 0;
}

const RegisterCommand kRender({
    "render",
    std::string("PHOTO --view WxH [--quality high|speed] ") + kRenderOptionsUsage + " -o OUT.bmp",
    "render a photo (or an edited-photo file with its saved state) into a view as the main view shows it and write it as a 24-bit BMP",
    RunRender,
});

}  // namespace
}  // namespace lumetta::cli
