#pragma once
// The program's three message windows: the message box TPrintForm, the
// confirmation TKakuninForm and the choice TSelectForm. Green, white bold
// lines one under the other, never wrapped.

#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <string>
#include <vector>

namespace lumetta::ui {

class MessageForm : public QDialog {
  Q_OBJECT
 public:
  // Line k (1-based) of the window's labels.
  QLabel* LineLabel(int k) const { return labels_.at(static_cast<std::size_t>(k - 1)); }
  int LineLabelCount() const { return static_cast<int>(labels_.size()); }

  // Places the window centred over owner (the active window, else the main
  // window) and keeps it on the screen.
  void CentreOver(QWidget* owner);

 protected:
  // Centres again once the window's frame is known.
  void showEvent(QShowEvent* event) override;

  MessageForm(const QString& caption, int max_lines, int client_width, const std::vector<std::string>& lines,
              QWidget* parent);
  int LineCount() const { return line_count_; }

 private:
  std::vector<QLabel*> labels_;
  int line_count_ = 0;
  QWidget* owner_ = nullptr;
};

class TPrintForm : public MessageForm {
  Q_OBJECT
 public:
  TPrintForm(const std::vector<std::string>& lines, QWidget* parent = nullptr);
  QPushButton* TojiruBtn = nullptr;
};

class TKakuninForm : public MessageForm {
  Q_OBJECT
 public:
  TKakuninForm(const std::vector<std::string>& lines, QWidget* parent = nullptr);
  QPushButton* HaiBtn = nullptr;
  QPushButton* IieBtn = nullptr;
  // 1 when closed with "はい", else 2.
  int Answer() const { return result() == 1 ? 1 : 2; }

 protected:
  void keyPressEvent(QKeyEvent* event) override;
};

class TSelectForm : public MessageForm {
  Q_OBJECT
 public:
  TSelectForm(const std::vector<std::string>& lines, const std::vector<std::string>& captions,
              QWidget* parent = nullptr);
  // S1Btn..S5Btn; buttons beyond the captions are hidden.
  QPushButton* Button(int j) const { return buttons_.at(static_cast<std::size_t>(j - 1)); }
  // The pressed button's number, or 0 for Escape and the close box.
  int Answer() const { return result(); }

 private:
  std::vector<QPushButton*> buttons_;
};

// Opens a window modally over the active window (or main_window) and
// returns its answer.
void RunMessageBox(const std::vector<std::string>& lines, QWidget* main_window);
int RunYesNo(const std::vector<std::string>& lines, QWidget* main_window);
int RunChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions,
              QWidget* main_window);

}  // namespace lumetta::ui
