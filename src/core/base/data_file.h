#pragma once
// The program's own data files: text lines, read whole and written whole.
//
// Writing goes to a temporary file beside the target, which then replaces
// it, so that a failed write never leaves a half-written file.

#include <string>
#include <string_view>
#include <vector>

#include "core/base/exception.h"

namespace lumetta {

class EDataFile : public Exception {
 public:
  using Exception::Exception;
};

// The lines of a data file as UTF-8 (decoded from code page 932, or UTF-8
// after a byte-order mark); line ends CR LF, LF or CR. A final line end does
// not start another line. Throws EDataFile when the file cannot be read.
std::vector<std::string> ReadDataFileLines(std::string_view path);

// The raw bytes of a file, at most max_bytes of them. Throws EDataFile.
std::string ReadFileBytes(std::string_view path, std::size_t max_bytes = SIZE_MAX);

// Writes the lines, each ended by CR LF, encoded as one text (code page 932,
// or UTF-8 with a byte-order mark when a line needs it). Throws EDataFile;
// the old file is then unchanged.
void WriteDataFileLines(std::string_view path, const std::vector<std::string>& lines);

// The bytes WriteDataFileLines writes for the lines.
std::string DataFileBytes(const std::vector<std::string>& lines);

// Writes a data file that must be new, as WriteDataFileLines does; throws
// EDataFile when a file of that name exists (it stays as it was).
void CreateDataFile(std::string_view path, std::string_view bytes);

// Writes bytes to a temporary file beside path, flushes it to the medium
// (unless flush is off: files the program can make again) and renames it
// over path. Throws EDataFile; the old file is then unchanged and no
// temporary file is left.
void WriteFileAtomically(std::string_view path, std::string_view bytes, bool flush = true);

}  // namespace lumetta
