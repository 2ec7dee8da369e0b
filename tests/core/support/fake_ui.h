#pragma once
// A UserInterface for core tests: records what the user would see and
// answers questions from a script.

#include <deque>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/state/user_interface.h"
#include "core/transfer/camera_slots.h"
#include "core/transfer/transfer_engine.h"

namespace lumetta::testing_support {

class FakeUi : public UserInterface {
 public:
  struct Box {
    enum Kind { Message, YesNo, Choice, Error } kind;
    std::vector<std::string> lines;
    std::vector<std::string> captions;
  };

  // Answers for the coming AskYesNo / AskChoice calls, in order; when the
  // script runs out, AskYesNo answers 2 (no) and AskChoice 0.
  std::deque<int> answers;

  std::vector<Box> boxes;
  std::map<Ctl, std::string> texts;
  std::map<Ctl, std::string> hints;
  std::map<Ctl, bool> checked;
  std::map<Ctl, bool> enabled;
  std::map<Ctl, bool> visible;
  std::map<Ctl, Colour> colours;
  std::string caption;
  int busy_depth = 0;
  int busy_calls = 0;
  CursorKind view_cursor = CursorKind::Default;
  std::vector<Picture> repaints;
  int paint_flushes = 0;
  // Where the main window stands; nothing before it is shown.
  std::optional<std::pair<int, int>> window_position;

  std::optional<std::pair<int, int>> MainWindowPosition() override { return window_position; }
  void ShowMessageBox(const std::vector<std::string>& lines) override { boxes.push_back({Box::Message, lines, {}}); }
  void ReportError(const Exception& failure) override { boxes.push_back({Box::Error, ErrorLines(failure), {}}); }
  int AskYesNo(const std::vector<std::string>& lines) override {
    boxes.push_back({Box::YesNo, lines, {}});
    return Next(2);
  }
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) override {
    boxes.push_back({Box::Choice, lines, captions});
    return Next(0);
  }
  void SetText(Ctl c, std::string_view t) override { texts[c] = std::string(t); }
  void SetHint(Ctl c, std::string_view h) override { hints[c] = std::string(h); }
  void SetChecked(Ctl c, bool v) override { checked[c] = v; }
  void SetEnabled(Ctl c, bool v) override { enabled[c] = v; }
  void SetVisible(Ctl c, bool v) override { visible[c] = v; }
  void SetTextColour(Ctl c, Colour v) override { colours[c] = v; }
  void SetCaption(std::string_view c) override { caption = std::string(c); }
  void SetBusy(bool busy) override {
    busy_depth += busy ? 1 : -1;
    if (busy) ++busy_calls;
  }
  void SetViewCursor(CursorKind c) override { view_cursor = c; }
  void RepaintPicture(Picture p) override { repaints.push_back(p); }
  void ProcessPendingPaints() override { ++paint_flushes; }

  // The folder panel. Control widths (the folder panel as in the 800
  // layout), label tops, focus moves, the folder chooser's calls and
  // scripted answers (none left: cancelled), the folders opened in the file
  // manager, and the folder dialog's calls and scripted replies.
  std::map<Ctl, int> widths{{Ctl::FolderPnl, 211}};
  std::map<Ctl, int> tops;
  std::vector<Ctl> focus_moves;
  struct FolderChoice {
    std::string title;
    std::string preselected;
  };
  std::vector<FolderChoice> folder_choices;
  std::deque<std::optional<std::string>> chosen_folders;
  std::vector<std::string> file_manager_folders;
  // A folder dialog reply: the names typed into it and "名前を変更" pressed,
  // one after the other while the dialog stays open, then the button that
  // closes it (when no rename has closed it).
  struct FolderFormReply {
    std::vector<std::string> renames;
    int result = kFolderFormClose;
  };
  std::deque<FolderFormReply> folder_form_replies;
  std::vector<FolderFormRequest> folder_forms;

  void SetTop(Ctl c, int v) override { tops[c] = v; }
  std::map<Ctl, int> lefts;
  void SetLeft(Ctl c, int v) override { lefts[c] = v; }
  void SetWidth(Ctl c, int v) override { widths[c] = v; }
  int ControlLeft(Ctl c) override {
    auto it = lefts.find(c);
    return it == lefts.end() ? 0 : it->second;
  }
  void SetFocus(Ctl c) override { focus_moves.push_back(c); }
  int ControlWidth(Ctl c) override {
    auto it = widths.find(c);
    return it == widths.end() ? 0 : it->second;
  }
  std::optional<std::string> ChooseFolder(std::string_view title, std::string_view preselected) override {
    folder_choices.push_back({std::string(title), std::string(preselected)});
    if (chosen_folders.empty()) return std::nullopt;
    auto chosen = chosen_folders.front();
    chosen_folders.pop_front();
    return chosen;
  }
  void OpenInFileManager(std::string_view folder) override { file_manager_folders.emplace_back(folder); }
  std::vector<std::string> documents;
  void OpenDocument(std::string_view path) override { documents.emplace_back(path); }
  int RunFolderForm(const FolderFormRequest& request,
                    const std::function<bool(const std::string&)>& rename) override {
    folder_forms.push_back(request);
    if (folder_form_replies.empty()) return kFolderFormClose;
    const FolderFormReply reply = folder_form_replies.front();
    folder_form_replies.pop_front();
    for (const std::string& name : reply.renames) {
      if (rename(name)) return kFolderFormClose;
    }
    return reply.result;
  }

  // The rename dialog and the name dialog: the requests they opened with and
  // scripted replies (none left: cancelled or closed).
  std::vector<RenameFormRequest> rename_forms;
  std::deque<std::optional<std::string>> rename_replies;
  int make_folder_forms = 0;
  std::deque<std::optional<std::string>> make_folder_replies;

  std::optional<std::string> RunRenameForm(const RenameFormRequest& request) override {
    rename_forms.push_back(request);
    return Pop(rename_replies);
  }
  std::optional<std::string> RunMakeFolderForm() override {
    ++make_folder_forms;
    return Pop(make_folder_replies);
  }

  // The file-open dialog's calls and scripted answers (none left:
  // cancelled), and the paths sent to the trash, which the fake deletes
  // unless the trash is to refuse.
  struct OpenFileChoice {
    std::string title;
    std::string initial_folder;
    std::string proposed_name;
  };
  std::vector<OpenFileChoice> open_file_choices;
  std::deque<std::optional<std::string>> chosen_files;
  std::vector<std::string> trashed;
  bool trash_refuses = false;

  std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view initial_folder,
                                            std::string_view proposed_name) override {
    open_file_choices.push_back({std::string(title), std::string(initial_folder), std::string(proposed_name)});
    if (chosen_files.empty()) return std::nullopt;
    auto chosen = chosen_files.front();
    chosen_files.pop_front();
    return chosen;
  }
  bool MoveToTrash(std::string_view path) override {
    trashed.emplace_back(path);
    if (trash_refuses) return false;
    std::error_code ec;
    return std::filesystem::remove(std::filesystem::path(std::string(path)), ec);
  }
  // A file kept under a hidden name is listed as the path it had.
  bool MoveToTrashAs(std::string_view path, std::string_view original) override {
    trashed.emplace_back(original);
    if (trash_refuses) return false;
    std::error_code ec;
    return std::filesystem::remove(std::filesystem::path(std::string(path)), ec);
  }

  // The brightness dialog: what the user does in it (moves of the bars
  // through the model) and whether it is confirmed; unset, it is cancelled
  // untouched. The number of times it opened.
  std::function<bool(AkarusaModel&)> akarusa_form;
  int akarusa_forms = 0;
  // The sharpness dialog: the values it opened with and scripted choices
  // (none left: cancelled).
  std::vector<std::int32_t> sharp_forms;
  std::deque<std::optional<std::int32_t>> sharp_form_choices;

  bool RunAkarusaForm(AkarusaModel& model) override {
    ++akarusa_forms;
    return akarusa_form ? akarusa_form(model) : false;
  }
  std::optional<std::int32_t> RunSharpForm(std::int32_t sharpness) override {
    sharp_forms.push_back(sharpness);
    if (sharp_form_choices.empty()) return std::nullopt;
    const std::optional<std::int32_t> chosen = sharp_form_choices.front();
    sharp_form_choices.pop_front();
    return chosen;
  }

  // The camera-slot settings dialog: what the user does in it, and whether
  // it is confirmed; unset, it is cancelled untouched.
  std::function<bool(CameraSlotsEdit&)> tensou_set_form;
  int tensou_set_forms = 0;
  bool RunTensouSetForm(CameraSlotsEdit& edit) override {
    ++tensou_set_forms;
    return tensou_set_form ? tensou_set_form(edit) : false;
  }
  // The transfer's confirmation window: the requests it opened with, and
  // what the user does in it (unset: "実行" with the boxes as they are).
  std::vector<TensouFormRequest> tensou_forms;
  std::function<bool(TensouFormRequest&)> tensou_form;
  bool RunTensouForm(TensouFormRequest& request) override {
    tensou_forms.push_back(request);
    return tensou_form ? tensou_form(request) : true;
  }
  // The progress window: runs the engine tick by tick, and presses
  // "キャンセル" after cancel_after_steps ticks when that is set. The texts it
  // showed, one per tick.
  int cancel_after_steps = -1;
  int transfer_steps = 0;
  std::vector<std::string> count_texts;
  std::vector<std::int32_t> percents;
  void RunTransferProgress(TransferEngine& engine) override {
    engine.Start();
    int steps = 0;
    while (true) {
      if (steps == cancel_after_steps) {
        engine.Cancel();
        break;
      }
      const bool more = engine.Step();
      ++steps;
      ++transfer_steps;
      if (count_texts.empty() || count_texts.back() != engine.CountText()) {
        count_texts.push_back(engine.CountText());
        percents.push_back(engine.Percent());
      }
      if (!more) break;
    }
  }

  // The help window (title and text of each showing, the title it shows),
  // programs started, new windows, and the application settings dialog
  // (what the user does in it; unset, it is cancelled untouched).
  std::vector<std::pair<std::string, std::string>> help_windows;
  std::string help_title;
  std::vector<std::vector<std::string>> programs;
  std::vector<std::string> new_instances;
  std::function<bool(OneBasedArray<std::string, 3>&)> app_set_form;
  int app_set_forms = 0;
  int app_caption_refreshes = 0;
  void ShowHelpWindow(std::string_view title, std::string_view text) override {
    help_windows.emplace_back(title, text);
    help_title = std::string(title);
  }
  bool RaiseHelpWindow(std::string_view title) override { return !help_title.empty() && help_title == title; }
  bool StartProgram(const std::vector<std::string>& arguments) override {
    programs.push_back(arguments);
    return true;
  }
  bool StartNewInstance(std::string_view photo) override {
    new_instances.emplace_back(photo);
    return true;
  }
  bool RunAppSetForm(OneBasedArray<std::string, 3>& paths) override {
    ++app_set_forms;
    return app_set_form ? app_set_form(paths) : false;
  }
  void RefreshAppCaptions() override { ++app_caption_refreshes; }

  // The lines of the last box shown, or nothing.
  std::vector<std::string> LastLines() const { return boxes.empty() ? std::vector<std::string>{} : boxes.back().lines; }
  std::string Text(Ctl c) const {
    auto it = texts.find(c);
    return it == texts.end() ? std::string() : it->second;
  }

 private:
  static std::optional<std::string> Pop(std::deque<std::optional<std::string>>& replies) {
    if (replies.empty()) return std::nullopt;
    std::optional<std::string> reply = replies.front();
    replies.pop_front();
    return reply;
  }
  int Next(int fallback) {
    if (answers.empty()) return fallback;
    const int a = answers.front();
    answers.pop_front();
    return a;
  }
};

}  // namespace lumetta::testing_support
