#include "ui/view/sharp_form.h"

#include <QLabel>
#include <QShowEvent>

#include "core/view/quality_choices.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/message_forms.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 232;
constexpr int kClientHeight = 268;

// "全体の設定に従う" and one button per level.
constexpr std::size_t kButtonCount = 1 + kSharpnessChoices.size();

// The photo's Sharpness that button i stands for.
constexpr std::int32_t ButtonValue(std::size_t i) {
  return i == 0 ? kFollowGlobalSharpness : kSharpnessChoices[i - 1].own;
}

void MakeWhite(QWidget* widget) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  pal.setColor(QPalette::ButtonText, Qt::white);
  widget->setPalette(pal);
}

}  // namespace

const std::vector<std::string>& SharpDefaultLines() {
  static const std::vector<std::string> lines = {"「全体の設定に従う」を選択すると、",
                                                 "画面上部の「全シャープネス」メニューで設定した",
                                                 "シャープネスが、この写真に適用されます。"};
  return lines;
}

const std::vector<std::string>& SharpHelpLines() {
  static const std::vector<std::string> lines = {"「シャープネス処理」とは、",
                                                 "被写体の輪郭部分を補正するなどの方法で",
                                                 "写真の「パッと見の立体感」を上げる処理です。",
                                                 "処理をしすぎると、逆に不自然になることもありますが",
                                                 "特に、「プリンタで印刷する場合」や",
                                                 "物品説明の写真などで「物品を強調したい場合」などでは、",
                                                 "強めに掛けると大きな効果（見やすくなる）があります。"};
  return lines;
}

TSharpForm::TSharpForm(std::int32_t sharpness, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("SharpForm");
  setWindowTitle("シャープネス");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  auto* heading = new QLabel("輪郭補正処理", this);
  heading->setObjectName("RinkakuLbl");
  MakeWhite(heading);
  heading->move(14, 10);
  heading->adjustSize();

  group_ = new QButtonGroup(this);
  // The choice of following the global level, then the levels.
  std::array<QRadioButton*, kButtonCount> radios{};
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    auto* radio = new QRadioButton(i == 0 ? QString("全体の設定に従う") : ToQString(kSharpnessChoices[i - 1].own_caption),
                                   this);
    radio->setObjectName(i == 0 ? QString("DefaultBtn") : ToQString(kSharpnessChoices[i - 1].role) + "Btn");
    MakeWhite(radio);
    // The levels sit under the choice of following the global level.
    radio->move(i == 0 ? 20 : 32, i == 0 ? 32 : 40 + 22 * static_cast<int>(i));
    radio->adjustSize();
    group_->addButton(radio, static_cast<int>(i));
    radios[i] = radio;
    connect(radio, &QRadioButton::clicked, this, [this] { KetteiBtn->setFocus(); });
  }
  DefaultBtn = radios[0];
  KanariBtn = radios[1];
  DaibuBtn = radios[2];
  TsuyomeBtn = radios[3];
  YayaBtn = radios[4];
  ChuuBtn = radios[5];
  YowameBtn = radios[6];
  NashiBtn = radios[7];

  DefaultSetsumeiBtn = MakeButton(this, "DefaultSetsumeiBtn", "説明", 172, 32, 44, 20);
  SHelpBtn = MakeButton(this, "SHelpBtn", "解説", 172, 8, 44, 20);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", 20, 232, 90, 26);
  KetteiBtn = MakeButton(this, "KetteiBtn", "決定", 122, 232, 90, 26);
  KetteiBtn->setDefault(true);

  std::size_t selected = 0;
  for (std::size_t i = 0; i < kButtonCount; ++i) {
    if (ButtonValue(i) == sharpness) selected = i;
  }
  radios[selected]->setChecked(true);

  connect(DefaultSetsumeiBtn, &QPushButton::clicked, this, [this] { RunMessageBox(SharpDefaultLines(), this); });
  connect(SHelpBtn, &QPushButton::clicked, this, [this] { RunMessageBox(SharpHelpLines(), this); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);
  connect(KetteiBtn, &QPushButton::clicked, this, &QDialog::accept);
}

void TSharpForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
  KetteiBtn->setFocus();
}

std::int32_t TSharpForm::Chosen() const {
  const int id = group_->checkedId();
  return id >= 0 ? ButtonValue(static_cast<std::size_t>(id)) : kFollowGlobalSharpness;
}

std::optional<std::int32_t> TSharpForm::Run() {
  if (exec() != QDialog::Accepted) return std::nullopt;
  return Chosen();
}

}  // namespace lumetta::ui
