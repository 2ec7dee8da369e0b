#include "core/plugins/spi.h"

#include <array>
#include <cstring>
#include <utility>

#include "core/base/text_codec.h"

namespace lumetta {

namespace {

constexpr std::size_t kInfoBufferSize = 256;
constexpr int kInfoLimit = 255;
constexpr std::size_t kMaxPluginPath = 255;
// A plug-in that answers every number would otherwise keep the loop going
// for ever.
constexpr int kMaxFilterPairs = 1000;

bool IsUtf8(std::string_view bytes) {
  std::size_t i = 0;
  while (i < bytes.size()) {
    const auto lead = static_cast<unsigned char>(bytes[i]);
    std::size_t length = 0;
    if (lead < 0x80) {
      length = 1;
    } else if (lead >= 0xC2 && lead <= 0xDF) {
      length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
      length = 3;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
      length = 4;
    } else {
      return false;
    }
    if (bytes.size() - i < length) return false;
    for (std::size_t k = 1; k < length; ++k) {
      if ((static_cast<unsigned char>(bytes[i + k]) & 0xC0) != 0x80) return false;
    }
    i += length;
  }
  return true;
}

template <typename Fn>
Fn EntryPoint(const PluginLibraryApi& api, PluginHandle handle, const char* name) {
  return reinterpret_cast<Fn>(api.Symbol(handle, name));
}

SPIEntryPoints LookUpEntryPoints(const PluginLibraryApi& api, PluginHandle handle) {
  SPIEntryPoints e;
  e.GetPluginInfo = EntryPoint<SpiGetPluginInfo>(api, handle, "GetPluginInfo");
  e.ConfigurationDlg = EntryPoint<SpiConfigurationDlg>(api, handle, "ConfigurationDlg");
  e.IsSupported = EntryPoint<SpiIsSupported>(api, handle, "IsSupported");
  e.GetPictureInfo = EntryPoint<SpiGetPictureInfo>(api, handle, "GetPictureInfo");
  e.GetPicture = EntryPoint<SpiGetPicture>(api, handle, "GetPicture");
  e.GetPreview = EntryPoint<SpiGetPreview>(api, handle, "GetPreview");
  e.GetArchiveInfo = EntryPoint<SpiGetArchiveInfo>(api, handle, "GetArchiveInfo");
  e.GetFileInfo = EntryPoint<SpiGetFileInfo>(api, handle, "GetFileInfo");
  e.GetFile = EntryPoint<SpiGetFile>(api, handle, "GetFile");
  return e;
}

// Closes a library unless it has been handed on.
class HandleGuard {
 public:
  HandleGuard(const PluginLibraryApi& api, PluginHandle handle) : api_(api), handle_(handle) {}
  ~HandleGuard() {
    if (handle_ != nullptr) api_.Close(handle_);
  }
  HandleGuard(const HandleGuard&) = delete;
  HandleGuard& operator=(const HandleGuard&) = delete;
  PluginHandle Release() { return std::exchange(handle_, nullptr); }

 private:
  const PluginLibraryApi& api_;
  PluginHandle handle_;
};

}  // namespace

std::string ReadPluginInfo(SpiGetPluginInfo get_plugin_info, int number) {
  std::array<char, kInfoBufferSize> buffer{};
  const int written = get_plugin_info(number, buffer.data(), kInfoLimit);
  if (written <= 0) return {};
  // The count and the terminator are the plug-in's word; neither is trusted.
  buffer[kInfoBufferSize - 1] = '\0';
  const std::size_t limit = static_cast<std::size_t>(written < kInfoLimit ? written : kInfoLimit);
  const std::string bytes(buffer.data(), strnlen(buffer.data(), limit));
  return IsUtf8(bytes) ? bytes : Cp932ToUtf8(bytes);
}

TSPI::TSPI(LoadedSPI loaded) : loaded_(std::move(loaded)) {}

TSPI::~TSPI() {
  if (loaded_.handle != nullptr) loaded_.api->Close(loaded_.handle);
}

void TSPI::Require(const void* entry_point, const char* name) const {
  if (entry_point == nullptr) {
    throw ESPIInvalidAPI(std::string(name) + "は[" + PluginPath() + "]では使えないSusie Plugin APIです");
  }
}

void TSPI::CheckApi() const {
  Require(reinterpret_cast<const void*>(Entry().GetPluginInfo), "GetPluginInfo");
}

void TLoaderSPI::CheckApi() const {
  TSPI::CheckApi();
  Require(reinterpret_cast<const void*>(Entry().IsSupported), "IsSupported");
}

void TInSPI::CheckApi() const {
  TLoaderSPI::CheckApi();
  Require(reinterpret_cast<const void*>(Entry().GetPictureInfo), "GetPictureInfo");
  Require(reinterpret_cast<const void*>(Entry().GetPicture), "GetPicture");
}

void TAmSPI::CheckApi() const {
  TLoaderSPI::CheckApi();
  Require(reinterpret_cast<const void*>(Entry().GetArchiveInfo), "GetArchiveInfo");
  Require(reinterpret_cast<const void*>(Entry().GetFileInfo), "GetFileInfo");
  Require(reinterpret_cast<const void*>(Entry().GetFile), "GetFile");
}

std::unique_ptr<TSPI> LoadSPI(const PluginLibraryApi& api, const std::string& path) {
  PluginHandle handle = api.Open(path);
  if (handle == nullptr) throw ESPIFOpenErrorSPI(path + ":Susie Pluginがロードできませんでした");
  HandleGuard guard(api, handle);

  LoadedSPI loaded;
  loaded.api = &api;
  loaded.entry = LookUpEntryPoints(api, handle);
  if (loaded.entry.GetPluginInfo == nullptr) throw ESPIInvalidSPI(path + ":Susie Pluginがロードできませんでした");
  std::string module = api.ModulePath(handle);
  if (module.empty()) module = path;
  loaded.PluginPath = module.size() > kMaxPluginPath ? path : module;
  loaded.ApiVersion = ReadPluginInfo(loaded.entry.GetPluginInfo, 0);
  loaded.PluginName = ReadPluginInfo(loaded.entry.GetPluginInfo, 1);
  for (int pair = 0; pair < kMaxFilterPairs; ++pair) {
    std::string filter = ReadPluginInfo(loaded.entry.GetPluginInfo, 2 + 2 * pair);
    std::string format = ReadPluginInfo(loaded.entry.GetPluginInfo, 3 + 2 * pair);
    if (filter.empty() || format.empty()) break;
    loaded.FilterList.push_back(std::move(filter));
    loaded.FormatList.push_back(std::move(format));
  }

  // The class follows the API version; the object of that class takes over
  // the library the information was read through.
  const std::string version = loaded.ApiVersion;
  loaded.handle = guard.Release();
  if (version == "00IN") return std::make_unique<TInSPI>(std::move(loaded));
  if (version == "00AM") return std::make_unique<TAmSPI>(std::move(loaded));
  if (version == "00XN") return std::make_unique<TXnSPI>(std::move(loaded));
  return std::make_unique<TSPI>(std::move(loaded));
}

}  // namespace lumetta
