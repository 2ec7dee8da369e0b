#pragma once
// What a transfer takes and where it puts it: the photo and movie files of a
// folder, their date folders ("YY-MMDD"), and the transfer options kept in
// the settings file.

#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

struct Settings;

// 1: camera to PC, 2: PC to camera, 3: sorting a folder into date folders.
enum class TransferDirection { CameraToPc = 1, PcToCamera = 2, DateFolders = 3 };

struct TransferOptions {
  bool ReadOnlyFiles = false;  // TransferLocked: copy write-protected ("locked") files too
  bool Movies = true;          // TransferMovies
  bool DateFolders = true;     // TransferDateFolders
  bool operator==(const TransferOptions&) const = default;
};

TransferOptions TransferOptionsOf(const Settings& settings);
void StoreTransferOptions(Settings& settings, const TransferOptions& options);

// Photos are ".jpg", ".jpe", ".bmp" and ".tif", movies ".mov", ".avi",
// ".mpg" and ".mpe", compared on the first four characters of the
// lower-cased extension (so ".jpeg", ".tiff" and ".mpeg" count as well).
bool IsTransferPhotoName(std::string_view name);
bool IsMovieName(std::string_view name);

// The plain files of a folder that a transfer takes (hidden and
// write-protected ones included, no sub-folders), listed once and sorted
// by name, so that a run has one order on every file system.
std::vector<std::string> ListTransferFiles(std::string_view folder, bool movies);

// A file whose owner may not write it: the camera's "locked" photos.
bool IsWriteProtected(std::string_view path);

// The date folder of a file: its modification date in local time as
// "YY-MMDD" (2001-06-28 gives "01-0628"), "00-0000" when it cannot be read.
std::string DateFolderName(std::string_view path);

}  // namespace lumetta
