#pragma once
// The transfer engine behind the progress window ("転送しています。"): it
// copies (or, sorting into date folders, moves) the photo and movie files
// of one folder into another, one file per tick of the window's timer, asks
// before a file of the same name is overwritten and remembers "全ていいえ" and
// "全て上書き" for the rest of the run.
//
// No file is ever lost or half-written: a copy goes to a temporary file in
// the destination folder and appears under its name only when complete; a
// file that is overwritten goes to the trash only after its replacement is
// complete; a move renames within the file system and deletes a copied
// source only after the copy is in place. A large file is copied over
// several ticks, so that "キャンセル" is answered at once; a copy that is
// cancelled or fails leaves no temporary file.

#include <chrono>
#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/base/names.h"
#include "core/transfer/transfer_files.h"
#include "platform/safe_file.h"

namespace lumetta {

struct AppState;
class EditedFileIndex;
class UserInterface;

// The answer to the overwrite question that holds for the rest of the run.
enum class OverwriteAnswer { Ask, NoToAll, OverwriteAll };

struct TransferRequest {
  TransferDirection Direction = TransferDirection::CameraToPc;
  std::string Source;       // folder
  std::string Destination;  // folder
  TransferOptions Options;
  // Sorting: each file is moved, its cached thumbnails (of this photo-folder
  // slot, 1..3) and edited-photo files follow it.
  bool Move = false;
  std::int32_t Slot = 0;
  // Set beforehand for the whole run (the command line); Ask asks per file.
  OverwriteAnswer Overwrite = OverwriteAnswer::Ask;
};

// What became of one file, for a front end that lists them.
enum class FileOutcome {
  Copied,
  Moved,
  SkippedReadOnly,  // write-protected and read-only files are not transferred
  SkippedExisting,  // the destination exists and is not overwritten
  SkippedItself,    // the destination is the source file itself
  Failed,           // the run ends here
};

struct FileReport {
  std::string Name;
  std::string Destination;  // the destination path
  FileOutcome Outcome = FileOutcome::Copied;
  bool Overwritten = false;  // an older file went to the trash
};

// The first transferred photo: the run's oldest photo by the key of its
// kind, which the main window shows afterwards.
struct FirstTransfer {
  std::string Record;  // the destination path with date folders, else the file name
  std::string Key;
};

// The overwrite question's buttons, in the order of their numbers 1..4.
const std::vector<std::string>& OverwriteCaptions();
// The question about name (the trash line for copies to the PC only).
std::vector<std::string> OverwriteQuestion(std::string_view name, TransferDirection direction);

// "あと３枚です 「a.jpg」を転送" (one full-width digit for 1..9).
std::string RemainingText(std::int32_t remaining, std::string_view name);
// The progress bar: 100 with one file left, else 100 − R(remaining / total × 100).
std::int32_t ProgressPercent(std::int32_t remaining, std::int32_t total);

class TransferEngine {
 public:
  TransferEngine(AppState& state, UserInterface& ui, TransferRequest request);
  ~TransferEngine();
  TransferEngine(const TransferEngine&) = delete;
  TransferEngine& operator=(const TransferEngine&) = delete;

  // The window's first showing: lists the source folder's files once.
  void Start();
  // One tick: the next file, or the next pieces of a large one. Returns
  // whether the run goes on; false once every file is handled, the run was
  // cancelled or an error ended it (the window then closes).
  bool Step();
  // "キャンセル" and Esc: the run ends; files done so far stay, and a copy
  // under way is dropped without leaving anything behind.
  void Cancel();

  bool Finished() const;
  bool Cancelled() const { return cancelled_; }
  // An error ended the run (its message was shown).
  bool Failed() const { return failed_; }
  std::int32_t Total() const { return total_; }
  std::int32_t Remaining() const { return remaining_; }
  // What MaisuLbl and the progress bar show.
  const std::string& CountText() const { return count_text_; }
  std::int32_t Percent() const { return percent_; }
  // Files copied or moved.
  std::int32_t Transferred() const { return transferred_; }
  const std::optional<FirstTransfer>& First() const { return first_; }
  const TransferRequest& Request() const { return request_; }

  // Told of every file as it is done.
  std::function<void(const FileReport&)> OnFile;
  // How long one tick may copy before it hands back to the window, and the
  // size of the copy's pieces within it.
  std::chrono::milliseconds TickBudget{50};
  std::uint64_t PieceBytes = std::uint64_t{1} << 20;
  // Tests: the destination medium's free space (see CopyOptions).
  std::uint64_t SpaceLimit = platform::CopyOptions{}.space_limit;

 private:
  struct Pending;

  void BeginFile();
  void ContinueCopy();
  void FinishFile();
  void PutBack(const Pending& file);
  void MoveCompanions(const Pending& file);
  void Done(const Pending& file, FileOutcome outcome);
  void Skip(const std::string& name, const std::string& destination, FileOutcome outcome);
  void Fail(const std::vector<std::string>& message, const std::string& name, const std::string& destination);
  bool PrepareDateFolder(const std::string& folder);
  bool AskOverwrite(const std::string& name);
  void Remember(const Pending& file);
  // The name as spelt in a destination folder, whatever its case.
  std::optional<std::string> FindInDestination(const std::string& folder, const std::string& name);

  AppState& state_;
  UserInterface& ui_;
  TransferRequest request_;
  std::vector<std::string> files_;
  std::int32_t total_ = 0;
  std::int32_t remaining_ = 0;
  std::int32_t transferred_ = 0;
  bool started_ = false;
  bool cancelled_ = false;
  bool failed_ = false;
  OverwriteAnswer answer_ = OverwriteAnswer::Ask;
  std::string count_text_;
  std::int32_t percent_ = 0;
  std::optional<FirstTransfer> first_;
  std::unique_ptr<Pending> pending_;  // the file being copied over several ticks
  // One listing of each destination folder, kept up to date by the run.
  std::map<std::string, FolderIndex> destinations_;
  // When moving: the source folder's edited-photo files and its cache folder.
  std::unique_ptr<EditedFileIndex> edited_;
  std::unique_ptr<FolderIndex> source_cache_;
};

}  // namespace lumetta
