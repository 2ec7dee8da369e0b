#pragma once
// "「ファイル日付」フォルダへ振り分け": moving every photo and movie of the
// selected folder into sub-folders named after each file's date
// ("YY-MMDD"), with their cached thumbnails and edited-photo files.

namespace lumetta {

struct AppState;
class UserInterface;

// The command, when the window is ready: refused inside an archive and
// explained without a selected photo-folder slot; asks first; runs the
// transfer engine with moving and all three transfer options on, the user's
// options coming back afterwards however the run ends; then selects the
// date folder of the oldest moved photo.
void MakeFolderMenuClick(AppState& state, UserInterface& ui);

}  // namespace lumetta
