#pragma once
// The main window's side of UserInterface: named controls, message boxes,
// cursors and picture repaints.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/state/user_interface.h"

class QAction;

namespace lumetta::ui {

class THelpForm;

class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* main_window = nullptr) : main_window_(main_window) {}

  void SetMainWindow(QWidget* main_window) { main_window_ = main_window; }
  // The window the message boxes belong to instead of the main window (the
  // full-screen view while it is open), or nullptr.
  void SetDialogOwner(QWidget* owner) { dialog_owner_ = owner; }
  void Register(Ctl control, QObject* widget_or_action);
  void RegisterPicture(Picture picture, QWidget* widget);
  // Where the view's cursor goes.
  void RegisterViewWidget(QWidget* view) { view_ = view; }
  QObject* Control(Ctl control) const { return controls_.value(control); }
  // Where a label stands can depend on its text: place runs after every new
  // text of control.
  void PlaceOnText(Ctl control, std::function<void(QWidget&)> place);
  // The window that shows a picture, or nullptr.
  QWidget* PictureWindow(Picture picture) const { return pictures_.value(picture); }

  void ShowMessageBox(const std::vector<std::string>& lines) override;
  void ReportError(const Exception& failure) override;
  int AskYesNo(const std::vector<std::string>& lines) override;
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) override;

  void SetText(Ctl control, std::string_view text) override;
  void SetHint(Ctl control, std::string_view hint) override;
  void SetChecked(Ctl control, bool checked) override;
  void SetEnabled(Ctl control, bool enabled) override;
  void SetVisible(Ctl control, bool visible) override;
  void SetTextColour(Ctl control, Colour colour) override;
  void SetCaption(std::string_view caption) override;
  void SetBusy(bool busy) override;
  void SetViewCursor(CursorKind cursor) override;
  void RepaintPicture(Picture picture) override;
  void ProcessPendingPaints() override;

  std::optional<std::pair<int, int>> MainWindowPosition() override;
  void SetTop(Ctl control, int top) override;
  void SetLeft(Ctl control, int left) override;
  void SetWidth(Ctl control, int width) override;
  int ControlLeft(Ctl control) override;
  void SetFocus(Ctl control) override;
  int ControlWidth(Ctl control) override;
  int TextWidth(Ctl control, std::string_view text) override;
  std::optional<std::string> ChooseFolder(std::string_view title, std::string_view preselected) override;
  void OpenInFileManager(std::string_view folder) override;
  void OpenDocument(std::string_view path) override;
  int RunFolderForm(const FolderFormRequest& request, const std::function<bool(const std::string&)>& rename) override;
  std::optional<std::string> RunRenameForm(const RenameFormRequest& request) override;
  std::optional<std::string> RunMakeFolderForm() override;
  std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view initial_folder,
                                            std::string_view proposed_name) override;
  bool MoveToTrash(std::string_view path) override;
  bool MoveToTrashAs(std::string_view path, std::string_view original) override;
  bool RunAkarusaForm(AkarusaModel& model) override;
  std::optional<std::int32_t> RunSharpForm(std::int32_t sharpness) override;
  int RunLumSaveForm(LumSaveModel& model) override;
  int RunLumRenameForm(LumRenameModel& model) override;
  bool RunTensouSetForm(CameraSlotsEdit& edit) override;
  bool RunTensouForm(TensouFormRequest& request) override;
  void RunTransferProgress(TransferEngine& engine) override;
  void ShowHelpWindow(std::string_view title, std::string_view text) override;
  bool RaiseHelpWindow(std::string_view title) override;
  bool StartProgram(const std::vector<std::string>& arguments) override;
  bool StartNewInstance(std::string_view photo) override;
  bool RunAppSetForm(OneBasedArray<std::string, 3>& paths) override;
  void RefreshAppCaptions() override;

  // What renames the menus' application items.
  void OnAppCaptionsChanged(std::function<void()> refresh) { refresh_app_captions_ = std::move(refresh); }

 private:
  QWidget* BoxOwner() const { return dialog_owner_ ? dialog_owner_.data() : main_window_.data(); }

  QPointer<QWidget> main_window_;
  QPointer<QWidget> dialog_owner_;
  QPointer<QWidget> view_;
  QHash<Ctl, QObject*> controls_;
  QHash<Ctl, std::function<void(QWidget&)>> placers_;
  QHash<Picture, QWidget*> pictures_;
  int busy_depth_ = 0;
  // The file-open dialog's folder, set the first time it opens.
  QString open_dialog_folder_;
  QPointer<THelpForm> help_form_;
  std::function<void()> refresh_app_captions_;
};

QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);

}  // namespace lumetta::ui
