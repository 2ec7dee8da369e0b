#pragma once
// Start-up of the program: its data folders, the settings file, the state
// before the main window is shown.

#include <string>

#include "core/state/app_state.h"
#include "core/state/settings_file.h"
#include "core/state/user_interface.h"

namespace lumetta {

struct StartupEnvironment {
  std::string ExecutableFolder;
  // $XDG_DATA_HOME/lumetta: the program's folder when the executable's
  // folder cannot be written.
  std::string UserDataFolder;
  // The last resort when neither can hold the data folders.
  std::string ScratchDataFolder;
  SpecialFolders Special;
  CalendarDate Today;
  std::int32_t ScreenWidth = 1024;
  std::int32_t ScreenHeight = 768;
  // The main window's outer size in its design (the 800 layout).
  std::int32_t WindowWidth = 1024;
  std::int32_t WindowHeight = 719;
  std::string CommandLinePhoto;
};

// AppFolder: the executable's folder when it is writable, else the user data
// folder (created when missing).
std::string ChooseAppFolder(const StartupEnvironment& env);

// The main window's creation steps: folders, data folders, settings (read, or
// the first-run defaults written at once), the cleared photo list and slots.
// A data folder or settings file that cannot be made is reported through ui,
// and the program goes on with the fallback folder or in-memory defaults.
void CreateMainState(AppState& state, const StartupEnvironment& env, UserInterface& ui);

// The documents that come with the program (the help texts in "Lumdat",
// the manual, the home page), for an app folder that is not the program's
// own folder (an installed program the user cannot write to): copied there
// when missing or older than the program's, so the help menu finds them in
// the app folder. Failures leave the help texts missing, nothing more.
void ShareProgramDocuments(const std::string& program_folder, const std::string& app_folder);

// The first-run window position: centred on the screen from the design size.
void CentreWindowPosition(Settings& settings, const StartupEnvironment& env);

// Keeps a window rectangle on a screen: left at most screen width - width and
// at least 0, top at most screen height - height and at least -4.
void KeepOnScreen(std::int32_t& left, std::int32_t& top, std::int32_t width, std::int32_t height,
                  std::int32_t screen_width, std::int32_t screen_height);

}  // namespace lumetta
