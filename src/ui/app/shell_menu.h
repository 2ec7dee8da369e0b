#pragma once
// The menu items of the help texts, the documents, the version box and
// "他のアプリケーションで開く", and F1.

#include <QMenu>
#include <QObject>
#include <array>

#include "core/state/app_state.h"
#include "ui/app/main_form.h"
#include "ui/app/qt_user_interface.h"

namespace lumetta::ui {

class ShellMenu : public QObject {
 public:
  ShellMenu(AppState& state, QtUserInterface& ui, TMainForm& form);

  QMenu* OtherAppMenu = nullptr;  // "他のアプリケーションで開く"
  std::array<QAction*, 3> AppMenus{};

 private:
  QAction* Add(QMenu* menu, const char* name, const QString& caption, std::function<void()> command);
  void Run(const std::function<void()>& command);
  void RefreshCaptions();

  AppState& state_;
  QtUserInterface& ui_;
};

}  // namespace lumetta::ui
