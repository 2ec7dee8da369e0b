#include "core/plugins/spis.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <span>
#include <system_error>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/plugins/plugin_picture.h"

namespace lumetta {

namespace {

TSPIs* g_instance = nullptr;

int SPI_CALL KeepGoing(int, int, std::intptr_t) { return 0; }

bool MatchFolded(std::string_view name, std::string_view pattern) {
  // Iterative wildcard match with one back-tracking point for the last *.
  std::size_t n = 0, p = 0, star = std::string_view::npos, mark = 0;
  while (n < name.size()) {
    if (p < pattern.size() && (pattern[p] == '?' || pattern[p] == name[n])) {
      ++n;
      ++p;
    } else if (p < pattern.size() && pattern[p] == '*') {
      star = p++;
      mark = n;
    } else if (star != std::string_view::npos) {
      p = star + 1;
      n = ++mark;
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size();
}

// Whether a filter-list entry names extension (without its dot): the
// entry's extension is the text after its last dot, so that of
// "*.pic;*.pict" is "pict". An entry without a dot names none.
bool FilterNamesExtension(std::string_view filter, std::string_view extension) {
  const std::size_t dot = filter.rfind('.');
  return dot != std::string_view::npos && SameNameIgnoringCase(filter.substr(dot + 1), extension);
}

// The blocks a plug-in handed over, freed whatever happens to them.
class PluginBlocks {
 public:
  explicit PluginBlocks(const PluginLibraryApi& api) : api_(api) {}
  ~PluginBlocks() { Free(); }
  PluginBlocks(const PluginBlocks&) = delete;
  PluginBlocks& operator=(const PluginBlocks&) = delete;

  void Free() {
    if (info != nullptr) api_.FreeBlock(info);
    // One block returned as both would otherwise be freed twice.
    if (pixels != nullptr && pixels != info) api_.FreeBlock(pixels);
    info = nullptr;
    pixels = nullptr;
  }
  bool Complete() const { return info != nullptr && pixels != nullptr && info != pixels; }

  void* info = nullptr;
  void* pixels = nullptr;

 private:
  const PluginLibraryApi& api_;
};

// A block's bytes while it is locked.
class LockedBlock {
 public:
  LockedBlock(const PluginLibraryApi& api, void* block) : api_(api), block_(block) {
    const void* bytes = api.LockBlock(block);
    locked_ = bytes != nullptr;
    if (locked_) bytes_ = {static_cast<const std::uint8_t*>(bytes), api.BlockSize(block)};
  }
  ~LockedBlock() {
    if (locked_) api_.UnlockBlock(block_);
  }
  LockedBlock(const LockedBlock&) = delete;
  LockedBlock& operator=(const LockedBlock&) = delete;
  std::span<const std::uint8_t> Bytes() const { return bytes_; }

 private:
  const PluginLibraryApi& api_;
  void* block_;
  bool locked_ = false;
  std::span<const std::uint8_t> bytes_;
};

std::vector<std::string> MatchingFiles(const std::string& folder, std::string_view pattern) {
  std::vector<std::string> names;
  std::error_code ec;
  const std::string folded_pattern = FoldCase(pattern);
  for (auto it = std::filesystem::directory_iterator(ToFsPath(folder), ec);
       !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    std::error_code type_ec;
    if (it->is_directory(type_ec)) continue;
    const std::string name = FromFsPath(it->path().filename());
    if (MatchFolded(FoldCase(name), folded_pattern)) names.push_back(name);
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    const std::string fa = FoldCase(a);
    const std::string fb = FoldCase(b);
    return fa != fb ? fa < fb : a < b;
  });
  return names;
}

}  // namespace

std::vector<std::string> ProgramPluginFolders(std::string_view executable_folder, std::string_view app_folder) {
  std::vector<std::string> folders;
  if (!executable_folder.empty()) folders.push_back(WithoutTrailingSeparator(executable_folder));
  const std::string data = WithoutTrailingSeparator(app_folder);
  if (!data.empty() && (folders.empty() || !SameNameIgnoringCase(folders.front(), data))) folders.push_back(data);
  return folders;
}

bool MatchesPluginPattern(std::string_view name, std::string_view pattern) {
  return MatchFolded(FoldCase(name), FoldCase(pattern));
}

TSPIs::TSPIs(const PluginLibraryApi& api) : api_(api) {
  if (g_instance != nullptr) throw ESPIDupCreateSPIs("TSPIs は複数生成できません");
  g_instance = this;
  TSPIDibImage::SetPluginDecoder(this);
}

TSPIs::~TSPIs() {
  if (TSPIDibImage::GetPluginDecoder() == this) TSPIDibImage::SetPluginDecoder(nullptr);
  while (!plugins_.empty()) plugins_.pop_back();
  g_instance = nullptr;
}

void TSPIs::SearchPlugins(std::string_view pattern, const std::vector<std::string>& folders) {
  std::vector<std::string> search = folders;
  std::string name_pattern(pattern);
  if (const std::string folder = ParentFolder(pattern); !folder.empty()) {
    search = {folder};
    name_pattern = FileNameOf(pattern);
  }
  for (const std::string& folder : search) {
    for (const std::string& name : MatchingFiles(folder, name_pattern)) {
      const std::string path = JoinPath(folder, name);
      if (IndexOfPath(path) >= 0) continue;
      try {
        std::unique_ptr<TSPI> plugin = LoadSPI(api_, path);
        plugin->CheckApi();
        plugins_.push_back(std::move(plugin));
      } catch (const ESPIError&) {
        // Not a usable plug-in: the search goes on with the next file.
      }
    }
  }
}

int TSPIs::IndexOfPath(std::string_view path) const {
  for (std::size_t i = 0; i < plugins_.size(); ++i) {
    if (SameNameIgnoringCase(plugins_[i]->PluginPath(), path)) return static_cast<int>(i);
  }
  return -1;
}

std::vector<const TSPI*> TSPIs::Candidates(std::string_view path) const {
  std::string extension = ExtensionOf(path);
  if (!extension.empty()) extension.erase(0, 1);
  std::vector<const TSPI*> matching;
  std::vector<const TSPI*> others;
  for (const auto& plugin : plugins_) {
    if (dynamic_cast<const TInSPI*>(plugin.get()) == nullptr) continue;
    const auto& filters = plugin->FilterList();
    const bool names_it = !extension.empty() && std::any_of(filters.begin(), filters.end(), [&](const std::string& f) {
      return FilterNamesExtension(f, extension);
    });
    (names_it ? matching : others).push_back(plugin.get());
  }
  std::reverse(matching.begin(), matching.end());
  matching.insert(matching.end(), others.begin(), others.end());
  return matching;
}

bool TSPIs::Decode(std::string_view path, TDibImage& image) {
  const std::vector<const TSPI*> candidates = Candidates(path);
  if (candidates.empty()) return false;

  std::array<std::uint8_t, kPluginHeadBytes> head{};
  {
    std::ifstream in(ToFsPath(path), std::ios::binary);
    if (!in) return false;
    in.read(reinterpret_cast<char*>(head.data()), static_cast<std::streamsize>(head.size()));
  }
  const std::string file_name = api_.PluginFileName(std::string(path));
  const char* name = file_name.c_str();

  std::vector<std::int64_t> offsets{0};
  if (MacBinary) offsets.push_back(kMacBinaryOffset);
  for (const TSPI* plugin : candidates) {
    const SPIEntryPoints& e = plugin->Entry();
    for (const std::int64_t offset : offsets) {
      if (e.IsSupported(name, head.data() + offset) == 0) continue;
      // The record is the plug-in's own business; it is asked for as the
      // convention has it and not read.
      SpiPictureInfo info{};
      e.GetPictureInfo(name, static_cast<std::intptr_t>(offset), SPI_INPUT_FILE, &info);

      PluginBlocks blocks(api_);
      int result = -1;
      if (GraphicPreview && e.GetPreview != nullptr) {
        result = e.GetPreview(name, static_cast<std::intptr_t>(offset), SPI_INPUT_FILE, &blocks.info, &blocks.pixels,
                              KeepGoing, 0);
        if (result != SPI_ALL_RIGHT || !blocks.Complete()) blocks.Free();
      }
      if (blocks.info == nullptr) {
        result = e.GetPicture(name, static_cast<std::intptr_t>(offset), SPI_INPUT_FILE, &blocks.info, &blocks.pixels,
                              KeepGoing, 0);
      }
      if (result != SPI_ALL_RIGHT || !blocks.Complete()) continue;
      try {
        const LockedBlock info_bytes(api_, blocks.info);
        std::unique_ptr<TDibData> store;
        if (api_.TakeBlock != nullptr) {
          store = AdoptPluginPicture(info_bytes.Bytes(), api_.BlockSize(blocks.pixels), [&] {
            void* own = api_.TakeBlock(blocks.pixels);
            if (own == nullptr) return PixelBlock();
            blocks.pixels = nullptr;
            return PixelBlock(static_cast<std::uint8_t*>(own));
          });
        }
        if (!store) {
          const LockedBlock pixel_bytes(api_, blocks.pixels);
          store = ReadPluginPicture(info_bytes.Bytes(), pixel_bytes.Bytes());
        }
        image.TakeStore(std::move(store));
        return true;
      } catch (const EDibError&) {
        // Blocks that contradict their header: no picture from this plug-in.
      }
    }
  }
  return false;
}

}  // namespace lumetta
