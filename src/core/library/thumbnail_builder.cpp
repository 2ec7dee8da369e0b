#include "core/library/thumbnail_builder.h"

#include <cmath>
#include <filesystem>
#include <optional>
#include <sstream>
#include <system_error>

#include "core/base/data_file.h"
#include "core/base/exception.h"
#include "core/base/paths.h"
#include "core/imaging/sharpen.h"
#include "core/imaging/spi_dib_image.h"
#include "core/imaging/thumb_tiff_sampler.h"
#include "core/imaging/thumbnail_fill.h"
#include "core/records/edited_names.h"
#include "core/records/edited_photo_reader.h"

namespace lumetta {

namespace {

// The JPEG decode targets: a plain thumbnail needs at least 320 x 240
// decoded pixels for its 8 x 8 sampling to have something to average.
constexpr double kJpegTargetWidth = 320;
constexpr double kJpegTargetHeight = 240;
constexpr std::int32_t kPlainSharpness = 12;
constexpr std::int32_t kMinEditedSharpness = 8;

// What the thumbnail shows of the photo.
struct ThumbView {
  std::int8_t rotation = 0;
  bool crop = false;
  double zoom = 1;
  std::int32_t cx = -1;
  std::int32_t cy = -1;
  ThumbAdjust adjust;
  std::int32_t sharpness = kPlainSharpness;
};

ThumbView EditedView(const std::string& path, std::int32_t global_sharpness) {
  const EditedPhotoFile file = ReadEditedPhotoForThumbnail(path);
  const PhotoEdits& e = file.Edits;
  ThumbView view;
  view.rotation = e.Rotation;
  view.crop = e.ZoomMode && file.ZoomRatio.has_value();
  view.zoom = file.ZoomRatio.value_or(1.0);
  view.cx = e.ZoomCentreX;
  view.cy = e.ZoomCentreY;
  view.adjust = MakeThumbAdjust(e.Brightness, e.Contrast);
  view.sharpness = e.Sharpness;
  if (view.sharpness >= 1 && view.sharpness < kMinEditedSharpness) view.sharpness = kMinEditedSharpness;
  if (view.sharpness == 0) view.sharpness = global_sharpness;
  return view;
}

bool IsJpegExtension(const std::string& ext) { return ext == ".jpg" || ext == ".jpe" || ext == ".jpeg"; }
bool IsTiffExtension(const std::string& ext) { return ext == ".tif" || ext == ".tiff"; }

bool HasJpegSignature(const std::string& path) {
  try {
    const std::string head = ReadFileBytes(path, 2);
    return head.size() == 2 && static_cast<unsigned char>(head[0]) == 0xFF &&
           static_cast<unsigned char>(head[1]) == 0xD8;
  } catch (const EDataFile&) {
    return false;
  }
}

// Positive centre coordinates follow a reduced decode; -1 (the middle) and
// other negative values stay.
void ScaleCentre(std::int32_t& c, int denom) {
  if (c > 0) c /= denom;
}

void DecodeJpeg(const std::string& path, ThumbView& view, TDibImage& work) {
  double tw = kJpegTargetWidth;
  double th = kJpegTargetHeight;
  if (view.crop) {
    tw = std::trunc(kJpegTargetWidth * view.zoom + 0.5);
    th = std::trunc(kJpegTargetHeight * view.zoom + 0.5);
  }
  const int denom = ThumbJpegScaleDenom(JpegOutputSize(path, 4), tw, th);
  JpegDecodeOptions options;
  options.ScaleDenom = denom;
  options.FastIdct = true;
  options.FancyUpsampling = false;
  work.TakeStore(DecodeJpegFile(path, options));
  if (view.crop) {
    ScaleCentre(view.cx, denom);
    ScaleCentre(view.cy, denom);
  }
}

}  // namespace

int ThumbJpegScaleDenom(JpegSize quarter, double target_width, double target_height) {
  if (quarter.Width < target_width || quarter.Height < target_height) return 1;
  if (quarter.Width < 2 * target_width || quarter.Height < 2 * target_height) return 2;
  return 4;
}

bool WriteThumbnailFile(const TDibImage& thumb, const std::string& path) {
  try {
    std::error_code ec;
    std::filesystem::create_directories(ToFsPath(ParentFolder(path)), ec);
    std::ostringstream bytes;
    thumb.SaveToStream(bytes);
    WriteFileAtomically(path, bytes.str(), false);  // a cache: made again when lost
    return true;
  } catch (const Exception&) {
    return false;
  }
}

ThumbnailResult BuildThumbnail(const ThumbnailRequest& request) {
  ThumbnailResult result;
  result.Thumb = BlackThumbnail();
  std::string path = request.PhotoPath;
  if (!IsRegularFile(path)) {
    result.Unreadable = true;
    return result;
  }
  const bool edited = CompareExtension(path) == kEditedPhotoExtension;
  try {
    ThumbView view;
    view.rotation = request.Rotation;
    if (edited) {
      view = EditedView(path, request.GlobalSharpness);
      path = SourcePhotoName(path);
      if (!IsRegularFile(path)) {
        result.Unreadable = true;
        return result;
      }
    }

    const std::string ext = CompareExtension(path);
    TSPIDibImage work;
    std::optional<SampledTiff> tiff;
    bool decoded = false;
    if (IsJpegExtension(ext)) {
      if (HasJpegSignature(path)) {
        DecodeJpeg(path, view, work);
        decoded = true;
      } else {
        result.Unreadable = true;
      }
    }
    if (!decoded && ext == ".bmp" && !request.BmpByPlugin) {
      // As in the view: the BMP reader, and the plug-ins for a file it
      // cannot read.
      work.LoadFromFile(path);
      decoded = true;
    }
    if (!decoded && IsTiffExtension(ext) && !request.TiffByPlugin) {
      tiff = ReadSampledTiffFile(path);
      decoded = true;
    }
    if (!decoded) {
      try {
        work.LoadFromFile(path);
      } catch (const EDibError&) {
        result.Unreadable = true;
        return result;
      }
    }
    if (!tiff) work.SetPixelFormat(TDibPixelFormat::dpf24Bit);

    const ThumbSource source = tiff ? ThumbSource(*tiff) : ThumbSource(work);
    const DisplayedSize shown = DisplayedSizeOf(source, view.rotation);
    TDibImage thumb = BlackThumbnail();
    if (view.crop) {
      FillCropWindow(source, view.rotation, view.zoom, view.cx, view.cy, view.adjust, thumb);
    } else {
      FillPlainFit(source, view.rotation, view.adjust, thumb);
    }
    SharpenRegion(thumb, 0, 0, kThumbWidth, kThumbHeight, view.sharpness);
    result.Thumb = thumb;
    result.Made = true;

    // A photo smaller than the thumbnail is quicker to read again than its
    // cache file would be.
    const bool worth_caching = edited || request.FromArchive || shown.Width >= kThumbWidth ||
                               shown.Height >= kThumbHeight;
    if (!request.CachePath.empty() && worth_caching) result.Cached = WriteThumbnailFile(thumb, request.CachePath);
  } catch (const Exception& e) {
    result.Unreadable = true;
    result.Error = e.what();
  }
  if (!result.Made) result.Thumb = BlackThumbnail();
  return result;
}

}  // namespace lumetta
