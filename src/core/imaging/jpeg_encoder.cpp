#include "core/imaging/jpeg_encoder.h"
#include "core/imaging/jpeg_errors.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <cstdlib>
#include <vector>

namespace lumetta {

namespace {

using jpeg::ErrorManager;

bool CreateStep(jpeg_compress_struct* cinfo, ErrorManager* err) {
  cinfo->err = jpeg::UseErrorManager(*err);
  if (setjmp(err->jump)) return false;
  jpeg_create_compress(cinfo);
  return true;
}

// The rows go to libjpeg straight from the image's store, blue, green, red as
// they are (libjpeg-turbo reads that order itself).
bool CompressStep(jpeg_compress_struct* cinfo, ErrorManager* err, const TDibImage* image, int quality,
                  unsigned char** out, unsigned long* out_size, std::uint8_t* swapped) {
  if (setjmp(err->jump)) return false;
  jpeg_mem_dest(cinfo, out, out_size);
  cinfo->image_width = static_cast<JDIMENSION>(image->Width());
  cinfo->image_height = static_cast<JDIMENSION>(image->Height());
  cinfo->input_components = 3;
#ifdef JCS_EXTENSIONS
  cinfo->in_color_space = JCS_EXT_BGR;
#else
  cinfo->in_color_space = JCS_RGB;
#endif
  jpeg_set_defaults(cinfo);
  jpeg_set_quality(cinfo, quality, TRUE);
  jpeg_start_compress(cinfo, TRUE);
  const std::size_t row_bytes = static_cast<std::size_t>(image->Width()) * 3;
  while (cinfo->next_scanline < cinfo->image_height) {
    const auto y = static_cast<std::int32_t>(cinfo->next_scanline);
    const std::uint8_t* row = image->RowUnchecked(y);
    JSAMPROW rows[1];
    if (swapped != nullptr) {
      for (std::size_t i = 0; i < row_bytes; i += 3) {
        swapped[i] = row[i + 2];
        swapped[i + 1] = row[i + 1];
        swapped[i + 2] = row[i];
      }
      rows[0] = swapped;
    } else {
      rows[0] = const_cast<JSAMPROW>(row);  // libjpeg only reads the rows
    }
    jpeg_write_scanlines(cinfo, rows, 1);
  }
  jpeg_finish_compress(cinfo);
  return true;
}

class Compressor {
 public:
  Compressor() {
    if (!CreateStep(&cinfo_, &err_)) throw EJpegEncodeError(err_.message);
  }
  ~Compressor() {
    jpeg_destroy_compress(&cinfo_);
    std::free(out_);
  }
  Compressor(const Compressor&) = delete;
  Compressor& operator=(const Compressor&) = delete;

  std::string Encode(const TDibImage& image, int quality) {
#ifdef JCS_EXTENSIONS
    std::uint8_t* swapped = nullptr;
#else
    std::vector<std::uint8_t> row(static_cast<std::size_t>(image.Width()) * 3);
    std::uint8_t* swapped = row.data();
#endif
    if (!CompressStep(&cinfo_, &err_, &image, quality, &out_, &out_size_, swapped)) {
      throw EJpegEncodeError(err_.message);
    }
    return std::string(reinterpret_cast<const char*>(out_), out_size_);
  }

 private:
  jpeg_compress_struct cinfo_{};
  ErrorManager err_{};
  unsigned char* out_ = nullptr;
  unsigned long out_size_ = 0;
};

}  // namespace

std::string EncodeJpeg(const TDibImage& image, int quality) {
  if (image.BitCount() != 24 || !image.Data().HoldsRows()) throw EDibBadDIBType("EncodeJpeg: Bad DIB Type");
  Compressor compressor;
  return compressor.Encode(image, std::clamp(quality, 1, 100));
}

}  // namespace lumetta
