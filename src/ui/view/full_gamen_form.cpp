#include "ui/view/full_gamen_form.h"

#include <QApplication>
#include <QCursor>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QScopeGuard>
#include <QScreen>
#include <QWheelEvent>

#include "core/view/view_commands.h"
#include "ui/app/command_runner.h"
#include "ui/app/input_discard.h"
#include "ui/app/main_form.h"

namespace lumetta::ui {

namespace {

const QColor kSilver(0xC0, 0xC0, 0xC0);

// The keys after which the cursor hides again; the zoom keys leave it in
// the middle of the screen.
bool HidesCursorAfter(FullScreenCommand command) {
  switch (command) {
    case FullScreenCommand::ZoomOut:
    case FullScreenCommand::ZoomFineOut:
    case FullScreenCommand::ZoomIn:
    case FullScreenCommand::ZoomFineIn:
      return false;
    default:
      return true;
  }
}

bool ZoomKey(FullScreenCommand command) { return !HidesCursorAfter(command); }

}  // namespace

TFullGamenForm::TFullGamenForm(AppState& state, QtUserInterface& ui, FullScreenView& view)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint),
      state_(state),
      ui_(ui),
      view_(view),
      full_img_(new PictureWidget(&state.FullPicture, this)) {
  setObjectName("FullGamenForm");
  setWindowTitle("Lumetta");
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFocusPolicy(Qt::StrongFocus);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, kSilver);
  setPalette(pal);
  setAutoFillBackground(true);

  full_img_->setObjectName("FullImg");
  full_img_->setFocusPolicy(Qt::NoFocus);
  QPalette black = full_img_->palette();
  black.setColor(QPalette::Window, Qt::black);
  full_img_->setPalette(black);
  connect(full_img_, &PictureWidget::MousePressed, this, &TFullGamenForm::Pressed);
  connect(full_img_, &PictureWidget::MouseMoved, this, &TFullGamenForm::Moved);
  connect(full_img_, &PictureWidget::MouseReleased, this, &TFullGamenForm::Released);
  connect(full_img_, &PictureWidget::DoubleClicked, this, &TFullGamenForm::DoubleClicked);
}

void TFullGamenForm::ShowOn(QScreen* screen) {
  if (screen != nullptr) {
    setScreen(screen);
    setGeometry(screen->geometry());
  }
  full_img_->setGeometry(0, 0, state_.FullPicture.Width(), state_.FullPicture.Height());
  showFullScreen();
  raise();
  activateWindow();
  setFocus(Qt::ActiveWindowFocusReason);
}

void TFullGamenForm::HideCursor() {
  full_img_->setCursor(Qt::BlankCursor);
  setCursor(Qt::BlankCursor);
  if (QScreen* s = screen()) QCursor::setPos(s, s->geometry().bottomRight());
}

bool TFullGamenForm::AtCorner(const QPoint& local) const {
  return local.x() >= full_img_->width() - 1 && local.y() >= full_img_->height() - 1;
}

void TFullGamenForm::Close() {
  if (OnClose) OnClose();
}

void TFullGamenForm::keyPressEvent(QKeyEvent* event) {
  event->accept();
  // A held key's repeats that come while its command still runs are
  // dropped; those that waited behind it are thrown away afterwards.
  if (running_ && event->isAutoRepeat()) return;
  if (state_.SlideShowActive || !state_.UiReady) return;
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const FullScreenCommand command = MapFullScreenKey(KeyOfQt(event->key()), shift);
  switch (command) {
    case FullScreenCommand::Close:
      Close();
      return;
    case FullScreenCommand::SlideShow:
      if (OnSlideShow) OnSlideShow();
      DiscardPendingInput();
      return;
    case FullScreenCommand::None:
      DiscardPendingInput();
      return;
    default:
      break;
  }
  {
    running_ = true;
    const auto done = qScopeGuard([this] { running_ = false; });
    RunCommand(ui_, [this, command, shift] { view_.Run(command, shift); });
  }
  if (ZoomKey(command)) {
    if (QScreen* s = screen()) QCursor::setPos(s, s->geometry().center());
  } else {
    HideCursor();
  }
  DiscardPendingInput();
}

void TFullGamenForm::wheelEvent(QWheelEvent* event) {
  event->accept();
  if (state_.SlideShowActive || running_) return;
  if (!state_.UiReady) {
    DiscardPendingInput();
    return;
  }
  const bool shift = event->modifiers() & Qt::ShiftModifier;
  const std::int32_t notches = wheel_.Add(event->angleDelta().y());
  {
    running_ = true;
    const auto done = qScopeGuard([this] { running_ = false; });
    RunCommand(ui_, [this, notches, shift] {
      // Turned towards the user: on through the list.
      for (std::int32_t n = notches; n < 0; ++n) view_.NextPhoto(shift);
      for (std::int32_t n = notches; n > 0; --n) view_.PreviousPhoto(shift);
    });
  }
  if (notches != 0) HideCursor();
  DiscardPendingInput();
}

void TFullGamenForm::Pressed(QMouseEvent* event) {
  if (event->button() == Qt::RightButton || event->button() == Qt::MiddleButton) {
    Close();
    return;
  }
  if (event->button() != Qt::LeftButton || state_.InPanorama()) return;
  drag_.Press(event);
}

void TFullGamenForm::Moved(QMouseEvent* event) {
  const QPoint local = event->position().toPoint();
  state_.view.CursorX = local.x();
  state_.view.CursorY = local.y();
  if (AtCorner(local)) {
    full_img_->setCursor(Qt::BlankCursor);
  } else {
    const bool zoomed = state_.current.Edits.ZoomMode && !state_.InPanorama();
    full_img_->setCursor(zoomed ? Qt::SizeAllCursor : Qt::ArrowCursor);
  }
  if (event->buttons() & Qt::LeftButton) drag_.Move(event, *full_img_);
}

void TFullGamenForm::Released(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) drag_.Release();
}

void TFullGamenForm::DoubleClicked(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  drag_.Forget();
  if (state_.InPanorama()) {
    Close();
    return;
  }
  const QPoint local = event->position().toPoint();
  RunCommand(ui_, [this, local] { ViewDoubleClick(state_, ui_, local.x(), local.y()); });
}

}  // namespace lumetta::ui
