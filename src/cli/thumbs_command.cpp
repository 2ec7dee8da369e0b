// lumetta-cli thumbs FOLDER [-o OUTDIR]: the 80 x 60 thumbnails of a
// folder's photos, built as the strip builds them. With -o every photo's
// thumbnail is written to OUTDIR under its cache file name; without it the
// program's own cache is filled (a warm-up for large folders) when the
// folder lies in one of the photo-folder slots of the settings.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "core/state/headless_ui.h"
#include "cli/app_folder.h"
#include "cli/archive_input.h"
#include "cli/command.h"
#include "cli/plugins.h"
#include "platform/executable_path.h"
#include "core/state/app_folders.h"
#include "core/state/app_state.h"
#include "core/library/open_photo.h"
#include "core/state/settings.h"
#include "core/app/startup.h"
#include "core/state/user_interface.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/thumb_cache_path.h"
#include "core/library/thumbnail_builder.h"
#include "core/library/thumbnail_cache.h"

namespace lumetta::cli {
namespace {


struct Counts {
  int written = 0;
  int kept = 0;
  int small = 0;
  int unreadable = 0;
};

int WriteToFolder(AppState& state, const std::string& out_folder) {
  std::error_code ec;
  std::filesystem::create_directories(ToFsPath(out_folder), ec);
  if (!IsDirectory(out_folder)) throw FileError("cannot create " + out_folder);
  HeadlessUi ui(stderr);
  ScanFolder(state, ui);
  Counts counts;
  for (std::int32_t pos = 1; pos <= state.photos.PhotoCount; ++pos) {
    LoadThumbnail(state, ui, pos);
    const PhotoEntry& entry = state.photos[pos];
    const std::string path = JoinPath(out_folder, ThumbCacheFileName(entry.Name));
    if (!WriteThumbnailFile(*entry.Thumb, path)) throw FileError("cannot write " + path);
    ++counts.written;
    if (entry.Unreadable) {
      ++counts.unreadable;
      std::fprintf(stderr, "unreadable, written black: %s\n", entry.Name.c_str());
    }
  }
  std::printf("%d thumbnails written to %s (%d of unreadable photos)\n", counts.written, out_folder.c_str(),
              counts.unreadable);
  return 0;
}

int FillCache(AppState& state, const std::string& folder, const std::string& app_folder) {
  const std::string settings_file = JoinPath(app_folder, std::string(kSettingsFileName));
  if (!IsRegularFile(settings_file)) throw FileError("no settings file " + settings_file);
  state.settings = LoadSettings(settings_file);
  state.folders = MakeAppFolders(app_folder, {});
  const int slot = SlotOfFolder(state, folder);
  if (slot == 0) {
    throw FileError(folder + " lies in none of the photo-folder slots of " + settings_file +
                    "; nothing cached (use -o OUTDIR to write the thumbnails elsewhere)");
  }
  state.SlotIndex = slot;
  HeadlessUi ui(stderr);
  ScanFolder(state, ui);
  Counts counts;
  for (std::int32_t pos = 1; pos <= state.photos.PhotoCount; ++pos) {
    const std::string cache_path = ThumbCachePath(state, slot, folder, state.photos[pos].Name);
    const bool had = FindCacheFile(cache_path).has_value();
    LoadThumbnail(state, ui, pos);
    if (had) {
      ++counts.kept;
    } else if (state.photos[pos].Unreadable) {
      ++counts.unreadable;
      std::fprintf(stderr, "unreadable: %s\n", state.photos[pos].Name.c_str());
    } else if (FindCacheFile(cache_path)) {
      ++counts.written;
    } else {
      ++counts.small;
    }
  }
  std::printf("slot %d cache %s: %d built, %d already cached, %d small photos not cached, %d unreadable\n", slot,
              ResolvedThumbCacheFolder(state, slot, folder).c_str(), counts.written, counts.kept, counts.small,
              counts.unreadable);
  return 0;
}

const RegisterCommand kThumbs({
    "thumbs",
    "FOLDER [-o OUTDIR] [--app-folder DIR]",
    "build the 80 x 60 thumbnails of a folder's photos as the strip does: into OUTDIR, or into the program's "
    "cache when FOLDER lies in a photo-folder slot",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string out_folder = args.TakeOption("-o");
      const std::string app_folder_option = args.TakeOption("--app-folder");
      const std::vector<std::string> folders = args.Positional();
      if (folders.size() != 1) throw UsageError("give exactly one folder");
      const std::string folder = FolderArg(folders[0], app_folder_option);

      auto state = std::make_unique<AppState>();
      UseCliPlugins(*state);
      UseArchives(*state, app_folder_option);
      state->CurrentFolder = folder;
      const std::string app_folder = AppFolderOf(app_folder_option);
      if (!out_folder.empty()) {
        // The settings' global sharpness applies to edited photos that have
        // no level of their own, as in the strip.
        const std::string settings_file = JoinPath(app_folder, std::string(kSettingsFileName));
        if (IsRegularFile(settings_file)) state->settings.GlobalSharpness = LoadSettings(settings_file).GlobalSharpness;
        return WriteToFolder(*state, AbsoluteFolder(out_folder));
      }
      return FillCache(*state, folder, app_folder);
    },
});

}  // namespace
}  // namespace lumetta::cli
