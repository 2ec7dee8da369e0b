#pragma once
// TMainForm: the main window. It lays out its controls and forwards events;
// the operations behind them live in the core.

#include <QMainWindow>
#include <functional>

#include "core/app/app_state.h"
#include "ui/app/main_menu.h"
#include "ui/app/qt_user_interface.h"
#include "ui/view/picture_widget.h"

namespace lumetta::ui {

class TMainForm : public QMainWindow {
  Q_OBJECT
 public:
  TMainForm(AppState& state, QtUserInterface& ui, QWidget* parent = nullptr);

  QWidget* ClientArea() const { return client_; }
  PictureWidget* ViewImg() const { return view_img_; }
  const MainMenu& Menus() const { return menus_; }

  // Gives the client area (below the menu bar) a fixed size.
  void SetClientSize(int width, int height);
  // Places ViewImg at its layout origin with the view size and gives
  // ViewPicture that size, filled grey.
  void PlaceView(int left, int top);

  // Asked when the window is to close; true lets it close.
  std::function<bool()> OnCloseQuery;
  // The first showing and every activation.
  std::function<void()> OnFirstShow;
  std::function<void()> OnActivate;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  bool event(QEvent* event) override;

 private:
  AppState& state_;
  QtUserInterface& ui_;
  QWidget* client_ = nullptr;
  PictureWidget* view_img_ = nullptr;
  MainMenu menus_;
  bool shown_ = false;
};

}  // namespace lumetta::ui
