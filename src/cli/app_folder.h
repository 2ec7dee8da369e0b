#pragma once
// Where lumetta-cli finds the program's own folder (its settings and its
// thumbnail cache), as the program itself would choose it.

#include <string>

namespace lumetta::cli {

// The folder as an absolute path without a trailing separator.
std::string AbsoluteFolder(const std::string& folder);

// The program's folder: option when given (--app-folder), else the
// executable's folder when it is writable, else $XDG_DATA_HOME/lumetta.
std::string AppFolderOf(const std::string& option);

}  // namespace lumetta::cli
