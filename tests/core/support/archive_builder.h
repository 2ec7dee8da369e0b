#pragma once
// Archives written for tests through libarchive's own writers: ZIP (with
// UTF-8 or code page 932 names), 7z, tar and gzip-compressed tar, holding
// files, folders and links under any name, hostile ones included.

#include <archive.h>
#include <archive_entry.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "platform/utf8_text_scope.h"
#include "temp_dir.h"

namespace lumetta::testing_support {

enum class ArchiveFormat { Zip, ZipCp932, SevenZip, Tar, TarGz };

struct ArchiveItem {
  enum Type { File, Folder, Link };
  std::string name;  // UTF-8, written as it stands (no checks)
  std::string data;  // a file's bytes, or a link's target
  Type type = File;
};

inline ArchiveItem FileItem(std::string name, std::string data) { return {std::move(name), std::move(data)}; }
inline ArchiveItem FolderItem(std::string name) { return {std::move(name), "", ArchiveItem::Folder}; }
inline ArchiveItem LinkItem(std::string name, std::string target) {
  return {std::move(name), std::move(target), ArchiveItem::Link};
}

// Writes the items to path in the format; a test fails on any writer error.
// A file of more than data's size repeats data (for large entries without
// holding them in memory): repeat times.
inline void WriteArchive(const std::string& path, ArchiveFormat format, const std::vector<ArchiveItem>& items,
                         std::size_t repeat = 1) {
  const platform::Utf8TextScope utf8;
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  archive* a = archive_write_new();
  ASSERT_NE(a, nullptr);
  switch (format) {
    case ArchiveFormat::Zip:
      ASSERT_EQ(archive_write_set_format_zip(a), ARCHIVE_OK);
      ASSERT_EQ(archive_write_set_options(a, "zip:hdrcharset=UTF-8,zip:compression-level=1"), ARCHIVE_OK);
      break;
    case ArchiveFormat::ZipCp932:
      ASSERT_EQ(archive_write_set_format_zip(a), ARCHIVE_OK);
      ASSERT_EQ(archive_write_set_options(a, "zip:hdrcharset=CP932"), ARCHIVE_OK);
      break;
    case ArchiveFormat::SevenZip:
      ASSERT_EQ(archive_write_set_format_7zip(a), ARCHIVE_OK);
      break;
    case ArchiveFormat::Tar:
      ASSERT_EQ(archive_write_set_format_pax_restricted(a), ARCHIVE_OK);
      break;
    case ArchiveFormat::TarGz:
      ASSERT_EQ(archive_write_set_format_pax_restricted(a), ARCHIVE_OK);
      ASSERT_EQ(archive_write_add_filter_gzip(a), ARCHIVE_OK);
      break;
  }
  ASSERT_EQ(archive_write_open_filename(a, path.c_str()), ARCHIVE_OK) << archive_error_string(a);
  for (const ArchiveItem& item : items) {
    archive_entry* e = archive_entry_new();
    archive_entry_set_pathname_utf8(e, item.name.c_str());
    archive_entry_set_mtime(e, 1700000000, 0);
    switch (item.type) {
      case ArchiveItem::File:
        archive_entry_set_filetype(e, AE_IFREG);
        archive_entry_set_perm(e, 0644);
        archive_entry_set_size(e, static_cast<la_int64_t>(item.data.size() * repeat));
        break;
      case ArchiveItem::Folder:
        archive_entry_set_filetype(e, AE_IFDIR);
        archive_entry_set_perm(e, 0755);
        break;
      case ArchiveItem::Link:
        archive_entry_set_filetype(e, AE_IFLNK);
        archive_entry_set_perm(e, 0777);
        archive_entry_set_symlink_utf8(e, item.data.c_str());
        break;
    }
    ASSERT_EQ(archive_write_header(a, e), ARCHIVE_OK) << item.name << ": " << archive_error_string(a);
    if (item.type == ArchiveItem::File) {
      for (std::size_t k = 0; k < repeat; ++k) {
        ASSERT_EQ(archive_write_data(a, item.data.data(), item.data.size()), static_cast<la_ssize_t>(item.data.size()));
      }
    }
    archive_entry_free(e);
  }
  ASSERT_EQ(archive_write_close(a), ARCHIVE_OK) << archive_error_string(a);
  archive_write_free(a);
}

// A ZIP whose one entry "bomb.jpg" holds 600 MB of zeros in under 3 MB,
// made once per test run.
inline const std::string& BombZip() {
  static const TempDir dir;
  static const std::string path = [] {
    const std::string zip = dir / "bomb.zip";
    WriteArchive(zip, ArchiveFormat::Zip, {FileItem("bomb.jpg", std::string(std::size_t{1} << 20, '\0'))}, 600);
    return zip;
  }();
  return path;
}

}  // namespace lumetta::testing_support
