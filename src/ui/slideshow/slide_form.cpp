#include "ui/slideshow/slide_form.h"

#include <QGroupBox>
#include <QLabel>
#include <QShowEvent>
#include <algorithm>
#include <array>
#include <iterator>

#include "core/slideshow/slide_settings.h"
#include "core/view/quality_choices.h"
#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {

constexpr int kClientWidth = 558;
constexpr int kClientHeight = 452;
constexpr int kLeftColumn = 8;
constexpr int kLeftWidth = 262;
constexpr int kRightColumn = 278;
constexpr int kRightWidth = 272;

void MakeWhite(QWidget* widget) {
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, Qt::white);
  pal.setColor(QPalette::ButtonText, Qt::white);
  widget->setPalette(pal);
}

QGroupBox* Group(QWidget* parent, const char* name, const char* title, int left, int top, int height) {
  auto* group = new QGroupBox(title, parent);
  group->setObjectName(name);
  MakeWhite(group);
  group->setGeometry(left, top, left == kLeftColumn ? kLeftWidth : kRightWidth, height);
  return group;
}

template <typename Button>
Button* Place(Button* button, const char* name, int left, int top) {
  button->setObjectName(name);
  MakeWhite(button);
  button->move(left, top);
  button->adjustSize();
  return button;
}

QRadioButton* Radio(QWidget* parent, const char* name, const char* text, int left, int top) {
  return Place(new QRadioButton(text, parent), name, left, top);
}

QComboBox* Combo(QWidget* parent, const char* name, std::initializer_list<const char*> items, int left, int top,
                 int width) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  // The lists keep dark text on their light face, unlike the group's captions.
  QPalette pal = combo->palette();
  for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text}) {
    pal.setColor(role, Qt::black);
  }
  combo->setPalette(pal);
  for (const char* item : items) combo->addItem(item);
  combo->setGeometry(left, top, width, 20);
  return combo;
}

// The speed lists: the first is the fastest, the last the finest.
QComboBox* SpeedCombo(QWidget* parent, const char* name, const char* standard_at_3, const char* standard_at_2,
                      int left, int top) {
  return Combo(parent, name, {"速さ５（速い）", "速さ４", standard_at_3, standard_at_2, "速さ１（繊細）"}, left, top,
               116);
}

const char* const kSharpItems[] = {"最強", "極強", "強め", "稍強", "普通", "弱め", "なし"};

}  // namespace

TSlideForm::TSlideForm(const SlideFormValues& values, bool full_screen_start, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setObjectName("SlideForm");
  setWindowTitle("スライドショー（自動コマ送り観賞）");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);
  setFixedSize(kClientWidth, kClientHeight);

  BuildStartGroup(kLeftColumn, 6);
  BuildCommentGroup(kLeftColumn, 132);
  BuildIntervalGroup(kLeftColumn, 256);
  BuildQualityGroup(kRightColumn, 6);
  BuildTransitionGroup(kRightColumn, 106);
  BuildPanoramaGroup(kRightColumn, 294);

  StartBtn = MakeButton(this, "StartBtn", "スタート", 8, 414, 120, 30);
  FullStartBtn = MakeButton(this, "FullStartBtn", "全画面スタート", 136, 414, 120, 30);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", kClientWidth - 128, 414, 120, 30);
  StartBtn->setDefault(true);
  FullStartBtn->setEnabled(full_screen_start);
  connect(StartBtn, &QPushButton::clicked, this, [this] { Press(SlideFormAction::Start); });
  connect(FullStartBtn, &QPushButton::clicked, this, [this] { Press(SlideFormAction::FullScreenStart); });
  connect(CancelBtn, &QPushButton::clicked, this, &QDialog::reject);

  Show(values);
}

void TSlideForm::BuildStartGroup(int left, int top) {
  QGroupBox* g = Group(this, "StartGrp", "開始位置", left, top, 120);
  SaishoRadio = Radio(g, "SaishoRadio", "最初から", 14, 22);
  CursorRadio = Radio(g, "CursorRadio", "カーソル位置から", 110, 22);
  MakeLabel(g, "LastLbl", "最後の写真表示後", 14, 48);
  RepeatChk = Place(new QCheckBox("繰り返し観賞", g), "RepeatChk", 26, 66);
  NextFolderChk = Place(new QCheckBox("次のフォルダへ", g), "NextFolderChk", 132, 66);
  MakeLabel(g, "StopNoteLbl", "※キーを押すか写真をクリックで停止します", 14, 96);
}

void TSlideForm::BuildCommentGroup(int left, int top) {
  QGroupBox* g = Group(this, "CommentGrp", "コメント", left, top, 118);
  auto* shown = new QButtonGroup(g);
  CommentOnRadio = Radio(g, "CommentOnRadio", "表示", 14, 22);
  CommentOffRadio = Radio(g, "CommentOffRadio", "非表示", 80, 22);
  shown->addButton(CommentOnRadio);
  shown->addButton(CommentOffRadio);
  MakeLabel(g, "PositionLbl", "表示位置", 14, 46);
  CommentPositionGroup = new QButtonGroup(g);
  CommentPositionGroup->addButton(Radio(g, "UeRadio", "上部", 14, 62), 2);
  CommentPositionGroup->addButton(Radio(g, "ShitaRadio", "下部", 70, 62), 1);
  CommentPositionGroup->addButton(Radio(g, "HidariRadio", "左側", 126, 62), 3);
  CommentPositionGroup->addButton(Radio(g, "MigiRadio", "右側", 182, 62), 4);
  MakeLabel(g, "FixNoteLbl", "※コメント位置を固定されている写真", 14, 84);
  MakeLabel(g, "FixNote2Lbl", "には影響しません", 26, 100);
}

void TSlideForm::BuildIntervalGroup(int left, int top) {
  QGroupBox* g = Group(this, "IntervalGrp", "１枚表示時間", left, top, 76);
  IntervalGroup = new QButtonGroup(g);
  IntervalGroup->addButton(Radio(g, "Sec1Radio", "１秒", 14, 22), 1);
  IntervalGroup->addButton(Radio(g, "Sec5Radio", "５秒", 72, 22), 5);
  IntervalGroup->addButton(Radio(g, "Sec10Radio", "10秒", 130, 22), 10);
  IntervalGroup->addButton(Radio(g, "Sec30Radio", "30秒", 188, 22), 30);
  IntervalGroup->addButton(Radio(g, "Sec60Radio", "60秒", 14, 48), 60);
  IntervalGroup->addButton(Radio(g, "NiniRadio", "任意", 72, 48), 0);
  NiniEdit = new QLineEdit(g);
  NiniEdit->setObjectName("NiniEdit");
  NiniEdit->setMaxLength(5);
  NiniEdit->setGeometry(124, 46, 56, 20);
  MakeLabel(g, "SecLbl", "秒", 186, 49);
  // Typing a number chooses the free interval.
  connect(NiniEdit, &QLineEdit::textEdited, this, [this] { IntervalGroup->button(0)->setChecked(true); });
}

void TSlideForm::BuildQualityGroup(int left, int top) {
  QGroupBox* g = Group(this, "GashitsuGrp", "画質モード", left, top, 94);
  auto* mode = new QButtonGroup(g);
  KougashitsuRadio = Radio(g, "KougashitsuRadio", "高画質", 14, 22);
  KousokuRadio = Radio(g, "KousokuRadio", "高速", 96, 22);
  mode->addButton(KougashitsuRadio);
  mode->addButton(KousokuRadio);
  MakeLabel(g, "SharpLbl", "シャープ", 14, 48);
  SharpCmb = Combo(g, "SharpCmb", {}, 80, 45, 100);
  for (const char* item : kSharpItems) SharpCmb->addItem(item);
  MakeLabel(g, "KoukaLbl", "画質効果", 14, 70);
  KoukaCmb = Combo(g, "KoukaCmb", {"普通", "ｸﾛｰﾑ", "ｾﾋﾟｱ", "白黒"}, 80, 67, 100);
  connect(KougashitsuRadio, &QRadioButton::toggled, this, [this] { FollowQualityMode(); });
}

void TSlideForm::BuildTransitionGroup(int left, int top) {
  QGroupBox* g = Group(this, "KoukaGrp", "表示効果", left, top, 182);
  TransitionGroup = new QButtonGroup(g);
  TransitionGroup->addButton(Radio(g, "NoneRadio", "効果なし", 14, 22), 0);
  TransitionGroup->addButton(Radio(g, "StarRadio", "星砂効果", 14, 46), 1);
  StarSpeedCmb = SpeedCombo(g, "StarSpeedCmb", "速さ３（標準）", "速さ２", 148, 44);
  TransitionGroup->addButton(Radio(g, "PageRadio", "ページめくり", 14, 74), 2);
  PageDirectionCmb = Combo(g, "PageDirectionCmb", {"左から", "右から", "上から", "下から"}, 148, 72, 116);
  PageSpeedCmb = SpeedCombo(g, "PageSpeedCmb", "速さ３", "速さ２（標準）", 148, 96);
  TransitionGroup->addButton(Radio(g, "FadeRadio", "フェードアウトイン", 14, 126), 3);
  FadeModeCmb = Combo(g, "FadeModeCmb", {"アウト＆イン", "アウト→イン", "インのみ", "アウトのみ"}, 148, 124, 116);
  FadeSpeedCmb = SpeedCombo(g, "FadeSpeedCmb", "速さ３（標準）", "速さ２", 148, 148);
}

void TSlideForm::BuildPanoramaGroup(int left, int top) {
  QGroupBox* g = Group(this, "PanoramaGrp", "パノラマモード", left, top, 112);
  PanoramaGroup = new QButtonGroup(g);
  PanoramaGroup->addButton(Radio(g, "NormalRadio", "ノーマル（１枚）表示", 14, 22), 0);
  PanoramaGroup->addButton(Radio(g, "PanoramaRadio", "パノラマ（２枚）表示", 14, 44), 1);
  PanoramaGroup->addButton(Radio(g, "PanoramaRLRadio", "パノラマ（２枚逆）表示", 14, 66), 2);
  PanoramaGroup->addButton(Radio(g, "Panorama4Radio", "パノラマ（４枚）表示", 14, 88), 3);
}

void TSlideForm::Show(const SlideFormValues& v) {
  (v.from_first ? SaishoRadio : CursorRadio)->setChecked(true);
  RepeatChk->setChecked(v.repeat);
  NextFolderChk->setChecked(v.next_folder);
  (v.comment_visible ? CommentOnRadio : CommentOffRadio)->setChecked(true);
  if (QAbstractButton* b = CommentPositionGroup->button(v.comment_position)) b->setChecked(true);
  if (QAbstractButton* b = IntervalGroup->button(v.interval_code)) b->setChecked(true);
  NiniEdit->setText(ToQString(v.custom_seconds));
  (v.quality_mode == QualityModeKind::HighQuality ? KougashitsuRadio : KousokuRadio)->setChecked(true);
  const auto level = std::find_if(kSharpnessChoices.begin(), kSharpnessChoices.end(),
                                  [&v](const SharpnessChoice& c) { return c.level == v.sharpness; });
  // A level no item has shows as "普通".
  SharpCmb->setCurrentIndex(level != kSharpnessChoices.end()
                                ? static_cast<int>(std::distance(kSharpnessChoices.begin(), level))
                                : 4);
  const auto effect = std::find_if(kEffectChoices.begin(), kEffectChoices.end(),
                                   [&v](const EffectChoice& c) { return c.effect == v.effect; });
  KoukaCmb->setCurrentIndex(
      effect != kEffectChoices.end() ? static_cast<int>(std::distance(kEffectChoices.begin(), effect)) : 0);
  if (QAbstractButton* b = TransitionGroup->button(v.transition)) b->setChecked(true);
  StarSpeedCmb->setCurrentIndex(v.star_sand_speed);
  PageDirectionCmb->setCurrentIndex(v.page_direction);
  PageSpeedCmb->setCurrentIndex(v.page_speed);
  FadeModeCmb->setCurrentIndex(v.fade_mode);
  FadeSpeedCmb->setCurrentIndex(v.fade_speed);
  if (QAbstractButton* b = PanoramaGroup->button(static_cast<int>(v.panorama_mode))) b->setChecked(true);
  FollowQualityMode();
}

SlideFormValues TSlideForm::Values() const {
  SlideFormValues v;
  v.from_first = SaishoRadio->isChecked();
  v.repeat = RepeatChk->isChecked();
  v.next_folder = NextFolderChk->isChecked();
  v.comment_visible = CommentOnRadio->isChecked();
  v.comment_position = std::max(CommentPositionGroup->checkedId(), 1);
  v.interval_code = IntervalGroup->checkedId() >= 0 ? IntervalGroup->checkedId() : 5;
  v.custom_seconds = FromQString(NiniEdit->text());
  v.quality_mode = KousokuRadio->isChecked() ? QualityModeKind::HighSpeed : QualityModeKind::HighQuality;
  v.sharpness = kSharpnessChoices[static_cast<std::size_t>(std::clamp(SharpCmb->currentIndex(), 0, 6))].level;
  v.effect = kEffectChoices[static_cast<std::size_t>(std::clamp(KoukaCmb->currentIndex(), 0, 3))].effect;
  v.transition = std::max(TransitionGroup->checkedId(), 0);
  v.star_sand_speed = std::max(StarSpeedCmb->currentIndex(), 0);
  v.page_direction = std::max(PageDirectionCmb->currentIndex(), 0);
  v.page_speed = std::max(PageSpeedCmb->currentIndex(), 0);
  v.fade_mode = std::max(FadeModeCmb->currentIndex(), 0);
  v.fade_speed = std::max(FadeSpeedCmb->currentIndex(), 0);
  v.panorama_mode = static_cast<PanoramaKind>(std::clamp(PanoramaGroup->checkedId(), 0, 3));
  return v;
}

// Sharpness and colour effects show only in the high-quality mode.
void TSlideForm::FollowQualityMode() {
  const bool high_quality = KougashitsuRadio->isChecked();
  SharpCmb->setEnabled(high_quality);
  KoukaCmb->setEnabled(high_quality);
}

void TSlideForm::Press(SlideFormAction action) {
  if (Store && !Store(Values())) {
    NiniEdit->selectAll();
    NiniEdit->setFocus();
    return;
  }
  action_ = action;
  accept();
}

void TSlideForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
  StartBtn->setFocus();
}

SlideFormAction TSlideForm::Run() {
  action_ = SlideFormAction::Cancel;
  if (exec() != QDialog::Accepted) return SlideFormAction::Cancel;
  return action_;
}

}  // namespace lumetta::ui
