#pragma once
// The commands of the main window that belong to no feature: the help
// texts, the documents beside the program, the version box, and opening the
// photo on show in other programs.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct AppState;
class UserInterface;

enum class HelpTopic { FirstUse, Keyboard, Cautions, Notes };

struct HelpText {
  std::string Title;  // shown above the text
  std::string File;   // under the program's folder
};

const HelpText& HelpTextOf(HelpTopic topic);

// Shows a help text in the help window. The first-use text only brings the
// window to the front when it already shows that text. Throws EDataFile
// when the text cannot be read.
void ShowHelpText(AppState& state, UserInterface& ui, HelpTopic topic);

// The manual and the home page, opened with the desktop's handler.
void ManualMenuClick(AppState& state, UserInterface& ui);
void HomePageMenuClick(AppState& state, UserInterface& ui);

const std::vector<std::string>& VersionLines();
void VerMnuClick(UserInterface& ui);

// The photo on show in a new window of the program (after the settings are
// saved, so that it starts with them).
void NewOpenMenuClick(AppState& state, UserInterface& ui);

// The name of the file to hand to another program for the photo on show at
// path: the photo itself, or for an edited-photo file its source photo
// after the user agrees; empty when there is nothing to hand over (the
// user's message has been shown).
std::string PrepareExternalOpen(UserInterface& ui, std::string_view path);

// The photo on show opened by the desktop's default program for it.
void IEOpenMenuClick(AppState& state, UserInterface& ui);

// The photo on show opened with configured application n (1..3); the
// settings dialog first when it is not set.
void OpenWithApp(AppState& state, UserInterface& ui, std::int32_t n);

// The caption of application n's menu items.
std::string AppMenuCaption(const AppState& state, std::int32_t n);

// The application settings dialog: on "決定" the paths are kept and saved.
void AppSetMenuClick(AppState& state, UserInterface& ui);

}  // namespace lumetta
