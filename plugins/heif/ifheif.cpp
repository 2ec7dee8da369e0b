// HEIF plug-in: HEIC and AVIF photos through libheif, with the rotation and
// mirroring the file asks for applied; transparent pixels are put over
// white.
#include <libheif/heif.h>

#include <vector>

#include "plugin_support.h"

namespace {

const char* const kInfo[] = {"00IN", "HEIF plug-in for Lumetta (libheif " LIBHEIF_VERSION ")",
                             "*.heic;*.heif;*.avif;*.hif", "HEIF / AVIF"};

bool IsHeif(const char*, const std::uint8_t* head) {
  const heif_filetype_result type = heif_check_filetype(head, 2048);
  return type == heif_filetype_yes_supported || type == heif_filetype_maybe;
}

void Check(const heif_error& error) {
  if (error.code == heif_error_Ok) return;
  if (error.code == heif_error_Memory_allocation_error) spi::Fail(SPI_NO_MEMORY);
  if (error.code == heif_error_Input_does_not_exist) spi::Fail(SPI_FILE_READ_ERROR);
  if (error.code == heif_error_Unsupported_filetype || error.code == heif_error_Unsupported_feature) {
    spi::Fail(SPI_NOT_SUPPORT);
  }
  spi::Fail(SPI_OUT_OF_ORDER);
}

// The file's primary image, with whatever libheif holds released at the end.
class HeifFile {
 public:
  HeifFile(const char* path, std::intptr_t offset) : context_(heif_context_alloc()) {
    if (context_ == nullptr) spi::Fail(SPI_NO_MEMORY);
    if (offset == 0) {
      Check(heif_context_read_from_file(context_, path, nullptr));
    } else {
      bytes_ = spi::ReadFileFrom(path, offset);
      Check(heif_context_read_from_memory_without_copy(context_, bytes_.data(), bytes_.size(), nullptr));
    }
    Check(heif_context_get_primary_image_handle(context_, &handle_));
  }
  ~HeifFile() {
    if (image_ != nullptr) heif_image_release(image_);
    if (handle_ != nullptr) heif_image_handle_release(handle_);
    heif_context_free(context_);
  }
  HeifFile(const HeifFile&) = delete;
  HeifFile& operator=(const HeifFile&) = delete;

  heif_image_handle* Handle() const { return handle_; }
  bool HasAlpha() const { return heif_image_handle_has_alpha_channel(handle_) != 0; }

  // Decodes to interleaved 8-bit RGB or RGBA.
  heif_image* Decode() {
    const heif_chroma chroma = HasAlpha() ? heif_chroma_interleaved_RGBA : heif_chroma_interleaved_RGB;
    Check(heif_decode_image(handle_, &image_, heif_colorspace_RGB, chroma, nullptr));
    return image_;
  }

 private:
  heif_context* context_ = nullptr;
  heif_image_handle* handle_ = nullptr;
  heif_image* image_ = nullptr;
  std::vector<std::uint8_t> bytes_;
};

void Probe(const char* path, std::intptr_t offset, SpiPictureInfo& info) {
  const HeifFile file(path, offset);
  info.width = heif_image_handle_get_width(file.Handle());
  info.height = heif_image_handle_get_height(file.Handle());
  info.colorDepth = static_cast<std::int16_t>(file.HasAlpha() ? 32 : 24);
}

void Decode(const char* path, std::intptr_t offset, spi::Picture& picture) {
  HeifFile file(path, offset);
  const bool alpha = file.HasAlpha();
  heif_image* image = file.Decode();
  const int width = heif_image_get_width(image, heif_channel_interleaved);
  const int height = heif_image_get_height(image, heif_channel_interleaved);
  int stride = 0;
  const std::uint8_t* plane = heif_image_get_plane_readonly(image, heif_channel_interleaved, &stride);
  if (plane == nullptr || width <= 0 || height <= 0 || stride <= 0) spi::Fail(SPI_OUT_OF_ORDER);
  picture.Create(static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height));
  for (int y = 0; y < height; ++y) {
    const std::uint8_t* in = plane + static_cast<std::size_t>(y) * static_cast<std::size_t>(stride);
    std::uint8_t* out = picture.Row(static_cast<std::uint32_t>(y));
    if (alpha) {
      for (int x = 0; x < width; ++x, in += 4, out += 3) {
        out[0] = spi::OverWhite(in[2], in[3]);
        out[1] = spi::OverWhite(in[1], in[3]);
        out[2] = spi::OverWhite(in[0], in[3]);
      }
    } else {
      for (int x = 0; x < width; ++x, in += 3, out += 3) {
        out[0] = in[2];
        out[1] = in[1];
        out[2] = in[0];
      }
    }
  }
}

const spi::Decoder kDecoder{kInfo, 4, IsHeif, Probe, Decode};

}  // namespace

LUMETTA_PICTURE_PLUGIN(kDecoder)
