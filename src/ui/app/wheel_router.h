#pragma once
// The mouse wheel of the main window and the wide thumbnail window: over
// the strip it steps the strip by one, over the wide window by a page, over
// the folder tree it moves to the next or previous folder and over the view
// to the next or previous photo. Notches add up, so a fine wheel acts once
// per 120 units; input that arrives meanwhile is dropped.

#include <QObject>

#include "core/state/app_state.h"

class QWheelEvent;

namespace lumetta::ui {

class QtUserInterface;
class TMainForm;
class ThumbStripView;

class WheelRouter : public QObject {
  Q_OBJECT
 public:
  WheelRouter(AppState& state, QtUserInterface& ui, TMainForm& form, ThumbStripView& strip);
  ~WheelRouter() override;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Target { None, Strip, Tree, View, Wide };

  Target TargetOf(const QWidget* widget) const;
  void Turn(Target target, QWheelEvent* event);

  AppState& state_;
  QtUserInterface& ui_;
  TMainForm& form_;
  ThumbStripView& strip_;
  int rest_ = 0;
};

}  // namespace lumetta::ui
