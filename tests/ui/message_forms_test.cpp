// The three message windows: line layout, sizes, keys, results and placement.
#include <QApplication>
#include <QCloseEvent>
#include <QDialog>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/modal.h"
#include "ui/app/message_forms.h"

using namespace lumetta::ui;
using lumetta::testing_support::WhenModalOpens;

namespace {

std::vector<std::string> Lines(int n) {
  std::vector<std::string> lines;
  for (int i = 1; i <= n; ++i) lines.push_back("行" + std::to_string(i));
  return lines;
}

}  // namespace

class MessageFormsTest : public QObject {
  Q_OBJECT

 private slots:
  void messageBoxShowsOnlyItsLines() {
    TPrintForm full(Lines(12));
    QCOMPARE(full.size(), QSize(443, 24 * 12 + 40));
    TPrintForm two({"一行目", "二行目"});
    QCOMPARE(two.size(), QSize(443, 88));
    QCOMPARE(two.windowTitle(), QString("Lumetta"));
    QVERIFY(!two.LineLabel(2)->isHidden());
    QVERIFY(two.LineLabel(3)->isHidden());
    QCOMPARE(two.LineLabel(1)->geometry().topLeft(), QPoint(12, 10));
    QCOMPARE(two.LineLabel(2)->geometry().top(), 34);
    QCOMPARE(two.LineLabel(1)->text(), QString("一行目"));
    QCOMPARE(two.TojiruBtn->geometry().top(), 24 * 2 + 11);
    QCOMPARE(two.TojiruBtn->text(), QString("閉じる"));
  }

  void messageBoxClosesWithEnterOrEscape_data() {
    QTest::addColumn<int>("key");
    QTest::newRow("enter") << int(Qt::Key_Return);
    QTest::newRow("escape") << int(Qt::Key_Escape);
  }
  void messageBoxClosesWithEnterOrEscape() {
    QFETCH(int, key);
    bool closed = false;
    WhenModalOpens([&](QWidget* w) {
      QTest::keyClick(w, Qt::Key(key));
      closed = true;
    });
    RunMessageBox({"テスト"}, nullptr);
    QVERIFY(closed);
    QVERIFY(QApplication::activeModalWidget() == nullptr);
  }

  void confirmationGeometry() {
    TKakuninForm form(Lines(3));
    QCOMPARE(form.windowTitle(), QString("確認"));
    QCOMPARE(form.size(), QSize(442, 24 * 3 + 38));
    QCOMPARE(form.HaiBtn->geometry().top(), 24 * 3 + 10);
    QCOMPARE(form.IieBtn->geometry().top(), 24 * 3 + 10);
    QCOMPARE(form.HaiBtn->text(), QString("はい"));
    QCOMPARE(form.IieBtn->text(), QString("いいえ"));
    QCOMPARE(form.LineLabelCount(), 8);
  }

  void confirmationAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::newRow("Y") << "Y" << 1;
    QTest::newRow("N") << "N" << 2;
    QTest::newRow("escape") << "escape" << 2;
    QTest::newRow("yes button") << "hai" << 1;
    QTest::newRow("no button") << "iie" << 2;
    QTest::newRow("close box") << "close" << 2;
  }
  void confirmationAnswers() {
    QFETCH(QString, how);
    QFETCH(int, expected);
    WhenModalOpens([how](QWidget* w) {
      auto* form = qobject_cast<TKakuninForm*>(w);
      QVERIFY(form != nullptr);
      if (how == "Y") QTest::keyClick(w, Qt::Key_Y);
      if (how == "N") QTest::keyClick(w, Qt::Key_N);
      if (how == "escape") QTest::keyClick(w, Qt::Key_Escape);
      if (how == "hai") form->HaiBtn->click();
      if (how == "iie") form->IieBtn->click();
      if (how == "close") form->close();
    });
    QCOMPARE(RunYesNo({"よろしいですか？"}, nullptr), expected);
  }

  void choiceShowsButtonsRightToLeft() {
    TSelectForm form(Lines(4), {"いいえ", "上書き", "全ていいえ", "全て上書き"});
    QCOMPARE(form.windowTitle(), QString("選択"));
    QCOMPARE(form.size(), QSize(387, 24 * 4 + 41));
    const int lefts[] = {309, 237, 165, 93};
    for (int j = 1; j <= 4; ++j) {
      QCOMPARE(form.Button(j)->geometry(), QRect(lefts[j - 1], 24 * 4 + 11, 70, 23));
      QVERIFY(!form.Button(j)->isHidden());
    }
    QVERIFY(form.Button(5)->isHidden());
    QCOMPARE(form.Button(2)->text(), QString("上書き"));
  }

  void choiceAnswers_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("expected");
    QTest::newRow("escape") << "escape" << 0;
    QTest::newRow("close box") << "close" << 0;
    QTest::newRow("button 3") << "3" << 3;
  }
  void choiceAnswers() {
    QFETCH(QString, how);
    QFETCH(int, expected);
    WhenModalOpens([how](QWidget* w) {
      auto* form = qobject_cast<TSelectForm*>(w);
      QVERIFY(form != nullptr);
      if (how == "escape") QTest::keyClick(w, Qt::Key_Escape);
      if (how == "close") form->close();
      if (how == "3") form->Button(3)->click();
    });
    QCOMPARE(RunChoice(Lines(2), {"a", "b", "c", "d"}, nullptr), expected);
  }

  void boxIsCentredOverTheActiveDialog() {
    QWidget main_window;
    main_window.setGeometry(0, 0, 700, 500);
    main_window.show();
    QDialog other(&main_window);
    other.setGeometry(250, 150, 300, 200);
    QRect box_geometry;
    QRect other_geometry;
    QTimer::singleShot(0, [&] {
      QTRY_VERIFY(QApplication::activeModalWidget() == &other);
      other_geometry = other.frameGeometry();
      WhenModalOpens(
          [&](QWidget* w) {
            box_geometry = w->frameGeometry();
            w->close();
          },
          &other);
      RunMessageBox({"a", "b"}, &main_window);
      other.close();
    });
    other.exec();
    QVERIFY(box_geometry.isValid());
    QCOMPARE(box_geometry.left(), other_geometry.left() + other_geometry.width() / 2 - box_geometry.width() / 2);
    QCOMPARE(box_geometry.top(), other_geometry.top() + other_geometry.height() / 2 - box_geometry.height() / 2);
  }
};

QTEST_MAIN(MessageFormsTest)
#include "message_forms_test.moc"
