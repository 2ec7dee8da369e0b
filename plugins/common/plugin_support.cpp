#include "plugin_support.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <new>

namespace spi {

namespace {

constexpr std::size_t kHeaderSize = 40;
constexpr std::int32_t kPelsPerMeter = 3780;

void PutU16(std::uint8_t* p, std::uint32_t v) {
  p[0] = static_cast<std::uint8_t>(v);
  p[1] = static_cast<std::uint8_t>(v >> 8);
}

void PutU32(std::uint8_t* p, std::uint32_t v) {
  PutU16(p, v & 0xFFFF);
  PutU16(p + 2, v >> 16);
}

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// Runs a plug-in's function, turning every failure into a result code.
template <typename Fn>
int Guarded(Fn&& fn) {
  try {
    fn();
    return SPI_ALL_RIGHT;
  } catch (const Failure& f) {
    return f.code;
  } catch (const std::bad_alloc&) {
    return SPI_NO_MEMORY;
  } catch (...) {
    // Nothing may cross into the host; its only word is the result.
    return SPI_OTHER_ERROR;
  }
}

}  // namespace

Picture::~Picture() {
  std::free(info_);
  std::free(bits_);
}

void Picture::Create(std::uint32_t width, std::uint32_t height) {
  if (width == 0 || height == 0 || width > 0x7FFFFFFF || height > 0x7FFFFFFF) Fail(SPI_OUT_OF_ORDER);
  if (std::uint64_t{width} * height > kMaxPixels) Fail(SPI_OUT_OF_ORDER);
  const std::uint64_t stride = (std::uint64_t{width} * 24 + 31) / 32 * 4;
  const std::uint64_t size = stride * height;
  auto* info = static_cast<std::uint8_t*>(std::calloc(1, kHeaderSize));
  auto* bits = static_cast<std::uint8_t*>(std::calloc(1, static_cast<std::size_t>(size)));
  if (info == nullptr || bits == nullptr) {
    std::free(info);
    std::free(bits);
    Fail(SPI_NO_MEMORY);
  }
  PutU32(info + 0, kHeaderSize);
  PutU32(info + 4, width);
  PutU32(info + 8, height);
  PutU16(info + 12, 1);
  PutU16(info + 14, 24);
  PutU32(info + 16, SPI_BI_RGB);
  PutU32(info + 20, static_cast<std::uint32_t>(size));
  PutU32(info + 24, static_cast<std::uint32_t>(kPelsPerMeter));
  PutU32(info + 28, static_cast<std::uint32_t>(kPelsPerMeter));
  std::free(info_);
  std::free(bits_);
  info_ = info;
  bits_ = bits;
  width_ = width;
  height_ = height;
  stride_ = static_cast<std::size_t>(stride);
}

void Picture::HandOver(void** info, void** bits) {
  *info = info_;
  *bits = bits_;
  info_ = nullptr;
  bits_ = nullptr;
}

std::vector<std::uint8_t> ReadFileFrom(const char* path, std::intptr_t offset, std::size_t limit) {
  if (offset < 0) Fail(SPI_FILE_READ_ERROR);
  std::FILE* file = std::fopen(path, "rb");
  if (file == nullptr) Fail(SPI_FILE_READ_ERROR);
  std::vector<std::uint8_t> bytes;
  bool ok = std::fseek(file, 0, SEEK_END) == 0;
  const long end = ok ? std::ftell(file) : -1;
  ok = ok && end >= offset && std::fseek(file, static_cast<long>(offset), SEEK_SET) == 0;
  if (ok) {
    const auto left = static_cast<std::size_t>(end - offset);
    bytes.resize(left < limit ? left : limit);
    ok = std::fread(bytes.data(), 1, bytes.size(), file) == bytes.size();
  }
  std::fclose(file);
  if (!ok) Fail(SPI_FILE_READ_ERROR);
  return bytes;
}

bool HasExtension(const char* path, const char* const* extensions, std::size_t count) {
  const char* dot = std::strrchr(path, '.');
  const char* slash = std::strrchr(path, '/');
  if (dot == nullptr || (slash != nullptr && dot < slash)) return false;
  const char* ext = dot + 1;
  for (std::size_t i = 0; i < count; ++i) {
    const char* e = extensions[i];
    std::size_t k = 0;
    while (e[k] != '\0' && ext[k] != '\0' && LowerAscii(ext[k]) == e[k]) ++k;
    if (e[k] == '\0' && ext[k] == '\0') return true;
  }
  return false;
}

int GetPluginInfo(const Decoder& decoder, int infono, char* buf, int buflen) {
  if (infono < 0 || infono >= decoder.info_count || buf == nullptr || buflen <= 0) return 0;
  const char* text = decoder.info[infono];
  const std::size_t length = std::strlen(text);
  const std::size_t written = length < static_cast<std::size_t>(buflen) ? length : static_cast<std::size_t>(buflen);
  std::memcpy(buf, text, written);
  if (written < static_cast<std::size_t>(buflen)) buf[written] = '\0';
  return static_cast<int>(written);
}

int IsSupported(const Decoder& decoder, const char* filename, const void* dw) {
  if (filename == nullptr || dw == nullptr) return 0;
  int supported = 0;
  Guarded([&] { supported = decoder.is_supported(filename, static_cast<const std::uint8_t*>(dw)) ? 1 : 0; });
  return supported;
}

int GetPictureInfo(const Decoder& decoder, const char* buf, std::intptr_t len, unsigned int flag,
                   SpiPictureInfo* info) {
  if ((flag & 7) != SPI_INPUT_FILE) return SPI_NO_FUNCTION;
  if (buf == nullptr || info == nullptr) return SPI_OTHER_ERROR;
  return Guarded([&] {
    SpiPictureInfo probed{};
    decoder.probe(buf, len, probed);
    probed.hInfo = nullptr;
    *info = probed;
  });
}

int GetPicture(const Decoder& decoder, const char* buf, std::intptr_t len, unsigned int flag, void** pHBInfo,
               void** pHBm, SpiProgressCallback progress, std::intptr_t data) {
  if ((flag & 7) != SPI_INPUT_FILE) return SPI_NO_FUNCTION;
  if (buf == nullptr || pHBInfo == nullptr || pHBm == nullptr) return SPI_OTHER_ERROR;
  *pHBInfo = nullptr;
  *pHBm = nullptr;
  if (progress != nullptr && progress(0, 1, data) != 0) return SPI_ABORT;
  Picture picture;
  const int result = Guarded([&] { decoder.decode(buf, len, picture); });
  if (result != SPI_ALL_RIGHT) return result;
  if (progress != nullptr && progress(1, 1, data) != 0) return SPI_ABORT;
  picture.HandOver(pHBInfo, pHBm);
  return SPI_ALL_RIGHT;
}

}  // namespace spi
