#pragma once
// Opening a photo named by its path (the command line, a favorite, a source
// photo located by the user): its folder becomes the current folder, inside
// the photo-folder slot that holds it when there is one.

#include <string_view>

namespace lumetta {

struct AppState;
class UserInterface;

// Scans the photo's folder and shows the photo, or its default edited-photo
// file when that stands for it in the list. A photo not in the list (gone,
// or not of a photo type): the message "が見つかりませんでした。" and the folder
// stays open with no photo shown.
void OpenPhotoByPath(AppState& state, UserInterface& ui, std::string_view path);

// The first slot 1..3 whose root begins folder, compared ignoring case and
// without a separator check (a root /p/Photo also claims /p/Photos2); 0 when
// none does.
int SlotOfFolder(const AppState& state, std::string_view folder);

}  // namespace lumetta
