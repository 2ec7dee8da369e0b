#include "core/archive/archive_reader.h"

#include <archive.h>
#include <archive_entry.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/archive/entry_names.h"
#include "platform/utf8_text_scope.h"

namespace lumetta {

namespace {

constexpr std::size_t kReadBlockBytes = 1 << 16;

std::string ErrorText(archive* a, std::string_view what) {
  const char* detail = a != nullptr ? archive_error_string(a) : nullptr;
  std::string text(what);
  if (detail != nullptr) text += std::string(": ") + detail;
  return text;
}

void Check(archive* a, int result, std::string_view what) {
  if (result != ARCHIVE_OK) throw EArchive(ErrorText(a, what));
}

// Only the formats the program browses: readers such as mtree, which open
// files named inside the archive, are never enabled, and no filter that
// starts an outside program.
void EnableFormats(archive* a) {
  Check(a, archive_read_support_format_zip(a), "zip");
  Check(a, archive_read_support_format_7zip(a), "7z");
  Check(a, archive_read_support_format_rar(a), "rar");
  Check(a, archive_read_support_format_rar5(a), "rar5");
  Check(a, archive_read_support_format_tar(a), "tar");
  Check(a, archive_read_support_filter_none(a), "filter");
  Check(a, archive_read_support_filter_gzip(a), "gzip");
  // ZIP and RAR names without the archive's UTF-8 mark are code page 932;
  // marked ones are UTF-8 either way.
  Check(a, archive_read_set_options(a, "zip:hdrcharset=CP932,rar:hdrcharset=CP932"), "charset");
}

EntryKind KindOf(archive_entry* entry, std::string_view name) {
  if (archive_entry_hardlink(entry) != nullptr || archive_entry_symlink(entry) != nullptr) return EntryKind::Other;
  switch (archive_entry_filetype(entry)) {
    case AE_IFREG:
      return name.back() == '/' ? EntryKind::Folder : EntryKind::File;
    case AE_IFDIR:
      return EntryKind::Folder;
    case 0:
      return name.back() == '/' ? EntryKind::Folder : EntryKind::Other;
    default:
      return EntryKind::Other;
  }
}

}  // namespace

// Names are converted while headers are read; each call that reads them
// holds the thread's text as UTF-8 for its own length only, so that a reader
// kept open leaves the thread's locale alone in between.
struct ArchiveReader::Impl {
  ~Impl() {
    if (handle != nullptr) archive_read_free(handle);
  }
  archive* handle = nullptr;
  std::size_t entries = 0;
  bool data_read = false;
};

ArchiveReader::ArchiveReader(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
ArchiveReader::~ArchiveReader() = default;

std::unique_ptr<ArchiveReader> ArchiveReader::OpenFile(const std::string& path) {
  const platform::Utf8TextScope utf8;
  auto impl = std::make_unique<Impl>();
  impl->handle = archive_read_new();
  if (impl->handle == nullptr) throw EArchive("archive reader not created");
  EnableFormats(impl->handle);
  Check(impl->handle, archive_read_open_filename(impl->handle, path.c_str(), kReadBlockBytes), "open");
  return std::unique_ptr<ArchiveReader>(new ArchiveReader(std::move(impl)));
}

std::unique_ptr<ArchiveReader> ArchiveReader::OpenMemory(const void* data, std::size_t size) {
  const platform::Utf8TextScope utf8;
  auto impl = std::make_unique<Impl>();
  impl->handle = archive_read_new();
  if (impl->handle == nullptr) throw EArchive("archive reader not created");
  EnableFormats(impl->handle);
  Check(impl->handle, archive_read_open_memory(impl->handle, data, size), "open");
  return std::unique_ptr<ArchiveReader>(new ArchiveReader(std::move(impl)));
}

std::optional<ArchiveEntry> ArchiveReader::Next() {
  const platform::Utf8TextScope utf8;
  archive* a = impl_->handle;
  archive_entry* entry = nullptr;
  const int result = archive_read_next_header(a, &entry);
  if (result == ARCHIVE_EOF) return std::nullopt;
  // A warning is a name that did not convert; the entry is still there.
  if ((result != ARCHIVE_OK && result != ARCHIVE_WARN) || entry == nullptr) throw EArchive(ErrorText(a, "header"));
  if (++impl_->entries > kMaxArchiveEntries) throw EArchive("too many entries");
  impl_->data_read = false;

  ArchiveEntry out;
  const char* raw = archive_entry_pathname(entry);
  if (raw == nullptr) raw = archive_entry_pathname_utf8(entry);
  if (raw == nullptr) return out;
  const std::optional<std::string> name = SafeEntryName(DecodeEntryName(raw));
  if (!name) return out;
  out.Kind = KindOf(entry, *name);
  if (out.Kind == EntryKind::Other) return out;
  out.Name = *name;
  if (out.Kind == EntryKind::Folder && out.Name.back() != '/') out.Name += '/';
  if (archive_entry_size_is_set(entry) != 0 && archive_entry_size(entry) >= 0) {
    out.Size = static_cast<std::uint64_t>(archive_entry_size(entry));
  }
  return out;
}

void ArchiveReader::ReadData(const DataSink& sink, std::uint64_t limit) {
  archive* a = impl_->handle;
  if (impl_->data_read) throw EArchive("data read twice");
  impl_->data_read = true;
  std::uint64_t written = 0;
  const std::vector<char> zeros(kReadBlockBytes, '\0');
  for (;;) {
    const void* block = nullptr;
    std::size_t size = 0;
    la_int64_t offset = 0;
    const int result = archive_read_data_block(a, &block, &size, &offset);
    if (result == ARCHIVE_EOF) return;
    if (result != ARCHIVE_OK) throw EArchive(ErrorText(a, "data"));
    if (offset < 0 || static_cast<std::uint64_t>(offset) < written) throw EArchive("data out of order");
    // A sparse entry leaves holes between its blocks.
    const std::uint64_t end = static_cast<std::uint64_t>(offset) + size;
    if (end > limit || end < written) throw EArchive("entry over the size limit");
    while (written < static_cast<std::uint64_t>(offset)) {
      const std::size_t gap =
          static_cast<std::size_t>(std::min<std::uint64_t>(zeros.size(), static_cast<std::uint64_t>(offset) - written));
      sink(zeros.data(), gap);
      written += gap;
    }
    if (size > 0) sink(static_cast<const char*>(block), size);
    written = end;
  }
}

}  // namespace lumetta
