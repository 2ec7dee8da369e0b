#pragma once
// The small controls of the thumbnail strip and the wide thumbnail window:
// the hover name label, the selection frame and the paging buttons.

#include <QPushButton>
#include <QString>
#include <QWidget>

namespace lumetta::ui {

// The strip's texts sit on a baseline this far below the top of their line,
// as in the 12-pixel gothic they were laid out for; taller fonts would
// otherwise push them out of the label and the tag.
inline constexpr int kTextAscent = 10;

// "NameImg": the photo's name on light yellow in a black frame, laid over
// the cell under the pointer. Its mouse input is the strip's: a press on it
// is a press on the hovered cell.
class NameLabel : public QWidget {
  Q_OBJECT
 public:
  explicit NameLabel(QWidget* parent);

  // Shows text for a cell whose top-left (in the parent) is cell_left,
  // cell_top; min_left keeps the label off the panel's left edge.
  void ShowFor(const QString& text, int cell_left, int cell_top, int min_left);
  QString Text() const { return text_; }
  // The width of a text in the label's font.
  int TextWidth(const QString& text) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

// "SelImg": the orange frame behind the selected cell.
class SelectionFrame : public QWidget {
  Q_OBJECT
 public:
  explicit SelectionFrame(QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

// A paging button: acts on the press of the left button (and repeats while
// it is held, through its owner), never takes the focus.
class StripButton : public QPushButton {
  Q_OBJECT
 public:
  enum class Glyph { None, ToStart, ToEnd };
  StripButton(const QString& text, Glyph glyph, QWidget* parent);

 signals:
  void LeftPressed();
  void LeftReleased();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
};

}  // namespace lumetta::ui
