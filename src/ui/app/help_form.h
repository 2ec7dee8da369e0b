#pragma once
// The help window: a title on a light-yellow panel with "閉じる", and the
// help text below it, read-only. Not modal; Escape closes it.

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

namespace lumetta::ui {

class THelpForm : public QWidget {
 public:
  explicit THelpForm(QWidget* owner);

  // Shows title and text with the caret at the start, centred over the
  // owner the first time and kept on its screen every time.
  void ShowText(const QString& title, const QString& text);
  // Brings the window to the front when it is open with title; true then.
  bool Raise(const QString& title);

  QLabel* HelpLbl = nullptr;
  QPushButton* TojiruBtn = nullptr;
  QPlainTextEdit* HelpMem = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void ShowOnScreen();

  QWidget* owner_;
  bool placed_ = false;
};

}  // namespace lumetta::ui
