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

// The one-line message for a typed name with any of \ / : * ? " < > |: the
// old name's caption less its first two characters ("ファイル名",
// "お気に入り名") and "に「\/:*?"<>|」の文字は使用できません。"; none for
// a name without them.
std::vector<std::string> RenameFormRefusal(const RenameFormRequest& request, std::string_view typed);

}  // namespace lumetta
