// WebP plug-in: lossy and lossless WebP through libwebp; transparent pixels
// are put over white.
#include <webp/decode.h>

#include <cstring>
#include <vector>

#include "plugin_support.h"

namespace {

const char* const kInfo[] = {"00IN", "WebP plug-in for Lumetta (libwebp)", "*.webp", "WebP"};

bool IsWebp(const char*, const std::uint8_t* head) {
  return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "WEBP", 4) == 0;
}

WebPBitstreamFeatures Features(const std::vector<std::uint8_t>& bytes) {
  WebPBitstreamFeatures features;
  if (WebPGetFeatures(bytes.data(), bytes.size(), &features) != VP8_STATUS_OK) spi::Fail(SPI_OUT_OF_ORDER);
  if (features.has_animation) spi::Fail(SPI_NOT_SUPPORT);
  return features;
}

void Probe(const char* path, std::intptr_t offset, SpiPictureInfo& info) {
  // The headers lie at the start, unless a large colour profile comes first.
  std::vector<std::uint8_t> head = spi::ReadFileFrom(path, offset, 65536);
  WebPBitstreamFeatures probe;
  if (WebPGetFeatures(head.data(), head.size(), &probe) == VP8_STATUS_NOT_ENOUGH_DATA) {
    head = spi::ReadFileFrom(path, offset);
  }
  const WebPBitstreamFeatures features = Features(head);
  info.width = features.width;
  info.height = features.height;
  info.colorDepth = static_cast<std::int16_t>(features.has_alpha ? 32 : 24);
}

void Decode(const char* path, std::intptr_t offset, spi::Picture& picture) {
  const std::vector<std::uint8_t> bytes = spi::ReadFileFrom(path, offset);
  const WebPBitstreamFeatures features = Features(bytes);
  if (features.width <= 0 || features.height <= 0) spi::Fail(SPI_OUT_OF_ORDER);
  picture.Create(static_cast<std::uint32_t>(features.width), static_cast<std::uint32_t>(features.height));

  WebPDecoderConfig config;
  if (!WebPInitDecoderConfig(&config)) spi::Fail(SPI_OTHER_ERROR);
  // Rows come out bottom first, as the picture keeps them.
  config.options.flip = 1;
  std::vector<std::uint8_t> bgra;
  if (features.has_alpha) {
    bgra.resize(std::size_t{picture.Width()} * 4 * picture.Height());
    config.output.colorspace = MODE_BGRA;
    config.output.u.RGBA.rgba = bgra.data();
    config.output.u.RGBA.stride = static_cast<int>(picture.Width() * 4);
    config.output.u.RGBA.size = bgra.size();
  } else {
    config.output.colorspace = MODE_BGR;
    config.output.u.RGBA.rgba = picture.Bits();
    config.output.u.RGBA.stride = static_cast<int>(picture.Stride());
    config.output.u.RGBA.size = picture.Stride() * picture.Height();
  }
  config.output.is_external_memory = 1;
  const VP8StatusCode status = WebPDecode(bytes.data(), bytes.size(), &config);
  WebPFreeDecBuffer(&config.output);
  if (status == VP8_STATUS_OUT_OF_MEMORY) spi::Fail(SPI_NO_MEMORY);
  if (status != VP8_STATUS_OK) spi::Fail(SPI_OUT_OF_ORDER);
  if (!features.has_alpha) return;
  for (std::uint32_t i = 0; i < picture.Height(); ++i) {
    const std::uint8_t* in = bgra.data() + std::size_t{i} * picture.Width() * 4;
    std::uint8_t* out = picture.Bits() + i * picture.Stride();
    for (std::uint32_t x = 0; x < picture.Width(); ++x, in += 4, out += 3) {
      out[0] = spi::OverWhite(in[0], in[3]);
      out[1] = spi::OverWhite(in[1], in[3]);
      out[2] = spi::OverWhite(in[2], in[3]);
    }
  }
}

const spi::Decoder kDecoder{kInfo, 4, IsWebp, Probe, Decode};

}  // namespace

LUMETTA_PICTURE_PLUGIN(kDecoder)
