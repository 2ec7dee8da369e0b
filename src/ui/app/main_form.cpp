#include "ui/app/main_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QMenuBar>
#include <QScopeGuard>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/input_discard.h"

namespace lumetta::ui {

TMainForm::TMainForm(AppState& state, QtUserInterface& ui, QWidget* parent)
    : QMainWindow(parent, Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                              Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      state_(state),
      ui_(ui) {
  setObjectName("MainForm");
  setWindowTitle("Lumetta");
  setAttribute(Qt::WA_InputMethodEnabled, false);
  setFont(PGothicFont(12));
  menus_ = BuildMainMenu(menuBar());

  client_ = new QWidget(this);
  client_->setObjectName("ClientArea");
  QPalette pal = client_->palette();
  pal.setColor(QPalette::Window, kGreen);
  client_->setPalette(pal);
  client_->setAutoFillBackground(true);
  setCentralWidget(client_);
  layout()->setSizeConstraint(QLayout::SetFixedSize);

  panels_ = BuildMainPanels(client_);
  view_img_ = new PictureWidget(&state_.ViewPicture, client_);
  view_img_->setObjectName("ViewImg");

  ui_.SetMainWindow(this);
  ui_.RegisterPicture(Picture::ViewImg, view_img_);
  ui_.RegisterViewWidget(view_img_);
  ui_.Register(Ctl::HenshuLbl, panels_.HenshuLbl);
  ui_.Register(Ctl::GashitsuModeLbl, panels_.GashitsuModeLbl);
  ui_.Register(Ctl::GashitsuModeSLbl, panels_.GashitsuModeSLbl);
  // The one-letter quality label: "S" stands a pixel right of "Q".
  ui_.PlaceOnText(Ctl::GashitsuModeSLbl, [](QWidget& label) {
    label.move(static_cast<QLabel&>(label).text() == QStringLiteral("S") ? 130 : 129, label.y());
  });
  ui_.Register(Ctl::KoukaLbl, panels_.KoukaLbl);
  ui_.Register(Ctl::SharpLbl, panels_.SharpLbl);
  folder_panel_ = std::make_unique<FolderPanel>(state_, ui_, panels_);

  // The window sees keys before its controls, and Tab and the arrows never
  // move the focus: they are commands.
  qApp->installEventFilter(this);
}

TMainForm::~TMainForm() { qApp->removeEventFilter(this); }

void TMainForm::SetClientSize(int width, int height) { client_->setFixedSize(width, height); }

void TMainForm::PlaceView(int left, int top) {
  const int w = state_.view.ViewWidth;
  const int h = state_.view.ViewHeight;
  state_.ViewPicture.SetBitCount(24);
  state_.ViewPicture.SetSize(w, -h);
  state_.ViewPicture.Fill(128, 128, 128);
  view_img_->setGeometry(left, top, w, h);
  view_img_->update();
}

void TMainForm::SetKeyHandler(KeyCommand command, std::function<void(bool)> handler) {
  key_handlers_[command] = std::move(handler);
}

void TMainForm::FormKeyDown(Key key, bool shift, bool ctrl) {
  const KeyCommand command = MapMainKey(key, shift, ctrl, state_.settings.SortDirection);
  if (command == KeyCommand::None || !state_.UiReady) return;
  const auto& message = NoPhotoMessage(command);
  if (!message.empty() && !state_.PhotoShown()) {
    ui_.ShowMessageBox(message);
    return;
  }
  auto it = key_handlers_.find(command);
  if (it != key_handlers_.end() && it->second) it->second(shift);
}

void TMainForm::closeEvent(QCloseEvent* event) {
  if (OnCloseQuery && !OnCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

bool TMainForm::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && OnActivate) OnActivate();
  return handled;
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return QMainWindow::eventFilter(watched, event);
  auto* widget = qobject_cast<QWidget*>(watched);
  if (widget == nullptr || widget->window() != this || QApplication::activeModalWidget() != nullptr) {
    return QMainWindow::eventFilter(watched, event);
  }
  auto* key_event = static_cast<QKeyEvent*>(event);
  // A held key repeats: a repeat that comes while the command of the last
  // press still runs is dropped, and those that waited behind it are thrown
  // away once it is done, so that photo changes never queue up.
  if (key_running_ && key_event->isAutoRepeat()) return true;
  const Qt::KeyboardModifiers mods = key_event->modifiers();
  {
    key_running_ = true;
    const auto done = qScopeGuard([this] { key_running_ = false; });
    FormKeyDown(KeyOfQt(key_event->key()), mods & Qt::ShiftModifier, mods & Qt::ControlModifier);
  }
  DiscardPendingInput();
  return true;
}

Key KeyOfQt(int qt_key) {
  switch (qt_key) {
    case Qt::Key_A: return Key::A;
    case Qt::Key_B: return Key::B;
    case Qt::Key_C: return Key::C;
    case Qt::Key_D: return Key::D;
    case Qt::Key_E: return Key::E;
    case Qt::Key_F: return Key::F;
    case Qt::Key_G: return Key::G;
    case Qt::Key_M: return Key::M;
    case Qt::Key_N: return Key::N;
    case Qt::Key_Q: return Key::Q;
    case Qt::Key_S: return Key::S;
    case Qt::Key_V: return Key::V;
    case Qt::Key_W: return Key::W;
    case Qt::Key_X: return Key::X;
    case Qt::Key_Z: return Key::Z;
    case Qt::Key_1: return Key::Digit1;
    case Qt::Key_2: return Key::Digit2;
    case Qt::Key_Up: return Key::Up;
    case Qt::Key_Down: return Key::Down;
    case Qt::Key_Left: return Key::Left;
    case Qt::Key_Right: return Key::Right;
    case Qt::Key_Delete: return Key::Delete;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_Return: return Key::Enter;
    case Qt::Key_Enter: return Key::Enter;
    case Qt::Key_Space: return Key::Space;
    case Qt::Key_F1: return Key::F1;
    case Qt::Key_F2: return Key::F2;
    case Qt::Key_F5: return Key::F5;
    case Qt::Key_F6: return Key::F6;
    case Qt::Key_F7: return Key::F7;
    case Qt::Key_F8: return Key::F8;
    case Qt::Key_F9: return Key::F9;
    case Qt::Key_F11: return Key::F11;
    case Qt::Key_F12: return Key::F12;
    default: return Key::Other;
  }
}

}  // namespace lumetta::ui
