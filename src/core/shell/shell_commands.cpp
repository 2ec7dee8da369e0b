#include "core/shell/shell_commands.h"

#include "core/base/data_file.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/records/edited_names.h"
#include "core/shell/desktop_entry.h"
#include "core/state/app_state.h"
#include "core/state/settings_file.h"
#include "core/state/version.h"
#include "core/state/user_interface.h"

namespace lumetta {

namespace {

const std::vector<std::string> kPanoramaRefusal = {
    "現在パノラマモードになっていますので", "他のアプリケーションで開くことはできません。",
    "開きたい写真をダブルクリックしたのち", "このメニューを実行してください。"};

std::string ShownPhotoPath(const AppState& state) { return JoinPath(state.current.Folder, state.current.Name); }

// A file of the program's folder found whatever the case of each part.
std::string AppFile(const AppState& state, std::string_view folder, std::string_view name) {
  std::string path = state.folders.AppFolder;
  if (!folder.empty()) path = ResolveInFolder(path, folder);
  return ResolveInFolder(path, name);
}

std::string JoinedLines(const std::vector<std::string>& lines) {
  std::string text;
  for (std::size_t i = 0; i < lines.size(); ++i) {
    if (i > 0) text += '\n';
    text += lines[i];
  }
  return text;
}

}  // namespace

const HelpText& HelpTextOf(HelpTopic topic) {
  static const HelpText kFirstUse{"◎「Lumetta」を使ってできること", "Hajimete.txt"};
  static const HelpText kKeyboard{"◎キーボードでの操作一覧", "Keybord.txt"};
  static const HelpText kCautions{"◎使用上の注意点", "Chuui.txt"};
  static const HelpText kNotes{"◎より楽しく使うための補足説明", "Hosoku.txt"};
  switch (topic) {
    case HelpTopic::FirstUse: return kFirstUse;
    case HelpTopic::Keyboard: return kKeyboard;
    case HelpTopic::Cautions: return kCautions;
    case HelpTopic::Notes: break;
  }
  return kNotes;
}

void ShowHelpText(AppState& state, UserInterface& ui, HelpTopic topic) {
  const HelpText& help = HelpTextOf(topic);
  if (topic == HelpTopic::FirstUse && ui.RaiseHelpWindow(help.Title)) return;
  const std::string text = JoinedLines(ReadDataFileLines(AppFile(state, "Lumdat", help.File)));
  ui.ShowHelpWindow(help.Title, text);
}

void ManualMenuClick(AppState& state, UserInterface& ui) { ui.OpenDocument(AppFile(state, "Manual", "index.html")); }

void HomePageMenuClick(AppState& state, UserInterface& ui) { ui.OpenDocument(AppFile(state, "", "Homepage.html")); }

const std::vector<std::string>& VersionLines() {
  static const std::vector<std::string> lines = {std::string("「Lumetta」ver") + kVersionText};
  return lines;
}

void VerMnuClick(UserInterface& ui) { ui.ShowMessageBox(VersionLines()); }

void NewOpenMenuClick(AppState& state, UserInterface& ui) {
  if (state.InPanorama()) {
    ui.ShowMessageBox({"現在パノラマモードになっていますので", "新しいウィンドウで開くことはできません。",
                       "開きたい写真をダブルクリックしたのち", "このメニューを実行してください。"});
    return;
  }
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このメニューは、現在表示されている写真を", "新しいウィンドウで開きたいときに使います。"});
    return;
  }
  WriteSettingsFile(state, ui);
  ui.StartNewInstance(ShownPhotoPath(state));
}

std::string PrepareExternalOpen(UserInterface& ui, std::string_view path) {
  std::string name = FileNameOf(path);
  const std::string folder = ParentFolder(path);
  if (IsEditedPhotoName(name)) {
    name = FileNameOf(SourcePhotoName(path));
    if (IsRegularFile(JoinPath(folder, name)) &&
        ui.AskYesNo({"現在、Lumetta形式（.lum）の写真を表示中です。", "Lumetta形式（.lum）ファイルは、今現在、",
                     "他のソフトで開くことはできません。代わりに", "元画像ファイル「" + name + "」",
                     "を開きますか？"}) != 1) {
      return {};
    }
  }
  if (!IsRegularFile(JoinPath(folder, name))) {
    ui.ShowMessageBox({"現在表示中の写真は、書庫ファイル内の写真か", "もしくはファイルが移動されているため",
                       "他のソフトで開くことはできません。"});
    return {};
  }
  return name;
}

void IEOpenMenuClick(AppState& state, UserInterface& ui) {
  if (state.InPanorama()) {
    ui.ShowMessageBox(kPanoramaRefusal);
    return;
  }
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このメニューは、現在表示されている写真を", "インターネットエクスプローラで開きたいとき",
                       "に使います。"});
    return;
  }
  const std::string name = PrepareExternalOpen(ui, ShownPhotoPath(state));
  if (!name.empty()) ui.OpenDocument(JoinPath(state.current.Folder, name));
}

void OpenWithApp(AppState& state, UserInterface& ui, std::int32_t n) {
  if (state.InPanorama()) {
    ui.ShowMessageBox(kPanoramaRefusal);
    return;
  }
  if (!state.PhotoShown()) {
    ui.ShowMessageBox({"このメニューは、現在表示されている写真を", "他のアプリケーションで開きたいとき", "に使います。"});
    return;
  }
  if (state.settings.AppPaths[n].empty()) AppSetMenuClick(state, ui);
  const std::string app = state.settings.AppPaths[n];
  if (app.empty()) return;
  if (!IsRegularFile(app)) {
    ui.ShowMessageBox({"アプリケーションのショートカットが", "見つかりませんでした。"});
    return;
  }
  const std::string name = PrepareExternalOpen(ui, ShownPhotoPath(state));
  if (name.empty()) return;
  const std::string file = JoinPath(state.current.Folder, name);
  const std::vector<std::string> arguments = SameNameIgnoringCase(ExtensionOf(app), ".desktop")
                                                 ? ExecArguments(ReadDesktopEntry(app), file)
                                                 : std::vector<std::string>{app, file};
  if (!ui.StartProgram(arguments)) ui.ShowMessageBox({"アプリケーションを起動できませんでした。", arguments.front()});
}

std::string AppMenuCaption(const AppState& state, std::int32_t n) {
  const std::string& app = state.settings.AppPaths[n];
  if (app.empty()) {
    static const char* const kUnset[] = {"（アプリケーション１）", "（アプリケーション２）", "（アプリケーション３）"};
    return kUnset[n - 1];
  }
  return ApplicationCaption(app);
}

void AppSetMenuClick(AppState& state, UserInterface& ui) {
  OneBasedArray<std::string, 3> paths = state.settings.AppPaths;
  if (!ui.RunAppSetForm(paths)) return;
  state.settings.AppPaths = paths;
  WriteSettingsFile(state, ui);
  ui.RefreshAppCaptions();
}

}  // namespace lumetta
