// lumetta-cli list FOLDER: the photo list of a folder as the strip shows it,
// left to right, one name per line.
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "cli/command.h"
#include "core/app/app_state.h"
#include "core/app/user_interface.h"
#include "core/base/paths.h"
#include "core/library/folder_scan.h"
#include "core/library/photo_extensions.h"
#include "core/library/photo_sort.h"

namespace lumetta::cli {
namespace {

// Messages the scan would show in a box go to standard error.
class ConsoleUi : public UserInterface {
 public:
  void ShowMessageBox(const std::vector<std::string>& lines) override {
    for (const std::string& line : lines) std::fprintf(stderr, "%s\n", line.c_str());
  }
  int AskYesNo(const std::vector<std::string>& lines) override {
    ShowMessageBox(lines);
    return 2;
  }
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>&) override {
    ShowMessageBox(lines);
    return 0;
  }
  void SetText(Ctl, std::string_view) override {}
  void SetHint(Ctl, std::string_view) override {}
  void SetChecked(Ctl, bool) override {}
  void SetEnabled(Ctl, bool) override {}
  void SetVisible(Ctl, bool) override {}
  void SetTextColour(Ctl, Colour) override {}
  void SetLeft(Ctl, int) override {}
  void SetCaption(std::string_view) override {}
  void SetBusy(bool) override {}
  void SetViewCursor(CursorKind) override {}
  void RepaintPicture(Picture) override {}
  void ProcessPendingPaints() override {}
};

std::uint8_t SortModeArg(const std::string& text) {
  if (text.empty() || text == "name") return SortByName;
  if (text == "time") return SortByFileTime;
  if (text == "exif") return SortByExifDate;
  throw UsageError("--sort takes name, time or exif: " + text);
}

const RegisterCommand kList({
    "list",
    "FOLDER [--sort name|time|exif] [--desc]",
    "print a folder's photo list in the strip's order, one name per line",
    [](const std::vector<std::string>& arguments) {
      Args args(arguments);
      const std::string sort = args.TakeOption("--sort");
      const bool descending = args.TakeFlag("--desc");
      const std::vector<std::string> folders = args.Positional();
      if (folders.size() != 1) throw UsageError("give exactly one folder");
      if (!IsDirectory(folders[0])) throw FileError("not a folder: " + folders[0]);

      auto state = std::make_unique<AppState>();
      state->PhotoExtensions = BuildPhotoExtensions({});
      state->settings.SortMode = SortModeArg(sort);
      state->settings.SortDirection = descending ? -1 : 1;
      std::error_code ec;
      const auto absolute = std::filesystem::absolute(ToFsPath(folders[0]), ec);
      state->CurrentFolder = WithoutTrailingSeparator(ec ? folders[0] : FromFsPath(absolute.lexically_normal()));
      ConsoleUi ui;
      ScanFolder(*state, ui);
      for (std::int32_t i = 1; i <= state->photos.PhotoCount; ++i) {
        std::fprintf(stdout, "%s\n", state->photos[i].Name.c_str());
      }
      return 0;
    },
});

}  // namespace
}  // namespace lumetta::cli
