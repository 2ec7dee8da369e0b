#pragma once
// The main window's side of UserInterface: named controls, message boxes,
// cursors and picture repaints.

#include <QHash>
#include <QPointer>
#include <QWidget>
#include <functional>

#include "core/app/user_interface.h"

class QAction;

namespace lumetta::ui {

class QtUserInterface : public UserInterface {
 public:
  explicit QtUserInterface(QWidget* main_window = nullptr) : main_window_(main_window) {}

  void SetMainWindow(QWidget* main_window) { main_window_ = main_window; }
  void Register(Ctl control, QObject* widget_or_action);
  void RegisterPicture(Picture picture, QWidget* widget);
  // Where the view's cursor goes.
  void RegisterViewWidget(QWidget* view) { view_ = view; }
  QObject* Control(Ctl control) const { return controls_.value(control); }

  void ShowMessageBox(const std::vector<std::string>& lines) override;
  int AskYesNo(const std::vector<std::string>& lines) override;
  int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) override;

  void SetText(Ctl control, std::string_view text) override;
  void SetHint(Ctl control, std::string_view hint) override;
  void SetChecked(Ctl control, bool checked) override;
  void SetEnabled(Ctl control, bool enabled) override;
  void SetVisible(Ctl control, bool visible) override;
  void SetTextColour(Ctl control, Colour colour) override;
  void SetLeft(Ctl control, int left) override;
  void SetCaption(std::string_view caption) override;
  void SetBusy(bool busy) override;
  void SetViewCursor(CursorKind cursor) override;
  void RepaintPicture(Picture picture) override;
  void ProcessPendingPaints() override;

 private:
  QPointer<QWidget> main_window_;
  QPointer<QWidget> view_;
  QHash<Ctl, QObject*> controls_;
  QHash<Picture, QWidget*> pictures_;
  int busy_depth_ = 0;
};

QString ToQString(std::string_view utf8);
std::string FromQString(const QString& text);

}  // namespace lumetta::ui
