#pragma once
// A folder that only the user can reach, for scratch data under a shared
// temporary folder.

#include <string>

namespace lumetta::platform {

// parent/name when that is (or can be made) a real folder of the user's own
// that nobody else may enter; otherwise a new, uniquely named private folder
// in parent. Empty when neither can be made.
std::string PrivateFolderIn(const std::string& parent, const std::string& name);

}  // namespace lumetta::platform
