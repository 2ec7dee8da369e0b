// The plug-in host's hand-over path on arbitrary blocks: a plug-in (in
// process, through the same loader interface as a shared library) answers
// GetPicture with a header block and a pixel block made from the input, and
// the host decodes the photo through it as the view does. A clean refusal
// (false from the host) or a picture are both fine; a crash, a sanitizer
// report, an exception or a block not freed exactly once is a fault.
//
// Input: a BMP file is split as a plug-in would hand it over (the headers
// after the file header up to the pixel offset, then the rows). Anything
// else: one control byte (bit 0 a failing result code, bit 1 no header
// block, bit 2 no pixel block, bit 3 one block handed over as both), two
// bytes of header-block size, the header block, the pixel block.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include "core/plugins/spis.h"
#include "lumetta/susie_plugin.h"

namespace {

struct Answer {
  const std::uint8_t* info = nullptr;
  std::size_t info_size = 0;
  const std::uint8_t* pixels = nullptr;
  std::size_t pixel_size = 0;
  std::uint8_t control = 0;
};

Answer g_answer;

// The blocks handed over and not yet freed (at most two).
struct Block {
  void* address = nullptr;
  std::size_t size = 0;
};
Block g_blocks[2];

void* NewBlock(int slot, const std::uint8_t* bytes, std::size_t size) {
  // Exactly the bytes given, so that a read past them is seen.
  void* block = std::malloc(size == 0 ? 1 : size);
  if (size != 0) std::memcpy(block, bytes, size);
  g_blocks[slot] = {block, size};
  return block;
}

int SPI_CALL GetPluginInfo(int number, char* buffer, int length) {
  static const char* const kInfo[] = {"00IN", "Fuzz", "*.fuzz", "Fuzz"};
  if (number < 0 || number > 3 || length <= 0) return 0;
  const std::size_t n = std::min(std::strlen(kInfo[number]), static_cast<std::size_t>(length) - 1);
  std::memcpy(buffer, kInfo[number], n);
  buffer[n] = '\0';
  return static_cast<int>(n);
}
int SPI_CALL IsSupported(const char*, const void*) { return 1; }
int SPI_CALL GetPictureInfo(const char*, intptr_t, unsigned int, SpiPictureInfo*) { return SPI_ALL_RIGHT; }
int SPI_CALL GetPicture(const char*, intptr_t, unsigned int, void** info, void** pixels, SpiProgressCallback progress,
                        intptr_t data) {
  if (progress(0, 1, data) != 0) return SPI_ABORT;
  const Answer& a = g_answer;
  if ((a.control & 2) == 0) *info = NewBlock(0, a.info, a.info_size);
  if ((a.control & 8) != 0) {
    *pixels = *info;
  } else if ((a.control & 4) == 0) {
    *pixels = NewBlock(1, a.pixels, a.pixel_size);
  }
  return (a.control & 1) != 0 ? SPI_OUT_OF_ORDER : SPI_ALL_RIGHT;
}

lumetta::PluginHandle Open(const std::string&) { return reinterpret_cast<lumetta::PluginHandle>(1); }
void* Symbol(lumetta::PluginHandle, const char* name) {
  const std::string n = name;
  if (n == "GetPluginInfo") return reinterpret_cast<void*>(&GetPluginInfo);
  if (n == "IsSupported") return reinterpret_cast<void*>(&IsSupported);
  if (n == "GetPictureInfo") return reinterpret_cast<void*>(&GetPictureInfo);
  if (n == "GetPicture") return reinterpret_cast<void*>(&GetPicture);
  return nullptr;
}
void Close(lumetta::PluginHandle) {}
std::string ModulePath(lumetta::PluginHandle) { return {}; }
std::string PluginFileName(const std::string& path) { return path; }
const void* LockBlock(void* block) { return block; }
void UnlockBlock(void*) {}
std::size_t BlockSize(void* block) {
  for (const Block& b : g_blocks) {
    if (b.address == block && block != nullptr) return b.size;
  }
  std::abort();  // a block the plug-in never handed over
}
void FreeBlock(void* block) {
  for (Block& b : g_blocks) {
    if (b.address == block && block != nullptr) {
      std::free(block);
      b = Block{};
      return;
    }
  }
  std::abort();  // freed twice, or never handed over
}

const lumetta::PluginLibraryApi kApi{Open,      Symbol,      Close,     ModulePath, PluginFileName,
                                     LockBlock, UnlockBlock, BlockSize, FreeBlock};

// A folder with the plug-in file and a photo for it, removed at the end.
struct Setup {
  Setup() {
    folder = std::filesystem::temp_directory_path() / ("lumetta-fuzz-" + std::to_string(std::random_device{}()));
    std::filesystem::create_directories(folder);
    std::ofstream(folder / "fuzz.spi") << "plug-in";
    photo = (folder / "photo.fuzz").string();
    std::ofstream(photo) << "photo";
    plugins.SearchPlugins("*.spi", {folder.string()});
    if (plugins.Count() != 1) std::abort();
  }
  ~Setup() {
    std::error_code ec;
    std::filesystem::remove_all(folder, ec);
  }
  std::filesystem::path folder;
  std::string photo;
  lumetta::TSPIs plugins{kApi};
};

std::uint32_t U32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size > 1 << 16) return 0;
  static Setup setup;
  Answer a;
  if (size >= 14 && data[0] == 'B' && data[1] == 'M') {
    const std::size_t off_bits = std::min<std::size_t>(std::max<std::uint32_t>(U32(data + 10), 14), size);
    a.info = data + 14;
    a.info_size = off_bits - 14;
    a.pixels = data + off_bits;
    a.pixel_size = size - off_bits;
  } else {
    if (size < 3) return 0;
    a.control = data[0];
    const std::size_t info_size = std::min<std::size_t>(data[1] | std::size_t{data[2]} << 8, size - 3);
    a.info = data + 3;
    a.info_size = info_size;
    a.pixels = data + 3 + info_size;
    a.pixel_size = size - 3 - info_size;
  }
  g_answer = a;
  lumetta::TDibImage image;
  const bool decoded = setup.plugins.Decode(setup.photo, image);
  // The host frees what it was given, whatever it made of it.
  for (const Block& b : g_blocks) {
    if (b.address != nullptr) std::abort();
  }
  if (decoded && std::int64_t{image.Width()} * image.Height() <= (std::int64_t{1} << 22)) {
    try {
      image.SetPixelFormat(lumetta::TDibPixelFormat::dpf24Bit);
      volatile std::uint32_t corner = image.Pixels(image.Width() - 1, image.Height() - 1);
      corner = image.Pixels(0, 0);
      static_cast<void>(corner);
    } catch (const lumetta::EDibError&) {
      // A store the plug-in handed over whole but whose data is damaged (bad
      // RLE runs) fails its conversion cleanly.
    }
  }
  return 0;
}
