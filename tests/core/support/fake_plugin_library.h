#pragma once
// Plug-ins without shared libraries: a PluginLibraryApi whose "libraries"
// are scripted objects keyed by path, with real C entry points (one set per
// slot) that call into the script. Blocks handed over are tracked, so that a
// test sees every one freed, and their sizes are exact.

#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "core/plugins/plugin_library.h"
#include "lumetta/susie_plugin.h"

namespace lumetta::testing_support {

struct FakePlugin {
  // Information strings by number ("" = none).
  std::vector<std::string> info = {"00IN", "Fake", "*.fak", "Fake"};
  // Entry points the library does not export.
  std::set<std::string> missing;
  // Replaces the GetPluginInfo answer when set.
  std::function<int(int number, char* buffer, int length)> raw_info;
  // Whether the plug-in takes a file, from its first bytes.
  std::function<bool(const std::uint8_t* head)> supports = [](const std::uint8_t*) { return true; };
  // The answer of GetPicture (and GetPreview) for an offset: the result,
  // and the two blocks' bytes (each block left out when its flag is off).
  struct Answer {
    int result = SPI_ALL_RIGHT;
    std::vector<std::uint8_t> info;
    std::vector<std::uint8_t> pixels;
    bool info_block = true;
    bool pixel_block = true;
  };
  std::function<Answer(std::intptr_t offset)> picture;
  std::function<Answer(std::intptr_t offset)> preview;
};

class FakePluginLibrary {
 public:
  static constexpr int kSlots = 8;

  FakePluginLibrary() {
    if (current_ != nullptr) throw std::logic_error("one FakePluginLibrary at a time");
    current_ = this;
  }
  ~FakePluginLibrary() { current_ = nullptr; }
  FakePluginLibrary(const FakePluginLibrary&) = delete;
  FakePluginLibrary& operator=(const FakePluginLibrary&) = delete;

  // A plug-in that loads from path; paths without one fail to load.
  void Add(const std::string& path, FakePlugin plugin) { plugins_[path] = std::move(plugin); }

  const PluginLibraryApi& Api() const { return api_; }

  // What the host did, one line per call: "Open path", "Close path",
  // "IsSupported path", "GetPictureInfo path offset",
  // "GetPicture path offset", "GetPreview path offset".
  std::vector<std::string> calls;
  // The bytes each IsSupported call was shown (2,048 of them).
  std::vector<std::string> heads;
  int open_libraries = 0;
  int live_blocks = 0;

  static FakePluginLibrary& Current() { return *current_; }

 private:
  struct Loaded {
    std::string path;
    FakePlugin* plugin;
  };

  static PluginHandle Open(const std::string& path) {
    FakePluginLibrary& self = Current();
    self.calls.push_back("Open " + path);
    auto it = self.plugins_.find(path);
    if (it == self.plugins_.end()) return nullptr;
    for (int slot = 0; slot < kSlots; ++slot) {
      if (self.slots_[slot].plugin != nullptr) continue;
      self.slots_[slot] = Loaded{path, &it->second};
      ++self.open_libraries;
      return reinterpret_cast<PluginHandle>(static_cast<std::intptr_t>(slot + 1));
    }
    throw std::logic_error("too many fake libraries open");
  }

  static int SlotOf(PluginHandle handle) { return static_cast<int>(reinterpret_cast<std::intptr_t>(handle)) - 1; }

  static void Close(PluginHandle handle) {
    FakePluginLibrary& self = Current();
    Loaded& loaded = self.slots_[SlotOf(handle)];
    self.calls.push_back("Close " + loaded.path);
    loaded = Loaded{};
    --self.open_libraries;
  }

  static std::string ModulePath(PluginHandle handle) { return Current().slots_[SlotOf(handle)].path; }
  static std::string PluginFileName(const std::string& path) { return path; }

  static void* NewBlock(const std::vector<std::uint8_t>& bytes) {
    void* block = std::malloc(bytes.empty() ? 1 : bytes.size());
    if (!bytes.empty()) std::memcpy(block, bytes.data(), bytes.size());
    Current().blocks_[block] = bytes.size();
    ++Current().live_blocks;
    return block;
  }
  static const void* LockBlock(void* block) { return block; }
  static void UnlockBlock(void*) {}
  static std::size_t BlockSize(void* block) {
    auto it = Current().blocks_.find(block);
    return it == Current().blocks_.end() ? 0 : it->second;
  }
  static void FreeBlock(void* block) {
    if (Current().blocks_.erase(block) == 0) throw std::logic_error("a block freed twice or never handed over");
    --Current().live_blocks;
    std::free(block);
  }

  static void* TakeBlock(void* block) {
    if (Current().blocks_.erase(block) == 0) throw std::logic_error("a block taken that was never handed over");
    --Current().live_blocks;
    return block;
  }

  template <int N>
  static FakePlugin& Plugin() {
    return *Current().slots_[N].plugin;
  }
  template <int N>
  static const std::string& PathOf() {
    return Current().slots_[N].path;
  }

  template <int N>
  static int SPI_CALL GetPluginInfo(int number, char* buffer, int length) {
    FakePlugin& p = Plugin<N>();
    if (p.raw_info) return p.raw_info(number, buffer, length);
    if (number < 0 || static_cast<std::size_t>(number) >= p.info.size()) return 0;
    const std::string& text = p.info[static_cast<std::size_t>(number)];
    const std::size_t n = std::min(text.size(), static_cast<std::size_t>(length));
    std::memcpy(buffer, text.data(), n);
    if (n < static_cast<std::size_t>(length)) buffer[n] = '\0';
    return static_cast<int>(n);
  }
  template <int N>
  static int SPI_CALL IsSupported(const char* name, const void* head) {
    FakePluginLibrary& self = Current();
    const auto* bytes = static_cast<const std::uint8_t*>(head);
    self.calls.push_back("IsSupported " + std::string(name));
    self.heads.emplace_back(reinterpret_cast<const char*>(bytes), 2048);
    return Plugin<N>().supports(bytes) ? 1 : 0;
  }
  template <int N>
  static int SPI_CALL GetPictureInfo(const char* name, intptr_t offset, unsigned int, SpiPictureInfo* info) {
    Current().calls.push_back("GetPictureInfo " + std::string(name) + " " + std::to_string(offset));
    info->width = 1;
    return SPI_ALL_RIGHT;
  }
  static int Hand(const FakePlugin::Answer& answer, void** info, void** pixels) {
    if (answer.info_block) *info = NewBlock(answer.info);
    if (answer.pixel_block) *pixels = NewBlock(answer.pixels);
    return answer.result;
  }
  template <int N>
  static int SPI_CALL GetPicture(const char* name, intptr_t offset, unsigned int, void** info, void** pixels,
                                 SpiProgressCallback progress, intptr_t data) {
    Current().calls.push_back("GetPicture " + std::string(name) + " " + std::to_string(offset));
    if (progress(0, 1, data) != 0) return SPI_ABORT;
    FakePlugin& p = Plugin<N>();
    if (!p.picture) return SPI_NOT_SUPPORT;
    return Hand(p.picture(offset), info, pixels);
  }
  template <int N>
  static int SPI_CALL GetPreview(const char* name, intptr_t offset, unsigned int, void** info, void** pixels,
                                 SpiProgressCallback, intptr_t) {
    Current().calls.push_back("GetPreview " + std::string(name) + " " + std::to_string(offset));
    FakePlugin& p = Plugin<N>();
    if (!p.preview) return SPI_NOT_SUPPORT;
    return Hand(p.preview(offset), info, pixels);
  }
  static int SPI_CALL ConfigurationDlg(void*, int) { return SPI_NO_FUNCTION; }
  static int SPI_CALL GetArchiveInfo(const char*, intptr_t, unsigned int, void**) { return SPI_NO_FUNCTION; }
  static int SPI_CALL GetFileInfo(const char*, intptr_t, const char*, unsigned int, SpiFileInfo*) {
    return SPI_NO_FUNCTION;
  }
  static int SPI_CALL GetFile(const char*, intptr_t, char*, unsigned int, SpiProgressCallback, intptr_t) {
    return SPI_NO_FUNCTION;
  }

  template <int N>
  static void* EntryOf(const std::string& name) {
    if (name == "GetPluginInfo") return reinterpret_cast<void*>(&GetPluginInfo<N>);
    if (name == "IsSupported") return reinterpret_cast<void*>(&IsSupported<N>);
    if (name == "GetPictureInfo") return reinterpret_cast<void*>(&GetPictureInfo<N>);
    if (name == "GetPicture") return reinterpret_cast<void*>(&GetPicture<N>);
    if (name == "GetPreview") return reinterpret_cast<void*>(&GetPreview<N>);
    if (name == "ConfigurationDlg") return reinterpret_cast<void*>(&ConfigurationDlg);
    if (name == "GetArchiveInfo") return reinterpret_cast<void*>(&GetArchiveInfo);
    if (name == "GetFileInfo") return reinterpret_cast<void*>(&GetFileInfo);
    if (name == "GetFile") return reinterpret_cast<void*>(&GetFile);
    return nullptr;
  }

  template <int... N>
  static void* SymbolIn(int slot, const std::string& name, std::integer_sequence<int, N...>) {
    void* found = nullptr;
    ((slot == N ? (found = EntryOf<N>(name), 0) : 0), ...);
    return found;
  }

  static void* Symbol(PluginHandle handle, const char* name) {
    const int slot = SlotOf(handle);
    if (Current().slots_[slot].plugin->missing.count(name) != 0) return nullptr;
    return SymbolIn(slot, name, std::make_integer_sequence<int, kSlots>{});
  }

  static inline FakePluginLibrary* current_ = nullptr;
  std::map<std::string, FakePlugin> plugins_;
  Loaded slots_[kSlots] = {};
  std::map<void*, std::size_t> blocks_;
  PluginLibraryApi api_{Open,      Symbol,      Close,     ModulePath, PluginFileName,
                        LockBlock, UnlockBlock, BlockSize, FreeBlock,  TakeBlock};
};

// The blocks of a sound 24-bit picture of width x height, every pixel the
// colour blue, green, red; rows bottom-up as a plug-in gives them.
inline FakePlugin::Answer SolidPicture(std::int32_t width, std::int32_t height, std::uint8_t blue, std::uint8_t green,
                                       std::uint8_t red) {
  FakePlugin::Answer a;
  SpiBitmapInfoHeader h{40, width, height, 1, 24, SPI_BI_RGB, 0, 0, 0, 0, 0};
  a.info.resize(sizeof h);
  std::memcpy(a.info.data(), &h, sizeof h);
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) / 4 * 4;
  a.pixels.assign(stride * static_cast<std::size_t>(height), 0);
  for (std::int32_t y = 0; y < height; ++y) {
    for (std::int32_t x = 0; x < width; ++x) {
      std::uint8_t* p = &a.pixels[static_cast<std::size_t>(y) * stride + static_cast<std::size_t>(x) * 3];
      p[0] = blue;
      p[1] = green;
      p[2] = red;
    }
  }
  return a;
}

}  // namespace lumetta::testing_support
