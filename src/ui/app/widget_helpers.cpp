#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

void SetBackground(QWidget* widget, const QColor& colour) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::Window, colour);
  widget->setPalette(pal);
  widget->setAutoFillBackground(true);
}

QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top, const QColor& colour) {
  auto* label = new QLabel(text, parent);
  if (name != nullptr) label->setObjectName(name);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, colour);
  label->setPalette(pal);
  label->move(left, top);
  label->adjustSize();
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                        int height) {
  auto* button = new QPushButton(text, parent);
  if (name != nullptr) button->setObjectName(name);
  button->setGeometry(left, top, width, height);
  return button;
}

void CentreOnOwnerWindow(QWidget* dialog) {
  QWidget* owner = dialog->parentWidget();
  if (owner == nullptr) return;
  const QRect main = owner->window()->frameGeometry();
  const QRect own = dialog->frameGeometry();
  dialog->move(main.left() + main.width() / 2 - own.width() / 2, main.top() + main.height() / 2 - own.height() / 2);
}

}  // namespace lumetta::ui
