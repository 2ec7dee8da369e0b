// The comment over the photo as the user meets it: its place in every
// position, the vertical writing's turned characters, the menu and F7 / F8,
// and the information panel of the photo shown.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QtTest>

#include "core/view/comment_commands.h"
#include "support/message_capture.h"
#include "support/test_environment.h"
#include "ui/app/application.h"
#include "ui/view/comment_overlay.h"

using namespace lumetta;
using namespace lumetta::ui;

namespace {

StartupEnvironment EnvIn(const QTemporaryDir& dir) {
  StartupEnvironment env = testing_support::TestEnvironment(dir);
  { Application first(env); }
  return env;
}

QString CopyFixture(const QTemporaryDir& dir, const QString& fixture) {
  QDir(dir.path()).mkpath("photos");
  const QString target = dir.filePath("photos/" + QFileInfo(fixture).fileName());
  QFile::copy(QString(LUMETTA_FIXTURES) + "/" + fixture, target);
  return target;
}

QList<CommentImage*> ShownOverlays(Application& app) {
  QList<CommentImage*> shown;
  for (CommentImage* image : app.MainForm().ViewImg()->findChildren<CommentImage*>()) {
    if (image->isVisible()) shown.append(image);
  }
  return shown;
}

QString LabelText(Application& app, const char* name) {
  auto* label = app.MainForm().findChild<QLabel*>(name);
  return label != nullptr ? label->text() : QString("(no %1)").arg(name);
}

QAction* CommentItem(Application& app, const QString& text) {
  QMenu* menu = app.MainForm().Menus().CommentMenu;
  QList<QAction*> actions = menu->actions();
  for (int i = 0; i < actions.size(); ++i) {
    if (actions[i]->text() == text) return actions[i];
    if (QMenu* sub = actions[i]->menu()) actions.append(sub->actions());
  }
  return nullptr;
}

// The bounding box of the white pixels of an overlay picture.
QRect WhiteBox(const QImage& image) {
  QRect box;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (qGray(image.pixel(x, y)) > 128) box |= QRect(x, y, 1, 1);
    }
  }
  return box;
}

struct Shown {
  explicit Shown(const QTemporaryDir& dir) : env(EnvIn(dir)) {
    env.CommandLinePhoto = CopyFixture(dir, "camera/Canon_40D.jpg").toStdString();
  }
  StartupEnvironment env;
};

}  // namespace

class CommentOverlayTest : public QObject {
  Q_OBJECT

 private slots:
  void theCommentSitsAtEachPositionOverTheView() {
    QTemporaryDir dir;
    Shown shown(dir);
    Application app(shown.env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("Canon_40D.jpg"));
    AppState& state = app.State();
    QVERIFY(ShownOverlays(app).isEmpty());  // a plain photo has no comment
    const int w = state.view.ViewWidth;
    const int h = state.view.ViewHeight;

    state.current.Edits.Comment = "「写真」ー。abc";
    struct Case {
      std::int32_t position;
      bool vertical;
    };
    for (const Case c : {Case{1, false}, Case{2, false}, Case{3, true}, Case{4, true}}) {
      SetCommentPosition(state, app.Ui(), c.position);
      const QList<CommentImage*> overlays = ShownOverlays(app);
      QCOMPARE(overlays.size(), 1);
      const QRect g = overlays[0]->geometry();
      const CommentPlan plan = PlanComment(state, 1, 0, 0, QtCommentMetrics());
      QCOMPARE(g, QRect(plan.layout.left, plan.layout.top, plan.layout.width, plan.layout.height));
      QCOMPARE(overlays[0]->toolTip(), QString("「写真」ー。abc"));
      switch (c.position) {
        case 1:
          QCOMPARE(g.left(), 3);
          QCOMPARE(g.top() + g.height(), h - 2);
          break;
        case 2:
          QCOMPARE(g.topLeft(), QPoint(3, 2));
          break;
        case 3:
          QCOMPARE(g.topLeft(), QPoint(3, 2));
          break;
        case 4:
          QCOMPARE(g.left() + g.width(), w - 3);
          QCOMPARE(g.top(), 2);
          break;
      }
      if (c.vertical) {
        // Nine characters, one cell each, under each other.
        QCOMPARE(plan.layout.cells.size(), std::size_t{9});
        QVERIFY(g.height() > 8 * g.width());
      } else {
        QVERIFY(g.width() > 3 * g.height());
      }
      QVERIFY(!WhiteBox(overlays[0]->Picture()).isEmpty());
    }

    // Off with F8 hides it, on again shows it at the last position.
    app.MainForm().FormKeyDown(Key::F8, false, false);
    QVERIFY(ShownOverlays(app).isEmpty());
    QCOMPARE(state.settings.CommentVisible, 0);
    app.MainForm().FormKeyDown(Key::F8, false, false);
    QCOMPARE(ShownOverlays(app).size(), 1);
  }

  void aLongLineIsCutAtTheViewsEdgeAndALongColumnAtItsBottom() {
    QTemporaryDir dir;
    Shown shown(dir);
    Application app(shown.env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("Canon_40D.jpg"));
    AppState& state = app.State();
    const int w = state.view.ViewWidth;
    const int h = state.view.ViewHeight;
    std::string comment;
    for (int i = 0; i < 60; ++i) comment += "写";
    state.current.Edits.Comment = comment;
    SetCommentPosition(state, app.Ui(), 1);
    QCOMPARE(ShownOverlays(app)[0]->width(), w - 4);
    QCOMPARE(ShownOverlays(app)[0]->toolTip(), QString::fromStdString(comment));
    SetCommentPosition(state, app.Ui(), 3);
    const QRect g = ShownOverlays(app)[0]->geometry();
    QCOMPARE(g.top() + g.height(), h - 2);
  }

  void turnedCharactersStandUpright() {
    // The long-vowel mark is a horizontal stroke on a line and a vertical one
    // in vertical writing; the full stop moves to the cell's upper right.
    const CommentPane pane{0, 0, 640, 480};
    const CommentLayout line = LayOutComment("ー", 1, pane, 0, 0, QtCommentMetrics());
    const CommentLayout column = LayOutComment("ー", 3, pane, 0, 0, QtCommentMetrics());
    const QRect flat = WhiteBox(DrawCommentLayout(line));
    const QRect upright = WhiteBox(DrawCommentLayout(column));
    QVERIFY(flat.width() > 2 * flat.height());
    QVERIFY(upright.height() > 2 * upright.width());

    const CommentLayout stop = LayOutComment("。", 3, pane, 0, 0, QtCommentMetrics());
    const QRect dot = WhiteBox(DrawCommentLayout(stop));
    QVERIFY(!dot.isEmpty());
    QVERIFY(dot.center().x() > stop.cell_width / 2);
    QVERIFY(dot.center().y() < 2 + stop.cell_height / 2);
  }

  void theMenuAndF7FollowTheSettings() {
    QTemporaryDir dir;
    Shown shown(dir);
    Application app(shown.env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("Canon_40D.jpg"));
    for (const char* text : {"コメント表示 ［Ｆ8］", "コメント非表示 ［Ｆ8］", "写真上側", "写真下側", "写真左側（縦書き）",
                             "写真右側（縦書き）"}) {
      QVERIFY2(CommentItem(app, text) != nullptr, text);
    }
    QVERIFY(CommentItem(app, "コメント表示 ［Ｆ8］")->isChecked());
    QVERIFY(CommentItem(app, "写真下側")->isChecked());
    const std::vector<std::pair<std::int32_t, const char*>> cycle = {
        {3, "写真左側（縦書き）"}, {2, "写真上側"}, {4, "写真右側（縦書き）"}, {1, "写真下側"}};
    for (const auto& [position, item] : cycle) {
      app.MainForm().FormKeyDown(Key::F7, false, false);
      QCOMPARE(app.State().settings.CommentPosition, position);
      QVERIFY2(CommentItem(app, item)->isChecked(), item);
    }
    CommentItem(app, "写真上側")->trigger();
    QCOMPARE(app.State().settings.CommentPosition, 2);
    CommentItem(app, "コメント非表示 ［Ｆ8］")->trigger();
    QCOMPARE(app.State().settings.CommentVisible, 0);
    QVERIFY(CommentItem(app, "コメント非表示 ［Ｆ8］")->isChecked());
  }

  void thePanelShowsTheShootingInformation() {
    QTemporaryDir dir;
    Shown shown(dir);
    Application app(shown.env);
    app.Show();
    QTRY_COMPARE(QString::fromStdString(app.State().current.Name), QString("Canon_40D.jpg"));
    QCOMPARE(LabelText(app, "HidukeLbl"), QString("08/05/30"));
    QCOMPARE(LabelText(app, "TimeLbl"), QString("15:56:01"));
    QCOMPARE(LabelText(app, "CameraLbl"), QString("EOS 40D [vGIMP 2.4.5]"));
    QCOMPARE(LabelText(app, "MakerLbl"), QString("(Canon)"));
    QCOMPARE(LabelText(app, "SatsueiLbl"), QString("F7.1 1/160 ISO100"));
    QCOMPARE(LabelText(app, "StrobeLbl"), QString("★"));
    QCOMPARE(LabelText(app, "SatsueiLbl2"), QString("(0.0EV) 135.0mm "));
    QCOMPARE(LabelText(app, "FileSizeLbl"), QString("   [8KB]"));
    auto* panel = app.MainForm().Panels().ExifPnl;
    auto* size = app.MainForm().findChild<QLabel*>("FileSizeLbl");
    QCOMPARE(size->geometry().right(), panel->width() - 2);
    auto* line = app.MainForm().findChild<QLabel*>("SatsueiLbl");
    auto* star = app.MainForm().findChild<QLabel*>("StrobeLbl");
    QCOMPARE(star->x(), line->x() + line->width());
    QCOMPARE(app.State().exif.App1Length, 2476);
  }
};

QTEST_MAIN(CommentOverlayTest)
#include "comment_overlay_test.moc"
