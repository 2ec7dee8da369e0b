// lumetta-cli list FOLDER: the photo list of a folder as the strip shows it,
// left to right, one name per line.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "core/state/headless_ui.h"
#include "cli/archive_input.h"
#include "cli/command.h"
#include "cli/plugins.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_sort.h"

namespace lumetta::cli {
namespace {


SortKey SortModeArg(const std::string& text) {
  if (text.empty() || text == "name") return SortKey::Name;
  if (text == "time") return SortKey::FileTime;
  if (text == "exif") return SortKey::ExifDate;
  throw UsageError("--sort takes name, time or exif: " + text);
}

const RegisterCommand kList({
    "list",
    "FOLDER [--sort name|time|exif] [--desc]",
    "print a folder's photo list in the strip's order, one name per line",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string sort = args.TakeOption("--sort");
      const bool descending = args.TakeFlag("--desc");
      const std::vector<std::string> folders = args.Positional();
      if (folders.size() != 1) throw UsageError("give exactly one folder");
      const std::string folder = FolderArg(folders[0]);

      auto state = std::make_unique<AppState>();
      UseCliPlugins(*state);
      UseArchives(*state);
      state->settings.SortMode = SortModeArg(sort);
      state->settings.SortDirection = descending ? SortOrder::FromRight : SortOrder::FromLeft;
      state->CurrentFolder = folder;
      HeadlessUi ui(stderr);
      ScanFolder(*state, ui);
      for (std::int32_t i = 1; i <= state->photos.PhotoCount; ++i) {
        std::fprintf(stdout, "%s\n", state->photos[i].Name.c_str());
      }
      return 0;
    },
});

}  // namespace
}  // namespace lumetta::cli
