#pragma once
// Moving files to the user's trash (the recycle bin).

#include <string>

namespace lumetta::platform {

// Moves a file or folder to the trash, silently. False when it could not be.
bool MoveToTrash(const std::string& path);

}  // namespace lumetta::platform
