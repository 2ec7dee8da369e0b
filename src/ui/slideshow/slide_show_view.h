#pragma once
// The main window's side of the slide show: the menu item "スライドショー
// ［Ｆ9］" (in "コマンド" and the view's pop-up menu) and F9, the settings
// dialog, and the running show: its clock, its paints, the screen saver
// held off, and the keys and clicks that step or stop it.

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/slideshow/slide_show.h"
#include "core/state/app_state.h"
#include "platform/sleep_inhibitor.h"
#include "ui/app/qt_user_interface.h"
#include "ui/slideshow/qt_slide_clock.h"

class QAction;

namespace lumetta::ui {

class TMainForm;
class TSlideForm;

class SlideShowView : public QObject, public SlideShowHost {
  Q_OBJECT
 public:
  SlideShowView(AppState& state, QtUserInterface& ui, TMainForm& form);
  ~SlideShowView() override;

  // The menu item and F9: stops a running show, or opens the dialog.
  void SlideMenuClick();
  // Starts the show in the main view (after the dialog's "スタート").
  void StartInMainView();
  // Starts the show in the open full-screen view.
  void StartInFullScreen();
  // The full-screen window while it is open: the dialog opens over it and
  // "スタート" starts the show there.
  void SetFullScreenWindow(QWidget* window) { full_screen_window_ = window; }

  SlideShow& Show() { return *show_; }
  QAction* SlideMenu = nullptr;
  // Opens the full-screen view, which starts the show there; while it is
  // unset (or the view is open) "全画面スタート" is disabled.
  std::function<void()> StartFullScreen;
  // Called with the dialog before it runs (tests answer it).
  std::function<void(TSlideForm&)> OnSlideForm;

  // SlideShowHost.
  void PreparePhoto(std::int32_t position, std::int32_t step) override;
  void PaintNow(Picture picture, const PixelRect& changed) override;
  void InhibitSleep() override;
  void ReleaseSleep() override;
  void ShowEnded() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void OpenSlideForm();
  // Runs a step of the show; an error that ends it is reported after it.
  void Run(const std::function<void()>& work);

  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  QtSlideClock* clock_;
  std::unique_ptr<SlideShow> show_;
  platform::SleepInhibitor inhibitor_;
  bool filtering_ = false;
  QPointer<QWidget> full_screen_window_;
};

}  // namespace lumetta::ui
