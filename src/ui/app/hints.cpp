#include "ui/app/hints.h"

#include <QApplication>
#include <QHelpEvent>
#include <QProxyStyle>
#include <QToolTip>
#include <QWidget>

namespace lumetta::ui {

namespace {

class HintStyle : public QProxyStyle {
 public:
  using QProxyStyle::QProxyStyle;
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* data) const override {
    if (hint == SH_ToolTip_WakeUpDelay) return kHintDelayMs;
    return QProxyStyle::styleHint(hint, option, widget, data);
  }
};

// Qt takes a hint down after about ten seconds; the program's stay.
class HintDuration : public QObject {
 public:
  using QObject::QObject;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::ToolTip) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (widget == nullptr || widget->toolTip().isEmpty()) return false;
    const auto* help = static_cast<QHelpEvent*>(event);
    QToolTip::showText(help->globalPos(), widget->toolTip(), widget, QRect(), kHintShowMs);
    return true;
  }
};

const QString kFilterName = QStringLiteral("LumettaHintDuration");

}  // namespace

void InstallHints(QApplication& app) {
  // Once per application (HintDuration has no meta-object of its own, so it
  // is found by name).
  if (app.findChild<QObject*>(kFilterName, Qt::FindDirectChildrenOnly) != nullptr) return;
  QApplication::setStyle(new HintStyle(QApplication::style()->name()));
  auto* filter = new HintDuration(&app);
  filter->setObjectName(kFilterName);
  app.installEventFilter(filter);
}

}  // namespace lumetta::ui
