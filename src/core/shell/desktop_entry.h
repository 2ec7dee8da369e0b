#pragma once
// Applications as the desktop describes them: ".desktop" files (the
// freedesktop Desktop Entry format), and the argument list that starts one
// with a photo. Programs start with an argument list, never with a command
// line built as text, so no name can be taken for shell syntax.

#include <string>
#include <string_view>
#include <vector>

#include "core/base/exception.h"

namespace lumetta {

class EDesktopEntry : public Exception {
 public:
  using Exception::Exception;
};

struct DesktopEntry {
  std::string Name;  // Name[ja] when the entry has it, else Name
  std::string Icon;
  std::string Exec;
};

// The [Desktop Entry] group of a ".desktop" file's text (UTF-8). Throws
// EDesktopEntry when the group or its Exec key is missing.
DesktopEntry ParseDesktopEntry(std::string_view text);

// Reads a ".desktop" file of at most 1 MB. Throws EDesktopEntry (and
// EDataFile when the file cannot be read).
DesktopEntry ReadDesktopEntry(std::string_view path);

// The arguments that start entry with file: Exec split by its quoting
// rules, %f %F %u %U replaced by file, %i by "--icon" and the icon, %c by
// the name, %% by "%", the other field codes dropped. An Exec without a file
// field code gets file as its last argument. Throws EDesktopEntry for an
// Exec with an unterminated quote or no program.
std::vector<std::string> ExecArguments(const DesktopEntry& entry, std::string_view file);

// The caption of an application in the menus: the entry's name for a
// ".desktop" file (its file name without extension when it cannot be
// read), the file name for a program.
std::string ApplicationCaption(std::string_view path);

}  // namespace lumetta
