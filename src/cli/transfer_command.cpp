// lumetta-cli transfer FROM TO: copies a camera folder's photos (and
// movies) into a folder as the menu's camera-to-PC transfer does, optionally
// into date folders. lumetta-cli sort-dates FOLDER: moves a folder's photos
// and movies into its date folders, with their edited-photo files and, when
// the folder lies in a photo-folder slot, their cached thumbnails.
//
// Both print one line per file and a summary, and exit 1 on any failure.
#include <cstdio>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "cli/app_folder.h"
#include "cli/command.h"
#include "cli/trash_ui.h"
#include "core/base/paths.h"
#include "core/library/open_photo.h"
#include "core/state/app_state.h"
#include "core/state/headless_ui.h"
#include "core/state/settings.h"
#include "core/transfer/transfer_engine.h"
#include "platform/safe_file.h"

namespace lumetta::cli {
namespace {

// The terminal as the user interface of a run: messages on stderr, the
// overwrite question asked on the terminal, the desktop's trash.
class TerminalUi : public TrashUi {
 public:
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) override {
    ShowMessageBox(lines);
    for (std::size_t i = 0; i < captions.size(); ++i) std::fprintf(stderr, "  %zu: %s\n", i + 1, captions[i].c_str());
    while (true) {
      std::fprintf(stderr, "1-%zu? ", captions.size());
      std::fflush(stderr);
      std::string answer;
      if (!std::getline(std::cin, answer)) return 0;  // no terminal: as Esc, the file is kept
      if (answer.size() == 1 && answer[0] >= '1' && answer[0] < static_cast<char>('1' + captions.size())) {
        return answer[0] - '0';
      }
    }
  }

  void RunTransferProgress(TransferEngine& engine) override {
    engine.Start();
    while (engine.Step()) {
    }
  }
};

OverwriteAnswer OverwriteArg(const std::string& text) {
  if (text.empty() || text == "none") return OverwriteAnswer::NoToAll;
  if (text == "all") return OverwriteAnswer::OverwriteAll;
  if (text == "ask") return OverwriteAnswer::Ask;
  throw UsageError("--overwrite takes none, all or ask: " + text);
}

const char* OutcomeWord(FileOutcome outcome) {
  switch (outcome) {
    case FileOutcome::Copied: return "copied";
    case FileOutcome::Moved: return "moved";
    case FileOutcome::SkippedReadOnly: return "skipped (write-protected)";
    case FileOutcome::SkippedExisting: return "skipped (exists)";
    case FileOutcome::SkippedItself: return "skipped (the file itself)";
    case FileOutcome::Failed: return "FAILED";
  }
  return "";
}

struct Tally {
  int done = 0;
  int skipped = 0;
  int failed = 0;
};

int Run(AppState& state, const TransferRequest& request) {
  TerminalUi ui;
  TransferEngine engine(state, ui, request);
  Tally tally;
  engine.OnFile = [&tally](const FileReport& r) {
    std::printf("%s %s -> %s%s\n", OutcomeWord(r.Outcome), r.Name.c_str(), r.Destination.c_str(),
                r.Overwritten ? " (the older file went to the trash)" : "");
    if (r.Outcome == FileOutcome::Copied || r.Outcome == FileOutcome::Moved) {
      ++tally.done;
    } else if (r.Outcome == FileOutcome::Failed) {
      ++tally.failed;
    } else {
      ++tally.skipped;
    }
  };
  ui.RunTransferProgress(engine);
  const int left = engine.Remaining() - (engine.Failed() ? 1 : 0);
  std::printf("%d %s, %d skipped, %d failed", tally.done, request.Move ? "moved" : "copied", tally.skipped,
              tally.failed);
  if (engine.Failed() && left > 0) std::printf(", %d not handled", left);
  std::printf("\n");
  return engine.Failed() ? 1 : 0;
}

const RegisterCommand kTransfer({
    "transfer",
    "FROM TO [--date-folders] [--movies] [--skip-read-only] [--overwrite none|all|ask]",
    "copy the photos (and movies) of a camera folder into a folder as the camera-to-PC transfer does; an existing "
    "file is kept (none), replaced with the older one going to the trash (all), or asked about (ask)",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      TransferRequest request;
      request.Direction = TransferDirection::CameraToPc;
      request.Options.DateFolders = args.TakeFlag("--date-folders");
      request.Options.Movies = args.TakeFlag("--movies");
      request.Options.ReadOnlyFiles = !args.TakeFlag("--skip-read-only");
      request.Overwrite = OverwriteArg(args.TakeOption("--overwrite"));
      const std::vector<std::string> folders = args.Positional();
      if (folders.size() != 2) throw UsageError("give the folder to copy from and the folder to copy to");
      request.Source = AbsoluteFolder(folders[0]);
      request.Destination = AbsoluteFolder(folders[1]);
      if (!IsDirectory(request.Source)) throw FileError("not a folder: " + folders[0]);
      if (!IsDirectory(request.Destination)) throw FileError("not a folder: " + folders[1]);
      if (request.Source == request.Destination || platform::SameFile(request.Source, request.Destination)) {
        throw FileError("転送元と転送先のフォルダが同じです。");
      }
      auto state = std::make_unique<AppState>();
      return Run(*state, request);
    },
});

const RegisterCommand kSortDates({
    "sort-dates",
    "FOLDER [--overwrite none|all|ask] [--app-folder DIR]",
    "move a folder's photos and movies into date folders (YY-MMDD) with their edited-photo files, and with "
    "their cached thumbnails when the folder lies in a photo-folder slot",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const OverwriteAnswer overwrite = OverwriteArg(args.TakeOption("--overwrite"));
      const std::string app_folder_option = args.TakeOption("--app-folder");
      const std::vector<std::string> folders = args.Positional();
      if (folders.size() != 1) throw UsageError("give exactly one folder");
      const std::string folder = AbsoluteFolder(folders[0]);
      if (!IsDirectory(folder)) throw FileError("not a folder: " + folders[0]);

      auto state = std::make_unique<AppState>();
      const std::string app_folder = AppFolderOf(app_folder_option);
      const std::string settings_file = JoinPath(app_folder, std::string(kSettingsFileName));
      if (IsRegularFile(settings_file)) {
        state->settings = LoadSettings(settings_file);
        state->folders = MakeAppFolders(app_folder, {});
      }
      TransferRequest request;
      request.Direction = TransferDirection::DateFolders;
      request.Source = folder;
      request.Destination = folder;
      request.Options = TransferOptions{true, true, true};
      request.Move = true;
      request.Slot = SlotOfFolder(*state, folder);
      request.Overwrite = overwrite;
      return Run(*state, request);
    },
});

}  // namespace
}  // namespace lumetta::cli
