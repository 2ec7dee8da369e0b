#include "ui/app/widget_helpers.h"
#include "ui/app/main_panels.h"

#include "ui/app/colours.h"
#include "ui/app/fonts.h"

namespace lumetta::ui {

namespace {

QFrame* MakePanel(QWidget* parent, const char* name, int left, int top, int width, int height,
                  const QColor& colour = kGreen) {
  auto* panel = new QFrame(parent);
  panel->setObjectName(name);
  panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
  panel->setLineWidth(1);
  panel->setGeometry(left, top, width, height);
  SetBackground(panel, colour);
  return panel;
}

QFrame* MakeLine(QWidget* parent, const char* name, int left, int top, int width, int height) {
  auto* line = new QFrame(parent);
  line->setObjectName(name);
  line->setFrameStyle(QFrame::NoFrame);
  line->setGeometry(left, top, width, height);
  SetBackground(line, kSilver);
  return line;
}

}  // namespace

QFrame* MakeTitleBar(QWidget* parent, const QString& text, int left, int top, int width, int height) {
  auto* bar = new QFrame(parent);
  bar->setFrameStyle(QFrame::NoFrame);
  bar->setGeometry(left, top, width, height);
  SetBackground(bar, kLightYellow);
  if (!text.isEmpty()) {
    auto* label = new QLabel(text, bar);
    QPalette pal = label->palette();
    pal.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(pal);
    label->setGeometry(0, 0, width, height);
    label->setAlignment(Qt::AlignCenter);
  }
  return bar;
}

MainPanels BuildMainPanels(QWidget* client) {
  MainPanels p;
  p.ThumbPnl = MakePanel(client, "ThumbPnl", 1, 1, 725, 69, kGrey);

  p.HenshuPnl = MakePanel(client, "HenshuPnl", 728, 1, 195, 68);
  MakeLine(p.HenshuPnl, "HenshuMigiPnl", 194, 0, 1, 68);
  MakeLine(p.HenshuPnl, "HenshuShitaPnl", 0, 67, 195, 1);
  p.HenshuLblPnl = MakeTitleBar(p.HenshuPnl, QString(), 2, 2, 113, 18);
  p.HenshuLblPnl->setObjectName("HenshuLblPnl");
  p.HenshuLbl = MakeLabel(p.HenshuLblPnl, "HenshuLbl", "編集", 47, 3, Qt::black);
  p.HenshuLbl->resize(24, 12);

  p.FolderPnl = MakePanel(client, "FolderPnl", 1, 72, 211, 390);
  p.FolderLblPnl = MakeTitleBar(p.FolderPnl, "写真のあるフォルダ", 2, 2, 207, 18);
  p.FolderLblPnl->setObjectName("FolderLblPnl");
  p.SubFolderPnl = MakePanel(p.FolderPnl, "SubFolderPnl", 4, 110, 203, 251, kSilver);
  MakeLine(p.FolderPnl, "FolderShitaPnl", 0, 390, 211, 1);
  MakeLine(client, "FolderMigiPnl", 211, 72, 1, 390);

  p.HistgramPnl = MakePanel(client, "HistgramPnl", 1, 461, 144, 94);
  p.HistgramLblPnl = MakeTitleBar(p.HistgramPnl, "ヒストグラム", 2, 2, 140, 18);
  p.HistgramLblPnl->setObjectName("HistgramLblPnl");
  p.GashitsuModeSLbl = MakeLabel(p.HistgramLblPnl, "GashitsuModeSLbl", "", 129, 7, Qt::black);
  p.GashitsuModeSLbl->hide();

  p.GashitsuPnl = MakePanel(client, "GashitsuPnl", 144, 461, 68, 94);
  MakeTitleBar(p.GashitsuPnl, "画質モード", 2, 2, 64, 22);
  p.GashitsuModeLbl = MakeLabel(p.GashitsuPnl, "GashitsuModeLbl", "", 5, 29);
  QLabel* kouka_caption = MakeLabel(p.GashitsuPnl, "KoukaCaptionLbl", "画質効果", 10, 45);
  p.KoukaLbl = MakeLabel(p.GashitsuPnl, "KoukaLbl", "", 13, 55);
  QLabel* sharp_caption = MakeLabel(p.GashitsuPnl, "SharpCaptionLbl", "シャープ", 10, 67);
  p.SharpLbl = MakeLabel(p.GashitsuPnl, "SharpLbl", "", 13, 77);
  // The panel stacks its lines 10 to 12 pixels apart: the labels keep to
  // that height with a font whose line fits it.
  for (QLabel* label : {p.GashitsuModeLbl, kouka_caption, p.KoukaLbl, sharp_caption, p.SharpLbl}) {
    label->setFont(PGothicFont(11));
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    label->resize(62, 12);
  }

  p.ExifPnl = MakePanel(client, "ExifPnl", 1, 554, 211, 117);
  p.ExifLblPnl = MakeTitleBar(p.ExifPnl, "写真の情報", 2, 2, 207, 18);
  p.ExifLblPnl->setObjectName("ExifLblPnl");
  MakeLine(client, "SideBouPnl", 211, 461, 1, 210);
  return p;
}

}  // namespace lumetta::ui
