#pragma once
// The full-screen view in the program: "全画面表示 ［Ｆ11］" in "画面サイズ",
// "この写真を画面いっぱいに表示 ［Ｆ11］" in the view's pop-up menu, F11, the
// middle button on the view and the slide show's "全画面スタート" open it on
// the main window's screen; its closing keys, the right and middle buttons
// close it and bring the main window back.

#include <QObject>
#include <QPointer>

#include "core/state/app_state.h"
#include "core/view/full_screen.h"
#include "ui/app/qt_user_interface.h"

class QAction;

namespace lumetta::ui {

class CommentOverlay;
class SlideShowView;
class TFullGamenForm;
class TMainForm;

class FullScreenController : public QObject {
  Q_OBJECT
 public:
  FullScreenController(AppState& state, QtUserInterface& ui, TMainForm& form, SlideShowView& slides,
                       CommentOverlay& comments);
  ~FullScreenController() override;

  // Opens the view; with slide_show the slide show starts in it.
  void Open(bool slide_show);
  void Close();

  // The open window, or nullptr.
  TFullGamenForm* Form() const;

  QAction* FullGamenMenu = nullptr;
  QAction* FullGamenMenuP = nullptr;

 private:
  void MenuClick();

  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  SlideShowView& slides_;
  CommentOverlay& comments_;
  FullScreenView view_;
  QPointer<TFullGamenForm> window_;
};

}  // namespace lumetta::ui
