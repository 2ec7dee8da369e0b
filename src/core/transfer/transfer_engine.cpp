#include "core/transfer/transfer_engine.h"

#include <filesystem>
#include <system_error>

#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/rounding.h"
#include "core/library/date_keys.h"
#include "core/library/file_operations.h"
#include "core/library/photo_sort.h"
#include "core/library/thumb_cache_path.h"
#include "core/records/edited_file_index.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

const std::vector<std::string> kCopyFailed = {"ハード的なエラーが出たため", "ファイルをコピーできませんでした。",
                                              "（容量オーバーなどが考えられます）"};
const std::vector<std::string> kTrashFailed = {"ハード的なエラーが出たため", "ファイルをコピーできませんでした。"};

std::vector<std::string> SourceKeptMessage(const std::string& name) {
  return {"ファイル「" + name + "」は移動先にコピーしましたが、", "元のファイルを削除できませんでした。",
          "（同じファイルが両方のフォルダにあります）"};
}

}  // namespace

const std::vector<std::string>& OverwriteCaptions() {
  static const std::vector<std::string> captions = {"いいえ", "上書き", "全ていいえ", "全て上書き"};
  return captions;
}

std::vector<std::string> OverwriteQuestion(std::string_view name, TransferDirection direction) {
  std::vector<std::string> lines = {"転送先に、すでに同じファイル名", "「" + std::string(name) + "」",
                                    "があります。上書きしますか？"};
  if (direction != TransferDirection::PcToCamera) lines.push_back("（※元ファイルは、ごみ箱に移動されます）");
  return lines;
}

std::string RemainingText(std::int32_t remaining, std::string_view name) {
  static const char* const kFullWidth[] = {"０", "１", "２", "３", "４", "５", "６", "７", "８", "９"};
  const std::string count = remaining >= 1 && remaining <= 9 ? kFullWidth[remaining] : std::to_string(remaining);
  return "あと" + count + "枚です 「" + std::string(name) + "」を転送";
}

std::int32_t ProgressPercent(std::int32_t remaining, std::int32_t total) {
  if (remaining == 1 || total <= 0) return 100;
  return 100 - static_cast<std::int32_t>(R(static_cast<double>(remaining) / total * 100.0));
}

// The file being handled: where it comes from and goes to, the file of the
// same name it replaces, and its copy while that takes several ticks.
struct TransferEngine::Pending {
  std::string Name;
  std::string Source;
  std::string Destination;
  std::string Replaced;  // the existing destination (as spelt on disk) that goes to the trash
  std::string Kept;      // the hidden name the replaced file has until it is in the trash
  bool Renamed = false;  // moved by a rename (else copied, the source deleted afterwards)
  std::unique_ptr<platform::FileCopy> Copy;
};

TransferEngine::TransferEngine(AppState& state, UserInterface& ui, TransferRequest request)
    : state_(state), ui_(ui), request_(std::move(request)), answer_(request_.Overwrite) {}

TransferEngine::~TransferEngine() = default;

void TransferEngine::Start() {
  if (started_) return;
  started_ = true;
  files_ = ListTransferFiles(request_.Source, request_.Options.Movies);
  total_ = remaining_ = static_cast<std::int32_t>(files_.size());
  first_.reset();
  answer_ = request_.Overwrite;
  if (request_.Move) {
    edited_ = std::make_unique<EditedFileIndex>(request_.Source);
    if (request_.Slot >= 1 && request_.Slot <= 3) {
      source_cache_ =
          std::make_unique<FolderIndex>(ResolvedThumbCacheFolder(state_, request_.Slot, request_.Source));
    }
  }
}

std::optional<std::string> TransferEngine::FindInDestination(const std::string& folder, const std::string& name) {
  auto it = destinations_.find(folder);
  if (it == destinations_.end()) it = destinations_.emplace(folder, FolderIndex(folder)).first;
  return it->second.Find(name);
}

bool TransferEngine::Finished() const { return cancelled_ || failed_ || (started_ && remaining_ == 0); }

bool TransferEngine::Step() {
  if (!started_) Start();
  if (Finished()) return false;
  if (!pending_) BeginFile();
  if (pending_ && !Finished()) ContinueCopy();
  return !Finished();
}

void TransferEngine::Cancel() {
  cancelled_ = true;
  if (pending_ && pending_->Copy) pending_->Copy->Abandon();
  pending_.reset();
}

void TransferEngine::Skip(const std::string& name, const std::string& destination, FileOutcome outcome) {
  if (OnFile) OnFile(FileReport{name, destination, outcome, false});
  --remaining_;
}

void TransferEngine::Fail(const std::vector<std::string>& message, const std::string& name,
                          const std::string& destination) {
  // name and destination may belong to the file being dropped here.
  const FileReport report{name, destination, FileOutcome::Failed, false};
  pending_.reset();
  failed_ = true;
  if (OnFile) OnFile(report);
  ui_.ShowMessageBox(message);
}

bool TransferEngine::PrepareDateFolder(const std::string& folder) {
  if (IsDirectory(folder)) return true;
  const std::string name = FileNameOf(folder);
  std::error_code ec;
  if (PathExists(folder)) {
    // A file named like the date folder: said once, and the run stops.
    Fail({"「" + name + "」という名前のファイルがあるため、", "日付フォルダを作成できませんでした。"}, name, folder);
    return false;
  }
  std::filesystem::create_directory(ToFsPath(folder), ec);
  if (IsDirectory(folder)) return true;
  Fail({"ハード的なエラーが出たため", "日付フォルダ「" + name + "」を作成できませんでした。"}, name, folder);
  return false;
}

bool TransferEngine::AskOverwrite(const std::string& name) {
  if (answer_ == OverwriteAnswer::OverwriteAll) return true;
  if (answer_ == OverwriteAnswer::NoToAll) return false;
  switch (ui_.AskChoice(OverwriteQuestion(name, request_.Direction), OverwriteCaptions())) {
    case 2:
      return true;
    case 3:
      answer_ = OverwriteAnswer::NoToAll;
      return false;
    case 4:
      answer_ = OverwriteAnswer::OverwriteAll;
      return true;
    default:  // "いいえ", Esc or the close box
      return false;
  }
}

void TransferEngine::BeginFile() {
  auto file = std::make_unique<Pending>();
  file->Name = files_[static_cast<std::size_t>(total_ - remaining_)];
  count_text_ = RemainingText(remaining_, file->Name);
  percent_ = ProgressPercent(remaining_, total_);
  file->Source = JoinPath(request_.Source, file->Name);

  std::string folder = request_.Destination;
  if (request_.Options.DateFolders && request_.Direction != TransferDirection::PcToCamera) {
    folder = JoinPath(folder, DateFolderName(file->Source));
  }
  file->Destination = JoinPath(folder, file->Name);
  if (!request_.Options.ReadOnlyFiles && IsWriteProtected(file->Source)) {
    Skip(file->Name, file->Destination, FileOutcome::SkippedReadOnly);
    return;
  }
  if (!PrepareDateFolder(folder)) return;
  if (platform::SameFile(file->Source, file->Destination)) {
    Skip(file->Name, file->Destination, FileOutcome::SkippedItself);
    return;
  }
  // The destination's name in any letter case is the same file where names
  // ignore case, as on the cards and drives the program came from.
  if (const auto existing = FindInDestination(folder, file->Name)) {
    if (!AskOverwrite(file->Name)) {
      Skip(file->Name, file->Destination, FileOutcome::SkippedExisting);
      return;
    }
    file->Replaced = JoinPath(folder, *existing);
  }
  if (request_.Move) {
    // A rename within the file system; another file system takes a copy in
    // pieces as any transfer, and the source is deleted after it.
    try {
      if (file->Replaced.empty()) {
        platform::RenameNoReplace(file->Source, file->Destination);
      } else {
        file->Kept = platform::RenameKeepingReplaced(file->Source, file->Destination);
      }
      file->Renamed = true;
    } catch (const platform::EFileOperation& e) {
      if (e.Fault() != platform::FileFault::CrossDevice) {
        Fail(kCopyFailed, file->Name, file->Destination);
        return;
      }
    }
    if (file->Renamed) {
      pending_ = std::move(file);
      FinishFile();
      return;
    }
  }
  try {
    platform::CopyOptions options;
    options.replace = !file->Replaced.empty();
    // A new copy whose source stays needs no wait for the medium: nothing
    // is lost if it never gets there. One that replaces a file, or whose
    // source goes, is on the medium before it takes its name.
    options.flush = options.replace || request_.Move;
    options.space_limit = SpaceLimit;
    file->Copy = std::make_unique<platform::FileCopy>(file->Source, file->Destination, options);
  } catch (const platform::EFileOperation&) {
    Fail(kCopyFailed, file->Name, file->Destination);
    return;
  }
  pending_ = std::move(file);
}

void TransferEngine::ContinueCopy() {
  Pending& file = *pending_;
  if (file.Renamed) return;
  const auto deadline = std::chrono::steady_clock::now() + TickBudget;
  try {
    while (!file.Copy->CopyPiece(PieceBytes)) {
      if (std::chrono::steady_clock::now() >= deadline) return;
    }
    if (file.Replaced.empty()) {
      file.Copy->Commit();
    } else {
      file.Kept = file.Copy->CommitKeepingReplaced();
    }
  } catch (const platform::EFileOperation&) {
    Fail(kCopyFailed, file.Name, file.Destination);
    return;
  }
  FinishFile();
}

void TransferEngine::FinishFile() {
  Pending& file = *pending_;
  // The new file is in place: only now does the one it replaced go, and to
  // the trash, never deleted. Where the trash refuses, the old file comes
  // back and the new one gives way.
  if (!file.Replaced.empty()) {
    bool trashed = true;
    if (!file.Kept.empty()) {
      trashed = ui_.MoveToTrashAs(file.Kept, file.Replaced);
    } else if (PathExists(file.Replaced) && !platform::SameFile(file.Replaced, file.Destination)) {
      trashed = ui_.MoveToTrash(file.Replaced);  // another spelling of the name, still there
    }
    if (!trashed) {
      PutBack(file);
      Fail(kTrashFailed, file.Name, file.Destination);
      return;
    }
  }
  if (request_.Move && !file.Renamed) {
    try {
      platform::RemoveFile(file.Source);
    } catch (const platform::EFileOperation&) {
      Fail(SourceKeptMessage(file.Name), file.Name, file.Destination);
      return;
    }
  }
  if (request_.Move) MoveCompanions(file);
  Done(file, request_.Move ? FileOutcome::Moved : FileOutcome::Copied);
  pending_.reset();
}

void TransferEngine::PutBack(const Pending& file) {
  try {
    if (file.Renamed) {
      platform::RenameNoReplace(file.Destination, file.Source);
    } else if (file.Kept.empty()) {
      platform::RemoveFile(file.Destination);  // the copy just made, nothing else
    }
    if (!file.Kept.empty()) platform::RenameReplace(file.Kept, file.Destination);
  } catch (const platform::EFileOperation&) {
    // Both files still exist, the old one perhaps under its hidden name.
  }
}

void TransferEngine::MoveCompanions(const Pending& file) {
  // What goes with the photo: its cached thumbnail, and its edited-photo
  // files with theirs. An edited-photo file whose name is taken there stays.
  MoveCachedThumbnail(state_, request_.Slot, file.Source, file.Destination, source_cache_.get());
  const std::string folder = ParentFolder(file.Destination);
  platform::CopyOptions options;
  options.space_limit = SpaceLimit;
  for (const std::string& edited : edited_->FilesOf(file.Name)) {
    if (FindInDestination(folder, edited)) continue;
    const std::string from = JoinPath(request_.Source, edited);
    const std::string to = JoinPath(folder, edited);
    try {
      platform::MoveFileSafely(from, to, options);
    } catch (const platform::EFileOperation& e) {
      if (e.Fault() != platform::FileFault::SourceKept) continue;
      ui_.ShowMessageBox(SourceKeptMessage(edited));
    }
    destinations_[folder].Add(edited);
    MoveCachedThumbnail(state_, request_.Slot, from, to, source_cache_.get());
  }
}

void TransferEngine::Done(const Pending& file, FileOutcome outcome) {
  ++transferred_;
  destinations_[ParentFolder(file.Destination)].Add(file.Name);
  if (OnFile) OnFile(FileReport{file.Name, file.Destination, outcome, !file.Replaced.empty()});
  if (request_.Direction != TransferDirection::PcToCamera) Remember(file);
  --remaining_;
}

void TransferEngine::Remember(const Pending& file) {
  FirstTransfer candidate;
  if (request_.Options.DateFolders) {
    candidate.Record = file.Destination;
    candidate.Key = FileDateKey(file.Destination);
  } else {
    candidate.Record = file.Name;
    const bool by_name = state_.settings.SortMode == SortKey::Name;
    candidate.Key = by_name ? file.Name : FileDateKey(file.Destination);
  }
  if (!first_ || (!IsMovieName(file.Name) && candidate.Key < first_->Key)) first_ = std::move(candidate);
}

}  // namespace lumetta
