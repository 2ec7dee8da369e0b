#pragma once
// The user's special folders and the folder the program keeps its data in.

#include <string>

#include "core/state/app_folders.h"

namespace lumetta::platform {

// Desktop, Documents and Pictures ("My Pictures") of the user.
SpecialFolders QuerySpecialFolders();

// The executable's folder.
std::string ExecutableFolder();

// Where the data folders go when the executable's folder cannot be written:
// $XDG_DATA_HOME/lumetta (or its platform equivalent).
std::string UserDataFolder();

// A last resort for a run whose data folders cannot be created anywhere: a
// folder of the user's own under the system's temporary folder, which nobody
// else can enter.
std::string ScratchDataFolder();

}  // namespace lumetta::platform
