#include "ui/app/main_form.h"

#include <QCloseEvent>
#include <QLayout>
#include <QMenuBar>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"

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

  view_img_ = new PictureWidget(&state_.ViewPicture, client_);
  view_img_->setObjectName("ViewImg");
  ui_.SetMainWindow(this);
  ui_.RegisterPicture(Picture::ViewImg, view_img_);
  ui_.RegisterViewWidget(view_img_);
}

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

void TMainForm::closeEvent(QCloseEvent* event) {
  if (OnCloseQuery && !OnCloseQuery()) {
    event->ignore();
    return;
  }
  event->accept();
}

void TMainForm::showEvent(QShowEvent* event) {
  QMainWindow::showEvent(event);
  if (shown_) return;
  shown_ = true;
  if (OnFirstShow) OnFirstShow();
}

bool TMainForm::event(QEvent* event) {
  const bool handled = QMainWindow::event(event);
  if (event->type() == QEvent::WindowActivate && OnActivate) OnActivate();
  return handled;
}

}  // namespace lumetta::ui
