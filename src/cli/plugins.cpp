#include "cli/plugins.h"

#include "core/plugins/plugin_formats.h"
#include "platform/executable_path.h"
#include "platform/plugin_library.h"

namespace lumetta::cli {

const TSPIs& CliPlugins() {
  static TSPIs plugins(platform::NativePluginLibrary());
  static const bool searched = [] {
    plugins.SearchPlugins("*.spi", {platform::RunningExecutableFolder()});
    return true;
  }();
  static_cast<void>(searched);
  return plugins;
}

void UseCliPlugins(AppState& state) { RegisterPluginFormats(state, PluginFormatsOf(CliPlugins())); }

}  // namespace lumetta::cli
