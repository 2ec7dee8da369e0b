#pragma once
// TSlideForm: "スライドショー（自動コマ送り観賞）", the slide show's settings
// dialog: where to start, what to do after the last photo, the comment, the
// interval, the picture quality, the transition and the panorama mode.

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <functional>

#include "core/slideshow/slide_form_model.h"

namespace lumetta::ui {

enum class SlideFormAction { Cancel, Start, FullScreenStart };

class TSlideForm : public QDialog {
  Q_OBJECT
 public:
  // The controls show values; "全画面スタート" is enabled with
  // full_screen_start.
  TSlideForm(const SlideFormValues& values, bool full_screen_start, QWidget* parent = nullptr);

  // What the controls hold now.
  SlideFormValues Values() const;

  // Called by "スタート" and "全画面スタート" with the values; false (the
  // custom interval was refused) keeps the dialog open with the interval's
  // text selected.
  std::function<bool(const SlideFormValues&)> Store;

  // Shows the dialog modally, centred on its parent; which button closed it.
  SlideFormAction Run();

  QRadioButton* SaishoRadio = nullptr;  // "最初から"
  QRadioButton* CursorRadio = nullptr;  // "カーソル位置から"
  QCheckBox* RepeatChk = nullptr;       // "繰り返し観賞"
  QCheckBox* NextFolderChk = nullptr;   // "次のフォルダへ"
  QRadioButton* CommentOnRadio = nullptr;
  QRadioButton* CommentOffRadio = nullptr;
  QButtonGroup* CommentPositionGroup = nullptr;  // ids 1 "下部", 2 "上部", 3 "左側", 4 "右側"
  QButtonGroup* IntervalGroup = nullptr;         // ids the interval codes, 0 "任意"
  QLineEdit* NiniEdit = nullptr;
  QRadioButton* KougashitsuRadio = nullptr;
  QRadioButton* KousokuRadio = nullptr;
  QComboBox* SharpCmb = nullptr;
  QComboBox* KoukaCmb = nullptr;
  QButtonGroup* TransitionGroup = nullptr;  // ids 0..3
  QComboBox* StarSpeedCmb = nullptr;
  QComboBox* PageDirectionCmb = nullptr;
  QComboBox* PageSpeedCmb = nullptr;
  QComboBox* FadeModeCmb = nullptr;
  QComboBox* FadeSpeedCmb = nullptr;
  QButtonGroup* PanoramaGroup = nullptr;  // ids 0..3
  QPushButton* StartBtn = nullptr;
  QPushButton* FullStartBtn = nullptr;
  QPushButton* CancelBtn = nullptr;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void BuildStartGroup(int left, int top);
  void BuildCommentGroup(int left, int top);
  void BuildIntervalGroup(int left, int top);
  void BuildQualityGroup(int left, int top);
  void BuildTransitionGroup(int left, int top);
  void BuildPanoramaGroup(int left, int top);
  void Show(const SlideFormValues& values);
  void FollowQualityMode();
  void Press(SlideFormAction action);

  SlideFormAction action_ = SlideFormAction::Cancel;
};

}  // namespace lumetta::ui
