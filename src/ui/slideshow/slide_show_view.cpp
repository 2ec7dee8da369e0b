#include "ui/slideshow/slide_show_view.h"

#include <QAction>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include "core/app/show_photo.h"
#include "core/base/exception.h"
#include "core/slideshow/slide_form_model.h"
#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/slideshow/slide_form.h"

namespace lumetta::ui {

SlideShowView::SlideShowView(AppState& state, QtUserInterface& ui, TMainForm& form)
    : QObject(&form), state_(state), ui_(ui), form_(form), clock_(new QtSlideClock(this)) {
  show_ = std::make_unique<SlideShow>(state_, ui_, *clock_, *this);
  clock_->OnWake = [this] { Run([this] { show_->Wake(); }); };

  // First in "コマンド"; the view's pop-up menu takes the same item.
  QMenu* command = form.Menus().CommandMenu;
  SlideMenu = new QAction("スライドショー ［Ｆ9］", command);
  SlideMenu->setObjectName("SlideMenu");
  command->insertAction(command->actions().value(0), SlideMenu);
  connect(SlideMenu, &QAction::triggered, this, [this] { SlideMenuClick(); });
  form.SetKeyHandler(KeyCommand::SlideShow, [this](bool) { SlideMenuClick(); });

  state_.hooks.StopSlideShow = [this] { Run([this] { show_->Stop(); }); };
  // Leaving the program for another window stops the show.
  connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState s) {
    if (s != Qt::ApplicationActive && show_->Running()) Run([this] { show_->Stop(); });
  });
}

SlideShowView::~SlideShowView() {
  state_.hooks.StopSlideShow = nullptr;
  if (filtering_) qApp->removeEventFilter(this);
  // The show ends with its view; the inhibitor lets the screen saver back.
  show_.reset();
}

void SlideShowView::SlideMenuClick() {
  if (show_->Running()) {
    Run([this] { show_->Stop(); });
    return;
  }
  if (!state_.UiReady) return;
  OpenSlideForm();
}

void SlideShowView::OpenSlideForm() {
  const bool full_screen_start = StartFullScreen && !state_.FullScreenActive;
  // Over the full-screen view while it is open.
  QWidget* owner = full_screen_window_ != nullptr ? full_screen_window_.data() : static_cast<QWidget*>(&form_);
  TSlideForm dialog(SlideFormValuesOf(state_), full_screen_start, owner);
  bool stored = false;
  dialog.Store = [this, &stored](const SlideFormValues& values) {
    Run([&] { stored = StoreSlideForm(state_, ui_, values); });
    return stored;
  };
  if (OnSlideForm) OnSlideForm(dialog);
  const SlideFormAction action = dialog.Run();
  if (action == SlideFormAction::Start) {
    if (state_.FullScreenActive) {
      StartInFullScreen();
    } else {
      StartInMainView();
    }
  } else if (action == SlideFormAction::FullScreenStart && StartFullScreen) {
    StartFullScreen();
  }
}

void SlideShowView::StartInMainView() {
  if (show_->Running()) return;
  // Keys and clicks belong to the show from now on.
  qApp->installEventFilter(this);
  filtering_ = true;
  Run([this] { show_->Start(SlideTarget{&state_.ViewPicture, Picture::ViewImg, false}); });
}

void SlideShowView::StartInFullScreen() {
  if (show_->Running() || !state_.FullScreenActive) return;
  qApp->installEventFilter(this);
  filtering_ = true;
  Run([this] { show_->Start(SlideTarget{&state_.FullPicture, Picture::FullImg, true}); });
}

void SlideShowView::Run(const std::function<void()>& work) { RunCommand(ui_, work); }

void SlideShowView::PreparePhoto(std::int32_t position, std::int32_t step) {
  // A photo that fails to show is the read error's black frame; the show
  // goes on without a box for it.
  try {
    ShowPhoto(state_, ui_, position, step);
  } catch (const Exception&) {
    ShowReadError(state_, ui_, position, false);
  }
}

void SlideShowView::PaintNow(Picture picture, const PixelRect& changed) {
  QWidget* window = ui_.PictureWindow(picture);
  if (window == nullptr) return;
  window->repaint(changed.left, changed.top, changed.right - changed.left, changed.bottom - changed.top);
}

void SlideShowView::InhibitSleep() { inhibitor_.Inhibit("Lumetta", "スライドショー"); }

void SlideShowView::ReleaseSleep() { inhibitor_.Release(); }

void SlideShowView::ShowEnded() {
  if (!filtering_) return;
  qApp->removeEventFilter(this);
  filtering_ = false;
}

bool SlideShowView::eventFilter(QObject* watched, QEvent* event) {
  // A box that the show brings up (a folder with too many photos) takes its
  // own keys and clicks.
  if (!show_->Running() || QApplication::activeModalWidget() != nullptr) return QObject::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::KeyPress: {
      const Key key = KeyOfQt(static_cast<QKeyEvent*>(event)->key());
      Run([this, key] { show_->KeyPressed(key); });
      return true;
    }
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
      Run([this] { show_->Stop(); });
      return true;
    case QEvent::MouseButtonRelease:
    case QEvent::Wheel:
      // The press stopped the show; the rest of the click does nothing.
      return true;
    default:
      return QObject::eventFilter(watched, event);
  }
}

}  // namespace lumetta::ui
