#pragma once
// Names of entries inside archives, and which files are archives.

#include <optional>
#include <string>
#include <string_view>

namespace lumetta {

// True for the archive files the program opens like folders: ".zip", ".7z",
// ".rar", ".tar", ".tar.gz", ".tgz", ".cbz" and ".cbr", in any case.
bool IsArchiveFileName(std::string_view name);

// The UTF-8 text of an entry name: as it is when it is valid UTF-8, else
// read as code page 932 (the names of Japanese archives).
std::string DecodeEntryName(std::string_view bytes);

// An entry name the program may use: relative, "/" between components, no
// "." or empty components, a trailing "/" kept for a folder. Nothing for a
// name that could reach outside the archive's own tree: one with "..", a
// leading "/", a "\", a drive letter or a NUL.
std::optional<std::string> SafeEntryName(std::string_view name);

// The folder part of an entry name up to and including its last "/" ("" at
// the archive's root), and the rest.
std::string_view EntryFolderOf(std::string_view name);
std::string_view EntryBaseOf(std::string_view name);

// An extension the program may put on a file it names itself: the name's
// last extension with its dot when it is made of 1 to 10 ASCII letters and
// digits, else "".
std::string SafeExtensionOf(std::string_view name);

}  // namespace lumetta
