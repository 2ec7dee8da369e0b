#include "core/app/startup.h"

#include <filesystem>
#include <system_error>

#include "core/base/data_file.h"
#include "core/base/paths.h"
#include "core/state/settings_file.h"

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

  state.PhotoExtensions.clear();
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
