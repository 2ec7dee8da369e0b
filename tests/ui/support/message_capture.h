#pragma once
// Reading the program's message windows from a test: the visible lines of
// a message box, confirmation or choice, and the next one of them recorded
// and closed as soon as it opens.

#include <QStringList>
#include <QtTest>

#include "modal.h"
#include "ui/app/message_forms.h"

namespace lumetta::testing_support {

// The visible lines of a message window; empty for any other window.
inline QStringList VisibleLines(QWidget* w) {
  QStringList lines;
  auto* box = qobject_cast<ui::MessageForm*>(w);
  if (box == nullptr) return lines;
  for (int k = 1; k <= box->LineLabelCount(); ++k) {
    if (!box->LineLabel(k)->isHidden()) lines << box->LineLabel(k)->text();
  }
  return lines;
}

// Records the visible lines of the next modal window other than not_this,
// which must be a message window, and closes it.
inline void RecordNextMessage(QStringList* lines, QWidget* not_this = nullptr) {
  WhenModalOpens(
      [lines](QWidget* w) {
        if (qobject_cast<ui::MessageForm*>(w) == nullptr) {
          QTest::qFail("the next modal window is no message window", __FILE__, __LINE__);
        }
        *lines << VisibleLines(w);
        w->close();
      },
      not_this);
}

}  // namespace lumetta::testing_support
