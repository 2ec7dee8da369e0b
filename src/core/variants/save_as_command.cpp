#include "core/variants/save_as_command.h"

#include <string>
#include <vector>

#include "core/base/paths.h"
#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/variants/lum_forms.h"

namespace lumetta {

namespace {

std::vector<std::string> ExplanationLines(SaveCommandSource source) {
  return {source == SaveCommandSource::Button ? "このボタンは、現在表示されている写真を"
                                              : "このメニューは、現在表示されている写真を",
          "「Lumetta形式（.lum）」で保存したいとき",
          "に使います。",
          "現在表示されているままの状態（サイズや明るさなど）を",
          "小さなファイルサイズで保存できます。",
          "また、「コメント」も付けることができます。",
          "コメントは、『Ｆ８』キーを押すことで、表示／非表示",
          "の切り替えができます。"};
}

void OpenExport(AppState& state) { CallHook(state.hooks.OpenExport); }

}  // namespace

void SaveAsEditedPhoto(AppState& state, UserInterface& ui, SaveCommandSource source) {
  if (!state.UiReady) return;
  if (!state.PhotoShown()) {
    // The key explains itself before it gets here.
    if (source != SaveCommandSource::Key) ui.ShowMessageBox(ExplanationLines(source));
    return;
  }
  if (state.InPanorama()) {
    switch (source) {
      case SaveCommandSource::Button:
        OpenExport(state);
        break;
      case SaveCommandSource::Menu: {
        std::vector<std::string> lines = ExplanationLines(source);
        lines.resize(5);
        lines.push_back("パノラマモード時には、使用できません。");
        ui.ShowMessageBox(lines);
        break;
      }
      case SaveCommandSource::Key:
        ui.ShowMessageBox({"パノラマモード時は、Lumetta形式（.lum）での保存は",
                           "できません。保存したい写真をダブルクリックしたのち", "保存をおこなってください。"});
        break;
    }
    return;
  }
  if (!IsDirectory(state.current.Folder)) {
    if (source != SaveCommandSource::Button) {
      ui.ShowMessageBox({"書庫ファイルの中の写真は、Lumetta形式（.lum）での", "保存はできません。"});
    }
    OpenExport(state);
    return;
  }
  int result = kLumFormCancelled;
  {
    LumSaveModel model(state, ui);
    result = ui.RunLumSaveForm(model);
  }
  if (result == kLumFormHandOver) OpenExport(state);
}

bool RenameEditedPhoto(AppState& state, UserInterface& ui) {
  LumRenameModel model(state, ui);
  return ui.RunLumRenameForm(model) == kLumFormHandOver;
}

}  // namespace lumetta
