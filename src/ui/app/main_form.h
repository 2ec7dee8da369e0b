#pragma once
// TMainForm: the main window. It lays out its controls and forwards events;
// the operations behind them live in the core.

#include <QMainWindow>
#include <functional>
#include <map>
#include <memory>

#include "core/state/app_state.h"
#include "core/state/key_map.h"
#include "ui/app/main_menu.h"
#include "ui/app/main_panels.h"
#include "ui/app/qt_user_interface.h"
#include "ui/library/folder_panel.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  TMainForm(AppState& state, QtUserInterface& ui, QWidget* parent = nullptr);
  ~TMainForm() override;

  QWidget* ClientArea() const { return client_; }
  PictureWidget* ViewImg() const { return view_img_; }
  const MainMenu& Menus() const { return menus_; }
  const MainPanels& Panels() const { return panels_; }
  // The folder panel's slots, tree and buttons.
  FolderPanel& Folders() const { return *folder_panel_; }

  // Gives the client area (below the menu bar) a fixed size.
  void SetClientSize(int width, int height);
  // Places ViewImg at its layout origin with the view size and gives
  // ViewPicture that size, filled grey.
  void PlaceView(int left, int top);

  // Binds a command of the keyboard map to its handler; the handler gets
  // the Shift state. Commands without a handler do nothing.
  void SetKeyHandler(KeyCommand command, std::function<void(bool shift)> handler);
  // The keyboard map: what a key press does in the main window.
  void FormKeyDown(Key key, bool shift, bool ctrl);

  // Asked when the window is to close; true lets it close.
  std::function<bool()> OnCloseQuery;
  // Every activation of the window.
  std::function<void()> OnActivate;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool event(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  AppState& state_;
  QtUserInterface& ui_;
  QWidget* client_ = nullptr;
  PictureWidget* view_img_ = nullptr;
  MainMenu menus_;
  MainPanels panels_;
  std::unique_ptr<FolderPanel> folder_panel_;
  std::map<KeyCommand, std::function<void(bool)>> key_handlers_;
  bool key_running_ = false;
};

// The program's key of a Qt key code.
Key KeyOfQt(int qt_key);

}  // namespace lumetta::ui
