#pragma once
// The save command of the shown photo ("保存", the menu items
// "Lumetta形式（.lum）で保存 ［Ｆ6］" and the F6 key), and the rename of a shown
// edited-photo file to another number.

namespace lumetta {

struct AppState;
class UserInterface;

// Where the command came from: each says what cannot be done in its own
// words.
enum class SaveCommandSource { Button, Menu, Key };

// Checks that the photo on show can be saved as an edited-photo file and
// runs the save dialog; the export is opened instead (or after a message)
// in panorama mode and for a photo inside an archive, and when the dialog
// hands over to it.
void SaveAsEditedPhoto(AppState& state, UserInterface& ui, SaveCommandSource source);

// Runs the rename dialog for the edited-photo file on show. True when the
// user asked to rename the source photo instead ("元画像のリネームは、このボタン").
bool RenameEditedPhoto(AppState& state, UserInterface& ui);

}  // namespace lumetta
