#include "ui/app/full_screen_controller.h"

#include <QAction>
#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QScreen>

#include "ui/app/command_runner.h"
#include "ui/app/main_form.h"
#include "ui/slideshow/slide_show_view.h"
#include "ui/view/comment_overlay.h"
#include "ui/view/full_gamen_form.h"

namespace lumetta::ui {

FullScreenController::FullScreenController(AppState& state, QtUserInterface& ui, TMainForm& form,
                                           SlideShowView& slides, CommentOverlay& comments)
    : QObject(&form), state_(state), ui_(ui), form_(form), slides_(slides), comments_(comments), view_(state, ui) {
  QMenu* size = form.Menus().SizeMenu;
  size->addSeparator();
  FullGamenMenu = size->addAction("全画面表示 ［Ｆ11］");
  FullGamenMenu->setObjectName("FullGamenMenu");
  connect(FullGamenMenu, &QAction::triggered, this, [this] { MenuClick(); });

  // In the view's pop-up menu after the thumbnail's item.
  if (auto* popup = form.findChild<QMenu*>("ViewImgPop")) {
    FullGamenMenuP = new QAction("この写真を画面いっぱいに表示 ［Ｆ11］", popup);
    FullGamenMenuP->setObjectName("FullGamenMenuP");
    QAction* before = nullptr;
    const QList<QAction*> items = popup->actions();
    for (qsizetype i = 0; i + 1 < items.size(); ++i) {
      if (items[i]->objectName() == "ThumbnailMenuP") before = items[i + 1];
    }
    popup->insertAction(before, FullGamenMenuP);
    connect(FullGamenMenuP, &QAction::triggered, this, [this] { MenuClick(); });
  }

  form.SetKeyHandler(KeyCommand::FullScreen, [this](bool) { Open(false); });
  state_.view.hooks.OpenFullScreen = [this] { Open(false); };
  slides_.StartFullScreen = [this] { Open(true); };
}

FullScreenController::~FullScreenController() {
  state_.view.hooks.OpenFullScreen = nullptr;
  slides_.StartFullScreen = nullptr;
  delete window_.data();
}

TFullGamenForm* FullScreenController::Form() const { return window_.data(); }

void FullScreenController::MenuClick() {
  if (!state_.UiReady) return;
  if (!state_.PhotoShown()) {
    ui_.ShowMessageBox({"このメニューは、現在表示されている写真を", "画面いっぱいに表示するときに使います。",
                        "（画面いっぱい表示のまま、『Z』『X』などの", "　キーも使えます。『ESC』キーで戻ります）"});
    return;
  }
  Open(false);
}

void FullScreenController::Open(bool slide_show) {
  if (view_.Open() || !state_.UiReady) return;
  QScreen* screen = form_.screen() != nullptr ? form_.screen() : QApplication::primaryScreen();
  const QRect area = screen != nullptr ? screen->geometry() : QRect(0, 0, 1024, 768);

  auto* window = new TFullGamenForm(state_, ui_, view_);
  window_ = window;
  window->OnClose = [this] { Close(); };
  window->OnSlideShow = [this] { slides_.SlideMenuClick(); };
  ui_.RegisterPicture(Picture::FullImg, window->FullImg());
  ui_.RegisterViewWidget(window->FullImg());
  ui_.SetDialogOwner(window);
  slides_.SetFullScreenWindow(window);
  comments_.AttachFullScreen(window->FullImg());

  RunCommand(ui_, [&] { view_.Enter(area.width(), area.height(), slide_show); });
  window->ShowOn(screen);
  window->HideCursor();
  if (slide_show) slides_.StartInFullScreen();
}

void FullScreenController::Close() {
  if (!view_.Open()) return;
  if (state_.SlideShowActive) CallHook(state_.hooks.StopSlideShow);
  TFullGamenForm* window = window_;
  if (window != nullptr) window->hide();
  comments_.DetachFullScreen();
  slides_.SetFullScreenWindow(nullptr);
  ui_.SetDialogOwner(nullptr);
  ui_.RegisterViewWidget(form_.ViewImg());
  ui_.RegisterPicture(Picture::FullImg, nullptr);

  RunCommand(ui_, [this] { view_.Leave(); });
  form_.show();
  form_.raise();
  form_.activateWindow();
  form_.repaint();
  QCursor::setPos(form_.mapToGlobal(form_.rect().center()));
  if (window != nullptr) window->deleteLater();
}

}  // namespace lumetta::ui
