#include "core/imaging/photo_decoder.h"

#include <string>

#include "core/base/paths.h"
#include "core/imaging/jpeg_decoder.h"
#include "core/imaging/tiff_reader.h"

namespace lumetta {

void DecodePhoto(std::string_view path, TSPIDibImage& decoded, const DecoderChoice& choice) {
  const std::string ext = CompareExtension(path);
  try {
    if ((ext == ".jpg" || ext == ".jpe" || ext == ".jpeg") && !choice.JpegByPlugin) {
      decoded.TakeStore(DecodeJpegFile(path, kViewJpegDecode));
    } else if ((ext == ".tif" || ext == ".tiff") && !choice.TiffByPlugin) {
      decoded.TakeStore(ReadTiffFile(path));
    } else {
      // BMP files go to the bitmap's own reader first, everything else to
      // the plug-ins.
      decoded.LoadFromFile(path);
    }
    decoded.SetPixelFormat(TDibPixelFormat::dpf24Bit);
  } catch (const EDecodeError&) {
    throw;
  } catch (const EDibError& e) {
    // The bitmap reader and the plug-in host have their own classes; for the
    // view they all mean the same unreadable photo.
    throw EDecodeError(e.what());
  }
}

}  // namespace lumetta
