// lumetta-cli decode PHOTO -o OUT.bmp: decodes a photo as the viewer does and
// writes its pixels as a 24-bit BMP, so that decoding can be checked against
// other tools and measured.
#include <filesystem>
#include <string>
#include <system_error>

#include "cli/command.h"
#include "core/base/paths.h"
#include "core/imaging/photo_decoder.h"
#include "core/imaging/spi_dib_image.h"

namespace lumetta::cli {
namespace {

// The one place that decides how a photo is decoded: as the view does, the
// decoder chosen by the extension, no plug-ins.
void DecodeForCli(const std::string& path, TDibImage& image) {
  TSPIDibImage decoded;
  DecodePhoto(path, decoded, DecoderChoice{});
  image.Assign(decoded);
}

bool SameFile(const std::string& a, const std::string& b) {
  std::error_code ec;
  return std::filesystem::equivalent(ToFsPath(a), ToFsPath(b), ec);
}

const RegisterCommand kDecode({
    "decode",
    "PHOTO -o OUT.bmp",
    "decode a photo and write its pixels as a 24-bit BMP",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string out = args.TakeOption("-o");
      const std::vector<std::string> photos = args.Positional();
      if (out.empty()) throw UsageError("the output file is missing (-o OUT.bmp)");
      if (photos.size() != 1) throw UsageError("give exactly one photo");
      // Photos are never written, not even by mistake on the command line.
      if (SameFile(photos[0], out)) throw UsageError("the output file is the photo itself");
      TDibImage image;
      DecodeForCli(photos[0], image);
      image.SaveToFile(out);
      return 0;
    },
});

}  // namespace
}  // namespace lumetta::cli
