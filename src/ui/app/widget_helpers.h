#pragma once
// Small helpers for the program's windows, which place their controls at
// fixed positions on green backgrounds.

#include <QColor>
#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace lumetta::ui {

// Fills the widget's background with a colour.
void SetBackground(QWidget* widget, const QColor& colour);

// A label at (left, top), sized to its text, in a text colour (white on the
// program's green by default).
QLabel* MakeLabel(QWidget* parent, const char* name, const QString& text, int left, int top,
                  const QColor& colour = Qt::white);

// A push button with the given place and size.
QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, int left, int top, int width,
                        int height);

// Moves a dialog to the centre of its owner's window (the main window).
void CentreOnOwnerWindow(QWidget* dialog);

}  // namespace lumetta::ui
