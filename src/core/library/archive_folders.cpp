#include "core/library/archive_folders.h"

#include <unordered_set>
#include <utility>

#include "core/archive/archive_session.h"
#include "core/archive/entry_names.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

// The copies are named by the program: "photo" and the entry's extension;
// an edited-photo file "photo_<ext>.lum" beside its source "photo.<ext>".
constexpr std::string_view kCopyStem = "photo";

bool StartsWith(std::string_view text, std::string_view prefix) {
  return text.size() >= prefix.size() && text.substr(0, prefix.size()) == prefix;
}

// The file entry in folder (an inner path) whose base name is name, ignoring
// case; the first one in the archive's order.
const ArchiveEntry* FindInFolder(const ArchiveListing& listing, std::string_view folder, std::string_view name) {
  for (const ArchiveEntry& entry : listing.Entries) {
    if (entry.Kind == EntryKind::File && EntryFolderOf(entry.Name) == folder &&
        SameNameIgnoringCase(EntryBaseOf(entry.Name), name)) {
      return &entry;
    }
  }
  return nullptr;
}

// A work folder that goes again unless a copy takes it over.
struct WorkFolder {
  WorkFolder(ArchiveSession& s, std::string f) : session(s), folder(std::move(f)) {}
  ~WorkFolder() {
    if (!folder.empty()) session.Remove(folder);
  }
  WorkFolder(const WorkFolder&) = delete;
  WorkFolder& operator=(const WorkFolder&) = delete;
  ArchiveSession& session;
  std::string folder;
};

}  // namespace

ArchivePathParts SplitArchivePath(std::string_view path) {
  std::string current = WithoutTrailingSeparator(path);
  std::string inner;
  while (!current.empty() && !IsRegularFile(current)) {
    if (IsDirectory(current)) return {};
    const std::string last = FileNameOf(current);
    if (last.empty()) return {};
    inner = last + "/" + inner;
    const std::string parent = ParentFolder(current);
    if (parent == current) return {};
    current = parent;
  }
  if (current.empty()) return {};
  return {current, inner};
}

ArchivePathParts BrowsableArchive(const AppState& state, std::string_view folder) {
  if (!state.ZipAvailable) return {};
  ArchivePathParts parts = SplitArchivePath(folder);
  if (parts.ArchiveFile.empty() || !IsArchiveFileName(FileNameOf(parts.ArchiveFile))) return {};
  return parts;
}

std::string UnreadableArchiveMessage(std::string_view archive_file) {
  return "ファイル「" + std::string(archive_file) + "」は、ZIP圧縮ファイルではないようです。" +
         "もしくは、ファイルが壊れている可能性があります。";
}

std::vector<std::string> ListArchiveFolder(const std::string& temp_folder, const std::string& archive_file,
                                           const std::string& inner_path) {
  ArchiveSession& session = ArchiveSession::In(temp_folder);
  const ArchiveFolderPlace place = session.Resolve(archive_file, inner_path);
  const std::shared_ptr<const ArchiveListing> listing = session.List(place.Archive);
  std::vector<std::string> names;
  for (const ArchiveEntry& entry : listing->Entries) {
    if (entry.Kind == EntryKind::File && EntryFolderOf(entry.Name) == place.InnerPath) {
      names.emplace_back(EntryBaseOf(entry.Name));
    }
  }
  return names;
}

std::vector<std::string> ListArchiveChildren(const std::string& temp_folder, const std::string& archive_file,
                                             const std::string& inner_path) {
  ArchiveSession& session = ArchiveSession::In(temp_folder);
  const ArchiveFolderPlace place = session.Resolve(archive_file, inner_path);
  const std::shared_ptr<const ArchiveListing> listing = session.List(place.Archive);
  std::vector<std::string> children;
  std::unordered_set<std::string> seen;
  for (const ArchiveEntry& entry : listing->Entries) {
    if (!StartsWith(entry.Name, place.InnerPath)) continue;
    std::string rest = entry.Name.substr(place.InnerPath.size());
    const std::size_t slash = rest.rfind('/');
    if (slash != std::string::npos) {
      // A folder, perhaps several levels down when the levels between have
      // no entries of their own.
      rest.erase(slash + 1);
    } else if (entry.Kind != EntryKind::File || !IsArchiveFileName(rest)) {
      continue;
    }
    if (rest.empty() || rest == "/") continue;
    if (seen.insert(rest).second) children.push_back(std::move(rest));
  }
  return children;
}

ArchiveCopy::ArchiveCopy(ArchiveCopyStatus status, std::string archive_file)
    : status_(status), archive_file_(std::move(archive_file)) {}

ArchiveCopy::ArchiveCopy(std::string temp_folder, std::string folder, std::string path)
    : status_(ArchiveCopyStatus::Extracted),
      temp_folder_(std::move(temp_folder)),
      folder_(std::move(folder)),
      path_(std::move(path)) {}

ArchiveCopy::~ArchiveCopy() { Delete(); }

ArchiveCopy::ArchiveCopy(ArchiveCopy&& other) noexcept
    : status_(other.status_),
      archive_file_(std::move(other.archive_file_)),
      temp_folder_(std::move(other.temp_folder_)),
      folder_(std::exchange(other.folder_, std::string())),
      path_(std::move(other.path_)) {}

ArchiveCopy& ArchiveCopy::operator=(ArchiveCopy&& other) noexcept {
  if (this != &other) {
    Delete();
    status_ = other.status_;
    archive_file_ = std::move(other.archive_file_);
    temp_folder_ = std::move(other.temp_folder_);
    folder_ = std::exchange(other.folder_, std::string());
    path_ = std::move(other.path_);
  }
  return *this;
}

void ArchiveCopy::Delete() {
  if (folder_.empty()) return;
  ArchiveSession::In(temp_folder_).Remove(folder_);
  folder_.clear();
}

ArchiveCopy ExtractArchiveEntry(const std::string& path, const std::string& temp_folder) {
  const ArchivePathParts parts = SplitArchivePath(ParentFolder(path));
  if (parts.ArchiveFile.empty() || !IsArchiveFileName(FileNameOf(parts.ArchiveFile))) return {};
  const std::string name = FileNameOf(path);
  ArchiveSession& session = ArchiveSession::In(temp_folder);
  try {
    const ArchiveFolderPlace place = session.Resolve(parts.ArchiveFile, parts.InnerPath);
    WorkFolder work{session, session.NewWorkFolder()};
    const std::string stem = JoinPath(work.folder, kCopyStem);
    std::string target = stem + SafeExtensionOf(name);
    if (IsEditedPhotoName(name)) {
      const std::string source_name = SourcePhotoNameAsWritten(name);
      const std::string source_extension = SafeExtensionOf(source_name);
      if (!source_extension.empty() && source_name != name) {
        target = stem + "_" + source_extension.substr(1) + std::string(kEditedPhotoExtension);
        const std::shared_ptr<const ArchiveListing> listing = session.List(place.Archive);
        if (const ArchiveEntry* source = FindInFolder(*listing, place.InnerPath, source_name)) {
          // A source that does not come out is missed when the copy is shown.
          static_cast<void>(
              session.Extract(place.Archive, source->Name, stem + SafeExtensionOf(source->Name), kMaxEntryBytes));
        }
      }
    }
    if (session.Extract(place.Archive, place.InnerPath + name, target, kMaxEntryBytes) != ExtractOutcome::Extracted) {
      return ArchiveCopy(ArchiveCopyStatus::EntryUnreadable, parts.ArchiveFile);
    }
    return ArchiveCopy(temp_folder, std::exchange(work.folder, std::string()), target);
  } catch (const EArchive&) {
    return ArchiveCopy(ArchiveCopyStatus::ArchiveUnreadable, parts.ArchiveFile);
  }
}

ArchiveCopy ExtractArchivePhoto(const AppState& state, UserInterface& ui, const std::string& path) {
  if (!state.ZipAvailable) return {};
  ArchiveCopy copy = ExtractArchiveEntry(path, state.folders.TempFolder);
  if (copy.Status() == ArchiveCopyStatus::ArchiveUnreadable) {
    ui.ShowMessageBox({UnreadableArchiveMessage(copy.ArchiveFile())});
  }
  return copy;
}

void EndArchiveWork(const AppState& state) { ArchiveSession::In(state.folders.TempFolder).End(); }

}  // namespace lumetta
