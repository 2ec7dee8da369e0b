#include "core/imaging/jpeg_decoder.h"
#include "core/imaging/jpeg_errors.h"

// clang-format off
#include <cstdio>  // jpeglib.h needs FILE and size_t declared first
#include <jpeglib.h>
#include <jerror.h>
// clang-format on

#include <algorithm>
#include <csetjmp>
#include <fstream>
#include <string>
#include <vector>

#include "core/base/paths.h"

namespace lumetta {

namespace {

using jpeg::ErrorManager;

// Input from a file through a buffer of its own, or from memory. At the end
// of the data libjpeg gets an end-of-image marker (with a warning), so that a
// truncated file decodes as far as it goes.
constexpr std::size_t kInputBufferSize = 65536;

struct SourceManager {
  jpeg_source_mgr pub;
  std::filebuf* file;  // nothing for memory input
  JOCTET* buffer;
  bool at_end;
};

const JOCTET kFakeEoi[2] = {0xFF, JPEG_EOI};

extern "C" void LumettaJpegInitSource(j_decompress_ptr) {}
extern "C" void LumettaJpegTermSource(j_decompress_ptr) {}

extern "C" boolean LumettaJpegFillInput(j_decompress_ptr cinfo) {
  auto* src = reinterpret_cast<SourceManager*>(cinfo->src);
  std::streamsize n = 0;
  bool read_failed = false;
  if (src->file != nullptr && !src->at_end) {
    // No exception may cross libjpeg's frames: a failed read becomes
    // libjpeg's own read error, raised once the handler has been left.
    try {
      n = src->file->sgetn(reinterpret_cast<char*>(src->buffer), static_cast<std::streamsize>(kInputBufferSize));
    } catch (const std::ios_base::failure&) {
      read_failed = true;
    }
  }
  if (read_failed) ERREXIT(cinfo, JERR_FILE_READ);
  if (n <= 0) {
    src->at_end = true;
    WARNMS(cinfo, JWRN_JPEG_EOF);
    src->pub.next_input_byte = kFakeEoi;
    src->pub.bytes_in_buffer = 2;
    return TRUE;
  }
  src->pub.next_input_byte = src->buffer;
  src->pub.bytes_in_buffer = static_cast<std::size_t>(n);
  return TRUE;
}

extern "C" void LumettaJpegSkipInput(j_decompress_ptr cinfo, long count) {
  auto* src = reinterpret_cast<SourceManager*>(cinfo->src);
  if (count <= 0) return;
  auto remaining = static_cast<std::size_t>(count);
  while (remaining > src->pub.bytes_in_buffer) {
    remaining -= src->pub.bytes_in_buffer;
    LumettaJpegFillInput(cinfo);
  }
  src->pub.next_input_byte += remaining;
  src->pub.bytes_in_buffer -= remaining;
}

void InstallSource(jpeg_decompress_struct* cinfo, SourceManager* src, std::filebuf* file, JOCTET* buffer,
                   const std::uint8_t* data, std::size_t size) {
  src->pub.init_source = LumettaJpegInitSource;
  src->pub.fill_input_buffer = LumettaJpegFillInput;
  src->pub.skip_input_data = LumettaJpegSkipInput;
  src->pub.resync_to_restart = jpeg_resync_to_restart;
  src->pub.term_source = LumettaJpegTermSource;
  src->pub.next_input_byte = data;
  src->pub.bytes_in_buffer = size;
  src->file = file;
  src->buffer = buffer;
  src->at_end = false;
  cinfo->src = &src->pub;
}

#ifdef JCS_EXTENSIONS
// libjpeg-turbo writes blue, green, red itself.
constexpr J_COLOR_SPACE kOutputSpace = JCS_EXT_BGR;
#else
constexpr J_COLOR_SPACE kOutputSpace = JCS_RGB;
#endif

// The steps that call into libjpeg. Each returns false when libjpeg failed;
// the message is then in err->message.
bool CreateStep(jpeg_decompress_struct* cinfo, ErrorManager* err) {
  cinfo->err = jpeg::UseErrorManager(*err);
  if (setjmp(err->jump)) return false;
  jpeg_create_decompress(cinfo);
  return true;
}

bool HeaderStep(jpeg_decompress_struct* cinfo, ErrorManager* err, const JpegDecodeOptions* options) {
  if (setjmp(err->jump)) return false;
  jpeg_read_header(cinfo, TRUE);
  cinfo->scale_num = 1;
  cinfo->scale_denom = static_cast<unsigned int>(options->ScaleDenom);
  cinfo->dct_method = options->FastIdct ? JDCT_IFAST : JDCT_ISLOW;
  cinfo->do_fancy_upsampling = options->FancyUpsampling ? TRUE : FALSE;
  cinfo->out_color_space = kOutputSpace;
  jpeg_calc_output_dimensions(cinfo);
  return true;
}

// Decodes straight into the store's rows, no full-size buffer in between.
bool RowsStep(jpeg_decompress_struct* cinfo, ErrorManager* err, std::uint8_t* bits, std::size_t stride) {
  if (setjmp(err->jump)) return false;
  jpeg_start_decompress(cinfo);
  JSAMPROW rows[16];
  while (cinfo->output_scanline < cinfo->output_height) {
    const JDIMENSION first = cinfo->output_scanline;
    const JDIMENSION count = std::min<JDIMENSION>(16, cinfo->output_height - first);
    for (JDIMENSION i = 0; i < count; ++i) rows[i] = bits + (first + i) * stride;
    const JDIMENSION read = jpeg_read_scanlines(cinfo, rows, count);
#ifndef JCS_EXTENSIONS
    for (JDIMENSION i = 0; i < read; ++i) {
      std::uint8_t* p = rows[i];
      for (JDIMENSION x = 0; x < cinfo->output_width; ++x, p += 3) std::swap(p[0], p[2]);
    }
#endif
    if (read == 0) break;
  }
  jpeg_finish_decompress(cinfo);
  return true;
}

class Decompressor {
 public:
  Decompressor() {
    if (!CreateStep(&cinfo_, &err_)) throw EJpegError(err_.message);
  }
  ~Decompressor() { jpeg_destroy_decompress(&cinfo_); }
  Decompressor(const Decompressor&) = delete;
  Decompressor& operator=(const Decompressor&) = delete;

  void SetSource(std::filebuf* file, const std::uint8_t* data, std::size_t size) {
    if (file != nullptr) buffer_.resize(kInputBufferSize);
    InstallSource(&cinfo_, &source_, file, buffer_.data(), data, size);
  }

  void ReadHeader(const JpegDecodeOptions& options) {
    const int denom = options.ScaleDenom;
    if (denom != 1 && denom != 2 && denom != 4 && denom != 8) throw EJpegError("unsupported JPEG scale");
    if (!HeaderStep(&cinfo_, &err_, &options)) throw EJpegError(err_.message);
    max_pixels_ = options.MaxPixels;
  }

  JpegSize OutputSize() const {
    return {static_cast<std::int32_t>(cinfo_.output_width), static_cast<std::int32_t>(cinfo_.output_height)};
  }

  std::unique_ptr<TDibData> DecodeRows() {
    if (cinfo_.output_components != 3) throw EJpegError("unsupported JPEG colour conversion");
    const JpegSize size = OutputSize();
    if (std::int64_t{size.Width} * size.Height > max_pixels_) throw EJpegError("JPEG image too large");
    std::unique_ptr<TDibData> store;
    try {
      store = TDibData::Create(size.Width, size.Height, 0, 24);
    } catch (const EDibError& e) {
      throw EJpegError(std::string("JPEG image too large: ") + e.what());
    }
    if (!RowsStep(&cinfo_, &err_, store->bits.get(), static_cast<std::size_t>(store->Stride()))) {
      throw EJpegError(err_.message);
    }
    return store;
  }

 private:
  jpeg_decompress_struct cinfo_{};
  ErrorManager err_{};
  SourceManager source_{};
  std::vector<JOCTET> buffer_;
  std::int64_t max_pixels_ = TDibData::kMaxPixels;
};

void OpenFile(std::filebuf& file, std::string_view path) {
  if (file.open(ToFsPath(path), std::ios::in | std::ios::binary) == nullptr) {
    throw EJpegError("cannot open " + std::string(path));
  }
}

}  // namespace

std::unique_ptr<TDibData> DecodeJpegFile(std::string_view path, const JpegDecodeOptions& options) {
  std::filebuf file;
  OpenFile(file, path);
  Decompressor decompressor;
  decompressor.SetSource(&file, nullptr, 0);
  decompressor.ReadHeader(options);
  return decompressor.DecodeRows();
}

std::unique_ptr<TDibData> DecodeJpegMemory(const std::uint8_t* data, std::size_t size,
                                           const JpegDecodeOptions& options) {
  Decompressor decompressor;
  decompressor.SetSource(nullptr, data, size);
  decompressor.ReadHeader(options);
  return decompressor.DecodeRows();
}

JpegSize JpegOutputSize(std::string_view path, int scale_denom) {
  std::filebuf file;
  OpenFile(file, path);
  Decompressor decompressor;
  decompressor.SetSource(&file, nullptr, 0);
  JpegDecodeOptions options;
  options.ScaleDenom = scale_denom;
  decompressor.ReadHeader(options);
  return decompressor.OutputSize();
}

}  // namespace lumetta
