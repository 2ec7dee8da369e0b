#pragma once
// Reading archives (ZIP, 7z, RAR, tar and its compressed forms) entry by
// entry through libarchive. Every result of the library is checked: a file
// that is no such archive, a damaged one and one with more entries than the
// limit throw EArchive. Names come decoded and checked (entry_names.h); an
// entry whose name could reach outside the archive's tree is never handed
// out, and links are reported as such, never followed.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "core/archive/archive_error.h"

namespace lumetta {

enum class EntryKind {
  File,    // a regular file with data
  Folder,  // a folder entry (its name ends with "/")
  Other,   // a link, a device, or a name the program does not use
};

struct ArchiveEntry {
  std::string Name;  // safe, with "/" between components; "" for Other entries with unsafe names
  EntryKind Kind = EntryKind::Other;
  std::optional<std::uint64_t> Size;  // the uncompressed size when the archive tells it
};

class ArchiveReader {
 public:
  // Opens an archive file (a UTF-8 path) or bytes in memory that outlive the
  // reader. Throws EArchive when it cannot be opened as an archive.
  static std::unique_ptr<ArchiveReader> OpenFile(const std::string& path);
  static std::unique_ptr<ArchiveReader> OpenMemory(const void* data, std::size_t size);
  ~ArchiveReader();
  ArchiveReader(const ArchiveReader&) = delete;
  ArchiveReader& operator=(const ArchiveReader&) = delete;

  // The next entry, or nothing at the end. Throws EArchive for a damaged
  // archive and after kMaxArchiveEntries entries.
  std::optional<ArchiveEntry> Next();

  // Hands the current entry's data to sink piece by piece. Throws EArchive
  // when the data is damaged, encrypted, or longer than limit bytes (so a
  // bomb stops at the limit whatever its header claims).
  using DataSink = std::function<void(const char* bytes, std::size_t size)>;
  void ReadData(const DataSink& sink, std::uint64_t limit);

 private:
  struct Impl;
  explicit ArchiveReader(std::unique_ptr<Impl> impl);
  std::unique_ptr<Impl> impl_;
};

}  // namespace lumetta
