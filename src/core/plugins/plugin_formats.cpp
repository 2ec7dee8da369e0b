#include "core/plugins/plugin_formats.h"

#include "core/base/names.h"
#include "core/base/text_codec.h"
#include "core/library/photo_extensions.h"
#include "core/plugins/spis.h"

namespace lumetta {

namespace {
constexpr std::size_t kExtensionChars = 5;
}  // namespace

PluginFormats PluginFormatsOf(const std::vector<std::vector<std::string>>& filter_lists) {
  PluginFormats formats;
  for (const auto& filters : filter_lists) {
    if (filters.empty()) continue;
    const std::string& first = filters.front();
    std::size_t start = 0;
    while (start <= first.size()) {
      std::size_t end = first.find(';', start);
      if (end == std::string::npos) end = first.size();
      const std::string_view item = std::string_view(first).substr(start, end - start);
      start = end + 1;
      if (item.empty()) continue;
      const std::string extension = FirstChars(LowerCase(item.substr(Utf8CharLength(item, 0))), kExtensionChars);
      if (extension.empty()) continue;
      if (extension == ".jpg") formats.JpegByPlugin = true;
      if (extension == ".bmp") formats.BmpByPlugin = true;
      if (extension == ".tif") formats.TiffByPlugin = true;
      formats.Extensions.push_back(extension);
    }
  }
  return formats;
}

PluginFormats PluginFormatsOf(const TSPIs& plugins) {
  std::vector<std::vector<std::string>> filter_lists;
  for (int i = 0; i < plugins.Count(); ++i) filter_lists.push_back(plugins.Plugin(i).FilterList());
  return PluginFormatsOf(filter_lists);
}

void RegisterPluginFormats(AppState& state, const PluginFormats& formats) {
  std::vector<std::string> table = BuiltInPhotoExtensions();
  for (const std::string& extension : formats.Extensions) {
    if (table.size() >= MaxPhotoExtensions) break;
    table.push_back(extension);
  }
  state.PhotoExtensions = std::move(table);
  state.JpegByPlugin = formats.JpegByPlugin;
  state.BmpByPlugin = formats.BmpByPlugin;
  state.TiffByPlugin = formats.TiffByPlugin;
}

}  // namespace lumetta
