#pragma once
// The rename dialog's rules, shared by renaming a photo file and renaming a
// favorite: the requests for both, and what the dialog refuses.

#include <string>
#include <string_view>
#include <vector>

#include "core/state/user_interface.h"

namespace lumetta {

// "表示中写真のファイル名を変更": a photo file's new name.
RenameFormRequest PhotoRenameRequest(std::string_view old_name);
// "お気に入り写真の「お気に入り名」を変更": a favorite's new name, without the
// extension note.
RenameFormRequest FavoriteRenameRequest(std::string_view old_name);

// The longest photo file name a rename takes: its edited-photo variants
// ("_JPG-001.lum" for ".JPG") and their cached thumbnails add 8 bytes, and
// every one of them must fit the 255 bytes a file system allows.
inline constexpr std::size_t kMaxPhotoNameBytes = 255 - 8;

// The one-line message for a typed name with any of \ / : * ? " < > |: the
// old name's caption less its first two characters ("ファイル名",
// "お気に入り名") and "に「\/:*?"<>|」の文字は使用できません。"; the
// two-line message for a name longer than the request allows; none for a
// name the dialog takes.
std::vector<std::string> RenameFormRefusal(const RenameFormRequest& request, std::string_view typed);

}  // namespace lumetta
