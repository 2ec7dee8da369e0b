// Captions fit the rectangles the layout gives them with the Japanese gothic
// the program ships with: none is cut by its label or touches its button's
// frame, and message lines keep a margin to the border.
#include <QAbstractButton>
#include <QApplication>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/app/fonts.h"
#include "ui/app/message_forms.h"
#include "support/message_capture.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

// A button's frame is one pixel wide.
constexpr int kButtonFrame = 1;

QString Caption(QWidget* w) {
  if (auto* label = qobject_cast<QLabel*>(w)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(w)) return button->text();
  return {};
}

// The caption's advance fits the label, or a button inside its frame.
bool Fits(QWidget* w, const QString& text) {
  const qreal advance = QFontMetricsF(w->font()).horizontalAdvance(text);
  if (auto* label = qobject_cast<QLabel*>(w)) return advance <= label->contentsRect().width();
  return advance <= w->width() - 2 * kButtonFrame;
}

}  // namespace

class CaptionsFitTest : public QObject {
  Q_OBJECT

 private slots:
  void everyCaptionOfTheMainWindowFitsItsRectangle() {
    QTemporaryDir dir;
    Application app(testing_support::TestEnvironment(dir));
    QStringList welcome;
    testing_support::RecordNextMessage(&welcome);
    app.Show();
    QTRY_VERIFY(app.State().Activated);
    int checked = 0;
    for (QWidget* w : app.MainForm().findChildren<QWidget*>()) {
      const QString text = Caption(w).trimmed();
      if (text.isEmpty() || !w->isVisibleTo(&app.MainForm())) continue;
      const QString where = QString("%1 \"%2\"").arg(w->objectName(), text);
      QVERIFY2(Fits(w, text), qPrintable(where + " is too wide"));
      QVERIFY2(w->font().pixelSize() <= w->height(), qPrintable(where + " is too high"));
      ++checked;
    }
    QVERIFY(checked >= 20);
  }

  void longMessageLinesKeepAMarginToTheBorder() {
    // The longest lines of the program's own messages.
    const std::vector<std::string> lines = {
        "写真をより楽しんでいただけたら幸いです。",
        "設定されているフォルダが見つかりませんでした。",
        "パノラマ表示中は、この操作はできません。",
        "ファイル名を変更できませんでした。",
    };
    TPrintForm form(lines);
    for (QLabel* label : form.findChildren<QLabel*>()) {
      if (!label->isVisibleTo(&form)) continue;
      const int right = label->x() + QFontMetrics(label->font()).horizontalAdvance(label->text());
      QVERIFY2(right <= form.width() - 8, qPrintable(label->text()));
    }
  }
};

QTEST_MAIN(CaptionsFitTest)
#include "captions_fit_test.moc"
