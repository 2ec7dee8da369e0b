// lumetta-cli decode PHOTO -o OUT.bmp: decodes a photo as the viewer does and
// writes its pixels as a 24-bit BMP, so that decoding can be checked against
// other tools and measured.
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/archive_input.h"
#include "cli/command.h"
#include "cli/plugins.h"
#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/spi_dib_image.h"
#include "core/plugins/plugin_formats.h"

namespace lumetta::cli {
namespace {

// The one place that decides how a photo is decoded: as the view does, the
// decoder chosen by the extension and the plug-ins beside lumetta-cli
// (none with --no-plugins).
void DecodeForCli(const std::string& path, TDibImage& image, bool plugins) {
  TSPIDibImage decoded;
  DecodePhoto(path, decoded, plugins ? PluginFormatsOf(CliPlugins()).Choice() : DecoderChoice{});
  image.Assign(decoded);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), ec);
}

const RegisterCommand kDecode({
    "decode",
    "PHOTO -o OUT.bmp [--no-plugins]",
    "decode a photo as the view does (through the plug-ins beside lumetta-cli for the formats they read) and "
    "write its pixels as a 24-bit BMP; --no-plugins loads none",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string out = args.TakeOption("-o");
      const bool plugins = !args.TakeFlag("--no-plugins");
      const std::vector<std::string> photos = args.Positional();
      if (out.empty()) throw UsageError("the output file is missing (-o OUT.bmp)");
      if (photos.size() != 1) throw UsageError("give exactly one photo");
      // Photos are never written, not even by mistake on the command line.
      if (SameFile(photos[0], out)) throw UsageError("the output file is the photo itself");
      const PhotoArg photo = OpenPhotoArg(photos[0]);
      TDibImage image;
      DecodeForCli(photo.Path, image, plugins);
      image.SaveToFile(out);
      return 0;
    },
});

}  // namespace
}  // namespace lumetta::cli
