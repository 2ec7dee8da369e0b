#include "core/library/date_keys.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <optional>
#include <system_error>

#include "core/base/binary_file.h"
#include "core/base/paths.h"
#include "core/imaging/exif_segment.h"
#include "core/imaging/tiff_directory.h"
#include "core/records/edited_names.h"

namespace lumetta {

namespace {

constexpr std::uint16_t kExifIfdPointer = 0x8769;
constexpr std::uint16_t kDateTimeOriginal = 0x9003;

enum class ExifContainer { None, Jpeg, Tiff };

ExifContainer ContainerOf(std::string_view extension) {
  if (extension == ".jpg" || extension == ".jpe" || extension == ".jpeg") return ExifContainer::Jpeg;
  if (extension == ".tif" || extension == ".tiff") return ExifContainer::Tiff;
  return ExifContainer::None;
}

// Every read is checked: a file too short for any step throws EBinaryRead,
// which the callers turn into NoExifDate.
template <typename Source>
std::string ReadExifDate(Source& source, ExifContainer container) {
  std::uint64_t base = 0;
  if (container == ExifContainer::Jpeg) {
    const std::optional<ExifSegment> segment = FindExifSegment(source);
    if (!segment) return std::string(NoExifDate);
    base = segment->Base();
  }
  const ByteOrder order = tiff::OrderOf(source, base);

  std::uint8_t entry[12];
  std::uint8_t count_bytes[2];
  const std::uint64_t ifd0 = base + tiff::FirstDirectoryOffset(source, order, base);
  source.ReadAt(ifd0, count_bytes, 2);
  const std::uint16_t ifd0_count = GetU16(count_bytes, order);
  bool exif_found = false;
  std::uint64_t exif_ifd = 0;
  for (std::uint32_t k = 0; k < ifd0_count; ++k) {
    source.ReadAt(ifd0 + 2 + 12 * std::uint64_t{k}, entry, sizeof entry);
    if (GetU16(entry, order) == kExifIfdPointer && GetU32(entry + 4, order) == 1) {
      exif_ifd = GetU32(entry + 8, order);
      exif_found = true;
    }
  }
  if (!exif_found) return std::string(NoExifDate);

  std::string key(NoExifDate);
  source.ReadAt(base + exif_ifd, count_bytes, 2);
  const std::uint16_t exif_count = GetU16(count_bytes, order);
  for (std::uint32_t m = 0; m < exif_count; ++m) {
    source.ReadAt(base + exif_ifd + 2 + 12 * std::uint64_t{m}, entry, sizeof entry);
    if (GetU16(entry, order) != kDateTimeOriginal) continue;
    // "YYYY:MM:DD HH:MM:SS"; neither the entry's type nor its count is
    // trusted, and a later entry wins.
    char text[19];
    source.ReadAt(base + GetU32(entry + 8, order), text, sizeof text);
    key.assign(text, 4);
    key.append(text + 5, 2);
    key.append(text + 8, 2);
    key.append(text + 11, 2);
    key.append(text + 14, 2);
    key.append(text + 17, 2);
  }
  return key;
}

}  // namespace

std::string FileDateKey(std::string_view path) {
  std::error_code ec;
  const auto written = std::filesystem::last_write_time(ToFsPath(path), ec);
  if (ec) return std::string(NoFileDate);
  const auto since_epoch = std::chrono::floor<std::chrono::seconds>(std::chrono::file_clock::to_sys(written));
  const std::time_t seconds = std::chrono::system_clock::to_time_t(since_epoch);
  // std::localtime shares one buffer; the program reads file times on the
  // user-interface thread only.
  const std::tm* local = std::localtime(&seconds);
  if (local == nullptr) return std::string(NoFileDate);
  const int year = local->tm_year + 1900;
  if (year < 0 || year > 9999) return std::string(NoFileDate);
  char key[80];
  std::snprintf(key, sizeof key, "%04d%02d%02d%02d%02d%02d", year, local->tm_mon + 1, local->tm_mday, local->tm_hour,
                local->tm_min, local->tm_sec);
  return std::string(key, 14);
}

std::string ExifDateKey(std::string_view path) { return ExifDateKey(path, nullptr); }

std::string ExifDateKey(std::string_view path, const FolderIndex* folder) {
  std::string photo(path);
  if (IsEditedPhotoName(photo)) photo = folder != nullptr ? SourcePhotoName(photo, *folder) : SourcePhotoName(photo);
  const ExifContainer container = ContainerOf(CompareExtension(photo));
  if (container == ExifContainer::None) return std::string(NoExifDate);
  try {
    BinaryFile file(photo);
    return ReadExifDate(file, container);
  } catch (const EBinaryRead&) {
    return std::string(NoExifDate);
  }
}

std::string ExifDateKeyOfBytes(const unsigned char* data, std::size_t size, std::string_view extension) {
  const ExifContainer container = ContainerOf(extension);
  if (container == ExifContainer::None) return std::string(NoExifDate);
  try {
    MemoryBytes bytes(data, size);
    return ReadExifDate(bytes, container);
  } catch (const EBinaryRead&) {
    return std::string(NoExifDate);
  }
}

}  // namespace lumetta
