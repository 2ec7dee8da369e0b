#pragma once
// The export's places in the main window: "編集" → "表示されている状態でJPEG,BMP
// 保存" (and so its twin in the view's pop-up menu), the hand-over from the
// edited-photo save, and the windows the export opens: its dialog, the file
// dialog and the comment overlays it copies.

#include <QObject>

#include "core/export/export_command.h"

class QAction;
class QWidget;

namespace lumetta::ui {

class QtUserInterface;
class TMainForm;

class ExportControls : public QObject, public ExportWindows {
  Q_OBJECT
 public:
  ExportControls(AppState& state, QtUserInterface& ui, TMainForm& form);
  ~ExportControls() override;

  bool RunExportForm(ExportChoices& choices, bool whole_enabled) override;
  std::optional<std::string> ChooseExportFile(const ExportFileRequest& request) override;
  std::vector<ShownOverlay> ShownComments() override;
  void StartEditedPhotoSave() override;

  QAction* HenshuSaveMenu = nullptr;

 private:
  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  ExportSession session_;
};

}  // namespace lumetta::ui
