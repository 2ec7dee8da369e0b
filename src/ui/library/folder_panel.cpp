#include "ui/library/folder_panel.h"

#include <QMouseEvent>
#include <QStyle>

#include "core/library/folder_commands.h"
#include "core/library/folder_tree.h"
#include "core/library/photo_folders.h"
#include "core/library/slot_labels.h"
#include "core/library/sort_commands.h"

namespace lumetta::ui {

namespace {

QLabel* MakeSlotLabel(QWidget* parent, const QString& name, int top, int width) {
  auto* label = new QLabel(parent);
  label->setObjectName(name);
  QPalette pal = label->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  label->setPalette(pal);
  label->setGeometry(18, top, width, 14);
  label->setCursor(Qt::PointingHandCursor);
  return label;
}

QPushButton* MakeButton(QWidget* parent, const char* name, const QString& text, const QRect& rect) {
  auto* button = new QPushButton(text, parent);
  button->setObjectName(name);
  button->setGeometry(rect);
  button->setFocusPolicy(Qt::NoFocus);
  // The captions fill their buttons as the layouts give them.
  button->setStyleSheet("QPushButton { padding: 0px; }");
  return button;
}

}  // namespace

FolderPanel::FolderPanel(AppState& state, QtUserInterface& ui, const MainPanels& panels)
    : state_(state), ui_(ui), folder_pnl_(panels.FolderPnl) {
  QWidget* pnl = panels.FolderPnl;
  const int width = pnl->width();

  // The hidden button that holds the keyboard focus, so that no control
  // keeps it and keys stay commands. A hidden widget takes no focus: this
  // one has no size instead.
  DummyBtn = new QPushButton(pnl->parentWidget());
  DummyBtn->setObjectName("DummyBtn");
  DummyBtn->setGeometry(0, 0, 0, 0);
  DummyBtn->setFocusPolicy(Qt::StrongFocus);

  radio_group_ = new QButtonGroup(this);
  const QIcon folder_icon = pnl->style()->standardIcon(QStyle::SP_DirOpenIcon);
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    const QString number = QString::number(n);
    QRadioButton* radio = FolderRadio[n] = new QRadioButton(pnl);
    radio->setObjectName("FolderRadio" + number);
    radio->setGeometry(3, SlotRowTop(n) + 6, 15, 16);
    radio->setFocusPolicy(Qt::NoFocus);
    radio_group_->addButton(radio, n);
    connect(radio, &QRadioButton::clicked, this, [this, n] { FolderRadioClick(state_, ui_, n); });

    FolderLbl[n] = MakeSlotLabel(pnl, "FolderLbl" + number, SlotLabelTop(n), width - 47);
    FolderLblB[n] =
        MakeSlotLabel(pnl, "FolderLbl" + number + "B", SlotLabelBTop(n), width - 47);
    FolderLbl[n]->installEventFilter(this);
    FolderLblB[n]->installEventFilter(this);
    ui_.Register(kSlotFirstLabels[n], FolderLbl[n]);
    ui_.Register(kSlotSecondLabels[n], FolderLblB[n]);

    QPushButton* button = FolderBtn[n] =
        MakeButton(pnl, "", QString(), QRect(width - 28, SlotRowTop(n) + 3, 24, 22));
    button->setObjectName("FolderBtn" + number);
    button->setIcon(folder_icon);
    connect(button, &QPushButton::clicked, this, [this, n] { FolderBtnClick(state_, ui_, n); });
  }
  FolderRadio[1]->setChecked(true);

  FolderTree = new FolderTreeWidget(panels.SubFolderPnl);
  FolderTree->setGeometry(3, 6, panels.SubFolderPnl->width() - 6, panels.SubFolderPnl->height() - 12);
  FolderTree->OnPress = [this](const QPoint& pos, Qt::MouseButton button) { FolderTreeMouseDown(pos, button); };

  ExplorerBtn = MakeButton(pnl, "ExplorerBtn", "ﾏｲｺﾝﾋﾟｭｰﾀ", QRect(4, 364, 65, 22));
  ExplorerBtn->setToolTip(
      "選択しているフォルダをマイコンピュータ上で開きます。（フォルダの中身が表示されます。フォルダ内のファイルを編集をしたいときにお使いください）");
  connect(ExplorerBtn, &QPushButton::clicked, this, [this] {
    ui_.SetFocus(Ctl::DummyBtn);
    ExplorerBtnClick(state_, ui_);
  });
  OpenBtn = MakeButton(pnl, "OpenBtn", "上記以外から", QRect(70, 364, 74, 22));
  OpenBtn->setToolTip("設定した上記３つのフォルダ以外の写真を鑑賞したいときにお使いください。");
  connect(OpenBtn, &QPushButton::clicked, this, [this] {
    ui_.SetFocus(Ctl::DummyBtn);
    OpenBtnClick(state_, ui_);
  });
  // Its command comes with the favorites window.
  OkiniBtn = MakeButton(pnl, "OkiniBtn", "お気に入り", QRect(145, 364, 63, 22));

  NarabikaeLbl = new QLabel(panels.FolderLblPnl);
  NarabikaeLbl->setObjectName("NarabikaeLbl");
  NarabikaeLbl->setGeometry(width - 13, 3, 12, 12);
  NarabikaeLbl->setCursor(Qt::PointingHandCursor);
  NarabikaeLbl->installEventFilter(this);

  ui_.Register(Ctl::FolderPnl, pnl);
  ui_.Register(Ctl::DummyBtn, DummyBtn);
  ui_.Register(Ctl::NarabikaeLbl, NarabikaeLbl);
  // The order label stands at the panel's right edge; "Ｒ" is a pixel wider.
  ui_.PlaceOnText(Ctl::NarabikaeLbl, [this](QWidget& label) {
    const bool from_right = static_cast<QLabel&>(label).text() == QStringLiteral("Ｒ");
    label.move(folder_pnl_->width() - (from_right ? 14 : 13), label.y());
  });

  state_.hooks.CheckSlotRadio = [this](std::int32_t slot) { CheckSlotRadio(slot); };
  state_.hooks.ClearTree = [this] { ClearFolderTree(state_); };
  state_.hooks.RebuildTree = [this](const std::string& target) { RebuildTree(state_, ui_, target); };
  state_.tree.OnChanged = [this] { FolderTree->Mirror(state_.tree); };

  RefreshSlotLabels(state_, ui_);
  ShowSortDirection(state_, ui_);
}

FolderPanel::~FolderPanel() {
  state_.tree.OnChanged = nullptr;
  state_.hooks.CheckSlotRadio = nullptr;
  state_.hooks.ClearTree = nullptr;
  state_.hooks.RebuildTree = nullptr;
}

void FolderPanel::CheckSlotRadio(std::int32_t slot) {
  // An exclusive group keeps one button checked: none checked needs it lifted.
  radio_group_->setExclusive(false);
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    QRadioButton* radio = FolderRadio[n];
    const bool blocked = radio->blockSignals(true);
    radio->setChecked(n == slot);
    radio->blockSignals(blocked);
  }
  radio_group_->setExclusive(true);
}

void FolderPanel::FolderTreeMouseDown(const QPoint& pos, Qt::MouseButton button) {
  const bool right = button == Qt::RightButton;
  QTreeWidgetItem* item = FolderTree->itemAt(pos);
  FolderNode* node = FolderTree->NodeOf(state_.tree, item);
  if (node != nullptr && FolderTree->OnExpandSign(pos)) {
    // The tree control would expand the node itself before it reports the
    // press: so do the same.
    if (node->Expanded) {
      FolderTreeCollapsed(state_, ui_, *node);
    } else {
      FolderTreeExpanded(state_, ui_, *node);
    }
    lumetta::FolderTreeMouseDown(state_, ui_, nullptr, right);
    return;
  }
  lumetta::FolderTreeMouseDown(state_, ui_, node, right);
}

bool FolderPanel::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::MouseButtonPress) return QObject::eventFilter(watched, event);
  if (watched == NarabikaeLbl) {
    ui_.SetFocus(Ctl::DummyBtn);
    NarabikaeLblMouseDown(state_, ui_);
    return true;
  }
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    if (watched == FolderLbl[n] || watched == FolderLblB[n]) {
      FolderRadioClick(state_, ui_, n);
      return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

}  // namespace lumetta::ui
