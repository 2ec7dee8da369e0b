#include "ui/transfer/tensou2_form.h"

#include "core/transfer/transfer_engine.h"
#include "ui/app/colours.h"
#include "ui/app/command_runner.h"
#include "ui/app/fonts.h"
#include "ui/app/qt_user_interface.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kWidth = 400;
}  // namespace

TTensou2Form::TTensou2Form(TransferEngine& engine, UserInterface& ui, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), engine_(engine), ui_(ui) {
  setObjectName("Tensou2Form");
  setWindowTitle("転送しています。");
  setFont(PGothicFont(12));
  SetBackground(this, kGreen);

  MaisuLbl = MakeLabel(this, "MaisuLbl", "", 12, 12);
  MaisuLbl->setFixedWidth(kWidth - 24);
  ProgressBar = new QProgressBar(this);
  ProgressBar->setObjectName("ProgressBar");
  ProgressBar->setGeometry(12, 36, kWidth - 24, 20);
  ProgressBar->setRange(0, 100);
  ProgressBar->setValue(0);
  CancelBtn = MakeButton(this, "CancelBtn", "キャンセル", kWidth - 92, 66, 80, 26);
  MakeLabel(this, "EscLbl", "「ESC」キーでも、途中で転送をキャンセルできます。", 12, 72);
  connect(CancelBtn, &QPushButton::clicked, this, &TTensou2Form::reject);
  setFixedSize(kWidth, 104);

  step_timer_.setSingleShot(true);
  step_timer_.setInterval(1);
  step_timer_.setTimerType(Qt::PreciseTimer);
  connect(&step_timer_, &QTimer::timeout, this, &TTensou2Form::Tick);
  caption_timer_.setInterval(500);
  connect(&caption_timer_, &QTimer::timeout, this, [this] { setWindowTitle(NextCaption(windowTitle())); });
}

QString TTensou2Form::NextCaption(const QString& caption) {
  if (caption == "転送しています。") return "転送しています。。";
  if (caption == "転送しています。。") return "転送しています。。。";
  return "転送しています。";
}

void TTensou2Form::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  CentreOnOwnerWindow(this);
  if (started_) return;
  started_ = true;
  engine_.Start();
  step_timer_.start();
  caption_timer_.start();
}

void TTensou2Form::Tick() {
  // The timer is off while the tick runs (a question may open over the
  // window); it is started again only when the run goes on.
  // A failure the engine does not handle is reported and ends the run; the
  // engine drops a copy under way.
  bool more = false;
  RunCommand(ui_, [this, &more] { more = engine_.Step(); });
  if (!more && !engine_.Finished()) engine_.Cancel();
  MaisuLbl->setText(ToQString(engine_.CountText()));
  ProgressBar->setValue(engine_.Percent());
  if (!more) {
    caption_timer_.stop();
    accept();
    return;
  }
  step_timer_.start();
}

void TTensou2Form::reject() {
  step_timer_.stop();
  caption_timer_.stop();
  engine_.Cancel();
  QDialog::reject();
}

}  // namespace lumetta::ui
