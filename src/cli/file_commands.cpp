// lumetta-cli rename PHOTO NEWNAME, move PHOTO FOLDER and trash PHOTO: the
// viewer's file commands on one photo, with its edited-photo files and,
// when the photo lies in a photo-folder slot of the program's settings
// (--app-folder), its cached thumbnails.
//
// Each prints one line per file it renamed, moved or sent to the trash and
// one per edited-photo file that stayed behind; a refusal prints the
// program's message on stderr. The exit status is 1 for a refusal, a
// failure, or a file left behind.
#include <cstdio>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "cli/app_folder.h"
#include "cli/command.h"
#include "cli/trash_ui.h"
#include "core/base/paths.h"
#include "core/library/file_operations.h"
#include "core/library/open_photo.h"
#include "core/app/photo_file_commands.h"
#include "core/records/edited_names.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "core/state/settings.h"
#include "platform/safe_file.h"

namespace lumetta::cli {
namespace {

// Messages on stderr; the command line states what is wanted, so the
// extension question is answered yes; the desktop's trash.
class FileCommandUi : public TrashUi {
 public:
  int AskYesNo(const std::vector<std::string>& lines) override {
    ShowMessageBox(lines);
    return 1;
  }
};

// The program's state for one photo: its settings (for the slots and the
// cache) and the slot the photo's folder lies in.
std::unique_ptr<AppState> StateFor(const std::string& app_folder_option, const std::string& photo) {
  auto state = std::make_unique<AppState>();
  const std::string app_folder = AppFolderOf(app_folder_option);
  const std::string settings_file = JoinPath(app_folder, std::string(kSettingsFileName));
  if (IsRegularFile(settings_file)) {
    state->settings = LoadSettings(settings_file);
    state->folders = MakeAppFolders(app_folder, {});
  }
  state->SlotIndex = SlotOfFolder(*state, ParentFolder(photo));
  state->current.Slot = state->SlotIndex;
  return state;
}

std::string PhotoArg(const std::string& arg) {
  const std::string path = JoinPath(AbsoluteFolder(ParentFolder(arg).empty() ? "." : ParentFolder(arg)),
                                    FileNameOf(arg));
  if (!IsRegularFile(path)) throw FileError("not a file: " + arg);
  return path;
}

int Report(const PhotoFilesOutcome& outcome, const char* verb) {
  for (const auto& step : outcome.Moved) std::printf("%s %s -> %s\n", verb, step.From.c_str(), step.To.c_str());
  for (const std::string& left : outcome.Left) std::printf("left %s\n", left.c_str());
  return outcome.Left.empty() ? 0 : 1;
}

const RegisterCommand kRename({
    "rename",
    "PHOTO NEWNAME [--app-folder DIR]",
    "rename a photo (the source photo of an edited-photo file) with its edited-photo files and cached "
    "thumbnails; NEWNAME without an extension keeps the old one",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string app_folder = args.TakeOption("--app-folder");
      const std::vector<std::string> rest = args.Positional();
      if (rest.size() != 2) throw UsageError("give the photo and its new name");
      const std::string photo = SourcePhotoName(PhotoArg(rest[0]));
      if (!IsRegularFile(photo)) throw FileError("no source photo: " + FileNameOf(photo));
      auto state = StateFor(app_folder, photo);
      FileCommandUi ui;
      const auto outcome = RenamePhotoAsTyped(*state, ui, photo, rest[1]);
      if (!outcome) return 1;
      return Report(*outcome, "renamed");
    },
});

const RegisterCommand kMove({
    "move",
    "PHOTO FOLDER [--app-folder DIR]",
    "move a photo (the source photo of an edited-photo file) into a folder with its edited-photo files and "
    "cached thumbnails; never replaces a file",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string app_folder = args.TakeOption("--app-folder");
      const std::vector<std::string> rest = args.Positional();
      if (rest.size() != 2) throw UsageError("give the photo and the folder to move it into");
      const std::string photo = SourcePhotoName(PhotoArg(rest[0]));
      auto state = StateFor(app_folder, photo);
      FileCommandUi ui;
      const std::optional<std::string> target = MoveTargetFor(ui, photo, AbsoluteFolder(rest[1]));
      if (!target) return 1;
      try {
        const PhotoFilesOutcome outcome = MovePhotoFiles(*state, state->SlotIndex, photo, *target);
        return Report(outcome, "moved");
      } catch (const platform::EFileOperation& e) {
        ui.ShowMessageBox(e.Fault() == platform::FileFault::SourceKept ? SourceKeptLines(FileNameOf(photo))
                                                                       : kMoveFailedLines);
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
      }
    },
});

const RegisterCommand kTrash({
    "trash",
    "PHOTO [--app-folder DIR]",
    "move a photo to the desktop's trash with its edited-photo files and cached thumbnails (an edited-photo "
    "file goes alone); never deletes for good",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string app_folder = args.TakeOption("--app-folder");
      const std::vector<std::string> rest = args.Positional();
      if (rest.size() != 1) throw UsageError("give one photo");
      const std::string photo = PhotoArg(rest[0]);
      auto state = StateFor(app_folder, photo);
      FileCommandUi ui;
      try {
        const bool alone = IsEditedPhotoName(photo);
        for (const std::string& file : TrashPhotoFiles(*state, ui, state->SlotIndex, photo, !alone)) {
          std::printf("trashed %s\n", file.c_str());
        }
      } catch (const platform::EFileOperation&) {
        ui.ShowMessageBox(kTrashFailedLines);
        return 1;
      }
      return 0;
    },
});

}  // namespace
}  // namespace lumetta::cli
