// Camera RAW plug-in through LibRaw: the full-size JPEG preview the camera
// embedded, when there is one, decoded with libjpeg (what the camera itself
// made of the photo, and far quicker); otherwise the sensor data demosaiced
// at half size with the camera's white balance. Neither is turned by the
// file's orientation, just as JPEG photos are shown as they are stored.
#include <algorithm>
#include <csetjmp>
#include <cstddef>
#include <cstdio>
// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <libraw/libraw.h>
#include <memory>
#include <vector>

#include "plugin_support.h"

namespace {

const char* const kInfo[] = {
    "00IN", "Camera RAW plug-in for Lumetta (LibRaw " LIBRAW_VERSION_STR ")",
    "*.dng;*.cr2;*.cr3;*.crw;*.nef;*.nrw;*.arw;*.srf;*.sr2;*.orf;*.rw2;*.raf;*.pef;*.ptx;*.srw;*.x3f;*.3fr;*.fff;"
    "*.erf;*.kdc;*.dcr;*.mos;*.mef;*.mrw;*.rwl;*.iiq;*.raw",
    "Camera RAW"};

const char* const kExtensions[] = {"dng", "cr2", "cr3", "crw", "nef", "nrw", "arw", "srf", "sr2", "orf",
                                   "rw2", "raf", "pef", "ptx", "srw", "x3f", "3fr", "fff", "erf", "kdc",
                                   "dcr", "mos", "mef", "mrw", "rwl", "iiq", "raw"};

// A preview counts as full size when it is at least this share of the
// photo's size along both sides (cameras crop a few edge pixels).
constexpr double kFullSizeShare = 0.9;

bool IsRaw(const char* path, const std::uint8_t*) {
  return spi::HasExtension(path, kExtensions, sizeof kExtensions / sizeof kExtensions[0]);
}

void Quiet(void*, const char*, const int) {}

class RawFile {
 public:
  RawFile(const char* path, std::intptr_t offset) : raw_(std::make_unique<LibRaw>(LIBRAW_OPTIONS_NONE)) {
    raw_->set_dataerror_handler(Quiet, nullptr);
    libraw_output_params_t& params = raw_->imgdata.params;
    params.half_size = 1;
    params.use_camera_wb = 1;
    params.output_bps = 8;
    params.user_flip = 0;
    int rc;
    if (offset == 0) {
      rc = raw_->open_file(path);
    } else {
      bytes_ = spi::ReadFileFrom(path, offset);
      rc = raw_->open_buffer(bytes_.data(), bytes_.size());
    }
    if (rc == LIBRAW_FILE_UNSUPPORTED) spi::Fail(SPI_NOT_SUPPORT);
    if (rc == LIBRAW_IO_ERROR) spi::Fail(SPI_FILE_READ_ERROR);
    if (rc != LIBRAW_SUCCESS) spi::Fail(SPI_OUT_OF_ORDER);
  }
  RawFile(const RawFile&) = delete;
  RawFile& operator=(const RawFile&) = delete;

  LibRaw& Raw() { return *raw_; }

 private:
  std::unique_ptr<LibRaw> raw_;
  std::vector<std::uint8_t> bytes_;
};

struct JpegErrors {
  jpeg_error_mgr mgr;
  std::jmp_buf jump;
};

void JpegErrorExit(j_common_ptr cinfo) { std::longjmp(reinterpret_cast<JpegErrors*>(cinfo->err)->jump, 1); }
void JpegSilent(j_common_ptr, int) {}

// The libjpeg decompressor; the functions that may long-jump out of libjpeg
// hold no C++ object.
struct JpegReader {
  jpeg_decompress_struct cinfo;
  JpegErrors errors;
  bool created = false;
};

bool StartJpeg(JpegReader& r, const std::uint8_t* data, std::size_t size) {
  r.cinfo.err = jpeg_std_error(&r.errors.mgr);
  r.errors.mgr.error_exit = JpegErrorExit;
  r.errors.mgr.emit_message = JpegSilent;
  if (setjmp(r.errors.jump)) return false;
  jpeg_create_decompress(&r.cinfo);
  r.created = true;
  jpeg_mem_src(&r.cinfo, data, static_cast<unsigned long>(size));
  jpeg_read_header(&r.cinfo, TRUE);
  // Blue, green, red straight into the rows, with libjpeg's defaults (the
  // accurate integer DCT, smooth upsampling).
  r.cinfo.out_color_space = JCS_EXT_BGR;
  jpeg_start_decompress(&r.cinfo);
  return r.cinfo.output_components == 3;
}

// Rows top to bottom into a bottom-up block.
bool ReadJpegRows(JpegReader& r, std::uint8_t* bottom_row, std::size_t stride) {
  if (setjmp(r.errors.jump)) return false;
  const JDIMENSION height = r.cinfo.output_height;
  while (r.cinfo.output_scanline < height) {
    JSAMPROW row = bottom_row + static_cast<std::size_t>(height - 1 - r.cinfo.output_scanline) * stride;
    jpeg_read_scanlines(&r.cinfo, &row, 1);
  }
  jpeg_finish_decompress(&r.cinfo);
  return true;
}

class Jpeg {
 public:
  Jpeg() = default;
  ~Jpeg() {
    if (r_.created) jpeg_destroy_decompress(&r_.cinfo);
  }
  Jpeg(const Jpeg&) = delete;
  Jpeg& operator=(const Jpeg&) = delete;
  JpegReader& Reader() { return r_; }

 private:
  JpegReader r_{};
};

bool DecodePreview(LibRaw& raw, spi::Picture& picture) {
  if (raw.unpack_thumb() != LIBRAW_SUCCESS) return false;
  const libraw_thumbnail_t& thumb = raw.imgdata.thumbnail;
  if (thumb.tformat != LIBRAW_THUMBNAIL_JPEG || thumb.thumb == nullptr || thumb.tlength == 0) return false;
  const double photo_long = std::max(raw.imgdata.sizes.width, raw.imgdata.sizes.height);
  const double photo_short = std::min(raw.imgdata.sizes.width, raw.imgdata.sizes.height);
  const double preview_long = std::max(thumb.twidth, thumb.theight);
  const double preview_short = std::min(thumb.twidth, thumb.theight);
  if (preview_long < kFullSizeShare * photo_long || preview_short < kFullSizeShare * photo_short) return false;

  Jpeg jpeg;
  JpegReader& r = jpeg.Reader();
  if (!StartJpeg(r, reinterpret_cast<const std::uint8_t*>(thumb.thumb), thumb.tlength)) return false;
  picture.Create(r.cinfo.output_width, r.cinfo.output_height);
  return ReadJpegRows(r, picture.Bits(), picture.Stride());
}

void DecodeSensor(LibRaw& raw, spi::Picture& picture) {
  if (raw.unpack() != LIBRAW_SUCCESS) spi::Fail(SPI_OUT_OF_ORDER);
  const int processed = raw.dcraw_process();
  if (processed == LIBRAW_UNSUFFICIENT_MEMORY) spi::Fail(SPI_NO_MEMORY);
  if (processed != LIBRAW_SUCCESS) spi::Fail(SPI_OUT_OF_ORDER);
  int error = 0;
  libraw_processed_image_t* image = raw.dcraw_make_mem_image(&error);
  if (image == nullptr) spi::Fail(SPI_NO_MEMORY);
  const std::unique_ptr<libraw_processed_image_t, void (*)(libraw_processed_image_t*)> owned(image, LibRaw::dcraw_clear_mem);
  if (image->type != LIBRAW_IMAGE_BITMAP || image->colors != 3 || image->bits != 8) spi::Fail(SPI_OUT_OF_ORDER);
  picture.Create(image->width, image->height);
  const std::size_t row_bytes = std::size_t{image->width} * 3;
  for (std::uint32_t y = 0; y < image->height; ++y) {
    const std::uint8_t* in = image->data + y * row_bytes;
    std::uint8_t* out = picture.Row(y);
    for (std::uint32_t x = 0; x < image->width; ++x, in += 3, out += 3) {
      out[0] = in[2];
      out[1] = in[1];
      out[2] = in[0];
    }
  }
}

void Probe(const char* path, std::intptr_t offset, SpiPictureInfo& info) {
  RawFile file(path, offset);
  info.width = file.Raw().imgdata.sizes.width;
  info.height = file.Raw().imgdata.sizes.height;
  info.colorDepth = 24;
}

void Decode(const char* path, std::intptr_t offset, spi::Picture& picture) {
  RawFile file(path, offset);
  if (DecodePreview(file.Raw(), picture)) return;
  DecodeSensor(file.Raw(), picture);
}

const spi::Decoder kDecoder{kInfo, 4, IsRaw, Probe, Decode};

}  // namespace

LUMETTA_PICTURE_PLUGIN(kDecoder)
