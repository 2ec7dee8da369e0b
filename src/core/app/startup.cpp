#include "core/app/startup.h"

#include <filesystem>
#include <system_error>

#include "core/base/data_file.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/state/settings_file.h"
#include "core/view/size_modes.h"

namespace lumetta {

namespace {

bool TryCreateFolder(const std::string& folder) {
  std::error_code ec;
  std::filesystem::create_directories(ToFsPath(folder), ec);
  return IsWritableFolder(folder);
}

}  // namespace

std::string ChooseAppFolder(const StartupEnvironment& env) {
  if (IsWritableFolder(env.ExecutableFolder)) return WithoutTrailingSeparator(env.ExecutableFolder);
  return WithoutTrailingSeparator(env.UserDataFolder);
}

void ShareProgramDocuments(const std::string& program_folder, const std::string& app_folder) {
  if (program_folder.empty() || SameNameIgnoringCase(WithoutTrailingSeparator(program_folder), app_folder)) return;
  namespace fs = std::filesystem;
  const fs::path from = ToFsPath(program_folder);
  const fs::path to = ToFsPath(app_folder);
  std::error_code ec;
  for (const char* name : {"Lumdat", "Manual"}) {
    if (!fs::is_directory(from / name, ec)) continue;
    fs::create_directories(to / name, ec);
    for (auto it = fs::recursive_directory_iterator(from / name, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
      const fs::path target = to / fs::relative(it->path(), from, ec);
      if (ec) break;
      if (it->is_directory(ec)) {
        fs::create_directories(target, ec);
      } else if (it->is_regular_file(ec)) {
        fs::copy_file(it->path(), target, fs::copy_options::update_existing, ec);
      }
      ec.clear();
    }
    ec.clear();
  }
  if (fs::is_regular_file(from / "Homepage.html", ec)) {
    fs::copy_file(from / "Homepage.html", to / "Homepage.html", fs::copy_options::update_existing, ec);
  }
}

void CentreWindowPosition(Settings& settings, const StartupEnvironment& env) {
  settings.WindowLeft = env.ScreenWidth / 2 - (env.WindowWidth + 1) / 2;
  settings.WindowTop = (env.ScreenHeight - 24) / 2 - (env.WindowHeight + 1) / 2;
}

void CreateMainState(AppState& state, const StartupEnvironment& env, UserInterface& ui) {
  state.CommandLinePhoto = env.CommandLinePhoto;
  state.Today = env.Today;

  std::string app_folder = ChooseAppFolder(env);
  bool folders_ok = TryCreateFolder(app_folder);
  if (folders_ok) {
    try {
      CreateDataFolders(MakeAppFolders(app_folder, env.Special));
    } catch (const EAppFolder&) {
      folders_ok = false;
    }
  }
  if (!folders_ok) {
    const std::string failed = app_folder;
    app_folder = WithoutTrailingSeparator(env.ScratchDataFolder);
    TryCreateFolder(app_folder);
    ui.ShowMessageBox({"データ用のフォルダを作成できませんでした。", failed,
                       "一時的なフォルダを代わりに使います。", app_folder});
    try {
      CreateDataFolders(MakeAppFolders(app_folder, env.Special));
    } catch (const EAppFolder&) {
      // Nothing more to fall back on: the program still runs, without a
      // thumbnail cache or scratch space that survives.
    }
  }
  state.folders = MakeAppFolders(app_folder, env.Special);

  // The first-run values, which also stand in for every line of the file
  // that cannot be read.
  Settings defaults;
  CentreWindowPosition(defaults, env);
  defaults.SlotFolder[1] = DefaultSlotFolder(state.folders);
  const std::string settings_file = state.folders.SettingsFile();
  if (IsRegularFile(settings_file)) {
    try {
      state.settings = LoadSettings(settings_file, defaults);
    } catch (const EDataFile&) {
      state.settings = defaults;
    }
  } else {
    state.FirstRun = true;
    state.settings = defaults;
    WriteSettingsFile(state, ui);
  }
  ShareProgramDocuments(env.ExecutableFolder, app_folder);
  // A damaged size must never reach the view's allocation.
  RepairSizeSettings(state.settings);

  state.PhotoExtensions.clear();
  // The archive layer is part of the program.
  state.ZipAvailable = true;
  state.photos.PhotoCount = 0;
  state.current = PhotoRecord{};
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    state.SlotLastFolder[n] = state.settings.SlotFolder[n];
    state.SlotStripPos[n] = 1;
  }
  state.OpenFolder.clear();
  state.FullScreenActive = false;
  state.SlideShowActive = false;
  state.PanoramaMode = PanoramaKind::None;
  state.EditsDirty = false;
}

void KeepOnScreen(std::int32_t& left, std::int32_t& top, std::int32_t width, std::int32_t height,
                  std::int32_t screen_width, std::int32_t screen_height) {
  if (screen_width < left + width) left = screen_width - width;
  if (screen_height < top + height) top = screen_height - height;
  if (left < 0) left = 0;
  if (top < -4) top = -4;
}

}  // namespace lumetta
