#pragma once
// TTensou2Form: "転送しています。", the progress window of a transfer. It
// runs the transfer engine one tick at a time on a timer, so that the window
// stays alive between files (and between the pieces of a large one) and
// "キャンセル" or Esc are answered at once.

#include <QDialog>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>

namespace lumetta {
class TransferEngine;
class UserInterface;
}

namespace lumetta::ui {

class TTensou2Form : public QDialog {
  Q_OBJECT
 public:
  // ui reports a failure that ends the run.
  TTensou2Form(TransferEngine& engine, UserInterface& ui, QWidget* parent = nullptr);

  QLabel* MaisuLbl = nullptr;
  QProgressBar* ProgressBar = nullptr;
  QPushButton* CancelBtn = nullptr;

  // The caption after caption, as its 500 ms timer cycles it.
  static QString NextCaption(const QString& caption);

 protected:
  void showEvent(QShowEvent* event) override;
  void reject() override;  // "キャンセル", Esc and the close box

 private:
  void Tick();

  TransferEngine& engine_;
  UserInterface& ui_;
  QTimer step_timer_;
  QTimer caption_timer_;
  bool started_ = false;
};

}  // namespace lumetta::ui
