#include "core/archive/archive_session.h"

#include <algorithm>
#include <fstream>
#include <random>
#include <system_error>
#include <utility>

#include "core/archive/entry_names.h"
#include "core/base/folder_cleanup.h"
#include "core/base/paths.h"

namespace lumetta {

namespace fs = std::filesystem;

namespace {

constexpr std::size_t kKeptListings = 16;
constexpr int kScratchAttempts = 16;

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

std::string RandomHex() {
  std::random_device device;
  const std::uint64_t value = (std::uint64_t{device()} << 32) ^ device();
  static constexpr char kDigits[] = "0123456789abcdef";
  std::string hex;
  for (int shift = 60; shift >= 0; shift -= 4) hex += kDigits[(value >> shift) & 0xF];
  return hex;
}

// Copies the named file entry of an open archive into target. The partial
// file of a failed copy is removed.
ExtractOutcome CopyEntry(ArchiveReader& reader, std::string_view entry, const std::string& target,
                         std::uint64_t limit) {
  for (;;) {
    const std::optional<ArchiveEntry> next = reader.Next();
    if (!next) return ExtractOutcome::NotFound;
    if (next->Kind != EntryKind::File || next->Name != entry) continue;
    // A header that owns up to a bomb is refused before anything is written.
    if (next->Size && *next->Size > limit) throw EArchive("entry over the size limit");
    std::ofstream out(ToFsPath(target), std::ios::binary | std::ios::trunc);
    if (!out) return ExtractOutcome::NotWritten;
    bool written = true;
    try {
      reader.ReadData(
          [&](const char* bytes, std::size_t size) {
            if (written) written = static_cast<bool>(out.write(bytes, static_cast<std::streamsize>(size)));
          },
          limit);
      out.close();
      written = written && !out.fail();
    } catch (const EArchive&) {
      out.close();
      std::error_code ec;
      fs::remove(ToFsPath(target), ec);
      throw;
    }
    if (!written) {
      std::error_code ec;
      fs::remove(ToFsPath(target), ec);
      return ExtractOutcome::NotWritten;
    }
    return ExtractOutcome::Extracted;
  }
}

}  // namespace

ArchiveSession::ArchiveSession(std::string temp_folder) : temp_folder_(std::move(temp_folder)) {}

ArchiveSession::~ArchiveSession() { End(); }

ArchiveSession& ArchiveSession::In(const std::string& temp_folder) {
  static std::mutex mutex;
  static std::map<std::string, std::unique_ptr<ArchiveSession>> sessions;
  const std::lock_guard lock(mutex);
  std::unique_ptr<ArchiveSession>& session = sessions[temp_folder];
  if (!session) session = std::make_unique<ArchiveSession>(temp_folder);
  return *session;
}

ArchiveSession::FileStamp ArchiveSession::StampOf(const std::string& file) {
  std::error_code ec;
  FileStamp stamp;
  stamp.Size = fs::file_size(ToFsPath(file), ec);
  if (!ec) stamp.Time = fs::last_write_time(ToFsPath(file), ec);
  if (ec) throw EArchive("cannot read " + file);
  return stamp;
}

const std::string& ArchiveSession::ScratchLocked() {
  if (!scratch_.empty()) return scratch_;
  // Without the program's temporary folder there is nowhere safe to write.
  if (temp_folder_.empty()) throw EArchive("no temporary folder");
  std::error_code ec;
  fs::create_directories(ToFsPath(temp_folder_), ec);
  for (int attempt = 0; attempt < kScratchAttempts; ++attempt) {
    const std::string path = JoinPath(temp_folder_, "arc-" + RandomHex());
    // Only a folder made here and now is ours: an existing name is passed by.
    if (fs::create_directory(ToFsPath(path), ec) && !ec) {
      fs::permissions(ToFsPath(path), fs::perms::owner_all, fs::perm_options::replace, ec);
      scratch_ = path;
      return scratch_;
    }
  }
  throw EArchive("no scratch folder in " + temp_folder_);
}

std::string ArchiveSession::NextNameLocked(std::string_view extension) {
  return JoinPath(ScratchLocked(), std::to_string(++counter_) + std::string(extension));
}

std::string ArchiveSession::ScratchFolder() const {
  const std::lock_guard lock(mutex_);
  return scratch_;
}

void ArchiveSession::End() {
  const std::lock_guard lock(mutex_);
  open_ = OpenArchive{};
  listings_.clear();
  nested_.clear();
  if (scratch_.empty()) return;
  RemoveInside(temp_folder_, scratch_);
  scratch_.clear();
}

std::shared_ptr<const ArchiveListing> ArchiveSession::List(const std::string& archive_file) {
  const std::lock_guard lock(mutex_);
  return ListLocked(archive_file);
}

std::shared_ptr<const ArchiveListing> ArchiveSession::ListLocked(const std::string& archive_file) {
  const FileStamp stamp = StampOf(archive_file);
  auto found = listings_.find(archive_file);
  if (found != listings_.end() && found->second.Stamp == stamp) {
    found->second.Used = ++uses_;
    return found->second.Listing;
  }
  auto listing = std::make_shared<ArchiveListing>();
  const std::unique_ptr<ArchiveReader> reader = ArchiveReader::OpenFile(archive_file);
  while (std::optional<ArchiveEntry> entry = reader->Next()) {
    if (entry->Kind != EntryKind::Other) listing->Entries.push_back(std::move(*entry));
  }
  if (listings_.size() >= kKeptListings && found == listings_.end()) {
    const auto oldest = std::min_element(listings_.begin(), listings_.end(),
                                         [](const auto& a, const auto& b) { return a.second.Used < b.second.Used; });
    listings_.erase(oldest);
  }
  listings_[archive_file] = CachedListing{stamp, listing, ++uses_};
  return listing;
}

std::string ArchiveSession::NestedLocked(const std::string& outer, const ArchiveEntry& entry) {
  const std::string key = outer + '\n' + entry.Name;
  const FileStamp stamp = StampOf(outer);
  auto found = nested_.find(key);
  if (found != nested_.end()) {
    if (found->second.OuterStamp == stamp && IsRegularFile(found->second.Path)) return found->second.Path;
    RemoveInside(ScratchLocked(), found->second.Path);
    nested_.erase(found);
  }
  const std::string& scratch = ScratchLocked();
  std::error_code ec;
  const fs::space_info space = fs::space(ToFsPath(scratch), ec);
  const std::uint64_t limit = ec ? kMaxNestedArchiveBytes : std::min<std::uint64_t>(kMaxNestedArchiveBytes, space.available);
  if (entry.Size && *entry.Size > limit) throw EArchive("nested archive over the size limit");
  const std::string path = NextNameLocked(".arc");
  const std::unique_ptr<ArchiveReader> reader = ArchiveReader::OpenFile(outer);
  if (CopyEntry(*reader, entry.Name, path, limit) != ExtractOutcome::Extracted) {
    RemoveInside(scratch, path);
    throw EArchive("nested archive not extracted: " + entry.Name);
  }
  nested_[key] = NestedCopy{stamp, path};
  return path;
}

ArchiveFolderPlace ArchiveSession::Resolve(const std::string& archive_file, const std::string& inner_path) {
  const std::lock_guard lock(mutex_);
  ArchiveFolderPlace place{archive_file, inner_path};
  for (int depth = 0;;) {
    const std::shared_ptr<const ArchiveListing> listing = ListLocked(place.Archive);
    if (place.InnerPath.empty()) return place;
    const ArchiveEntry* nested = nullptr;
    for (const ArchiveEntry& entry : listing->Entries) {
      if (StartsWith(entry.Name, place.InnerPath)) return place;
      const std::string& name = entry.Name;
      if (entry.Kind == EntryKind::File && place.InnerPath.size() > name.size() &&
          StartsWith(place.InnerPath, name) && place.InnerPath[name.size()] == '/' &&
          (nested == nullptr || nested->Name.size() < name.size())) {
        nested = &entry;
      }
    }
    if (nested == nullptr) return place;
    if (++depth > kMaxNestingDepth) throw EArchive("archives nested too deep");
    const std::string rest = place.InnerPath.substr(nested->Name.size() + 1);
    place.Archive = NestedLocked(place.Archive, *nested);
    place.InnerPath = rest;
  }
}

ExtractOutcome ArchiveSession::Extract(const std::string& archive_file, std::string_view entry,
                                       const std::string& target, std::uint64_t limit) {
  const std::lock_guard lock(mutex_);
  const FileStamp stamp = StampOf(archive_file);
  if (!open_.Reader || open_.Path != archive_file || !(open_.Stamp == stamp)) open_ = OpenArchive{};
  try {
    for (;;) {
      if (!open_.Reader) open_ = OpenArchive{archive_file, stamp, ArchiveReader::OpenFile(archive_file), true};
      const ExtractOutcome outcome = CopyEntry(*open_.Reader, entry, target, limit);
      if (outcome == ExtractOutcome::Extracted) {
        open_.FromStart = false;
        return outcome;
      }
      // The reader is at the archive's end: the entry may lie before where it started.
      const bool searched_all = open_.FromStart;
      open_ = OpenArchive{};
      if (outcome != ExtractOutcome::NotFound || searched_all) return outcome;
    }
  } catch (const EArchive&) {
    open_ = OpenArchive{};
    throw;
  }
}

std::string ArchiveSession::NewWorkFolder() {
  const std::lock_guard lock(mutex_);
  const std::string path = NextNameLocked("");
  std::error_code ec;
  if (!fs::create_directory(ToFsPath(path), ec) || ec) throw EArchive("no work folder in " + scratch_);
  return path;
}

void ArchiveSession::Remove(const std::string& path) {
  const std::lock_guard lock(mutex_);
  if (!scratch_.empty() && !path.empty()) RemoveInside(scratch_, path);
}

}  // namespace lumetta
