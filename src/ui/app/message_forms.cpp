#include "ui/app/message_forms.h"

#include <QApplication>
#include <QKeyEvent>
#include <QScreen>

#include "ui/app/colours.h"
#include "ui/app/fonts.h"
#include "ui/app/widget_helpers.h"

namespace lumetta::ui {

namespace {
constexpr int kLeft = 12;
int LineTop(int k) { return 10 + 24 * (k - 1); }

QString Q(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

QPushButton* MakeButton(QWidget* parent, const QString& caption, int left, int top, int width, int height) {
  auto* button = new QPushButton(caption, parent);
  button->setGeometry(left, top, width, height);
  return button;
}
}  // namespace

MessageForm::MessageForm(const QString& caption, int max_lines, int client_width,
                         const std::vector<std::string>& lines, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint) {
  setWindowTitle(caption);
  setAttribute(Qt::WA_InputMethodEnabled, false);
  SetBackground(this, kGreen);
  line_count_ = static_cast<int>(lines.size());
  if (line_count_ > max_lines) line_count_ = max_lines;
  for (int k = 1; k <= max_lines; ++k) {
    auto* label = new QLabel(this);
    label->setObjectName(QString("M%1Lbl").arg(k));
    label->setFont(PGothicFont(16, true));
    QPalette lp = label->palette();
    lp.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(lp);
    label->setWordWrap(false);
    label->setGeometry(kLeft, LineTop(k), client_width - kLeft, 20);
    if (k <= line_count_) label->setText(Q(lines[static_cast<std::size_t>(k - 1)]));
    label->setVisible(k <= line_count_);
    labels_.push_back(label);
  }
}

void MessageForm::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  if (owner_ != nullptr) CentreOver(owner_);
}

void MessageForm::CentreOver(QWidget* owner) {
  owner_ = owner;
  QRect own = frameGeometry();
  int left = own.left();
  int top = own.top();
  if (owner != nullptr) {
    const QRect o = owner->frameGeometry();
    left = o.left() + o.width() / 2 - own.width() / 2;
    top = o.top() + o.height() / 2 - own.height() / 2;
  }
  if (QScreen* screen = owner != nullptr ? owner->screen() : QApplication::primaryScreen()) {
    const QRect s = screen->geometry();
    if (left + own.width() > s.width()) left = s.width() - own.width();
    if (top + own.height() > s.height()) top = s.height() - own.height();
  }
  if (left < 0) left = 0;
  if (top < 0) top = 0;
  move(left, top);
}

TPrintForm::TPrintForm(const std::vector<std::string>& lines, QWidget* parent)
    : MessageForm("Lumetta", 12, 443, lines, parent) {
  const int n = LineCount();
  setFixedSize(443, 24 * n + 40);
  TojiruBtn = MakeButton(this, "閉じる", 184, 24 * n + 11, 75, 25);
  TojiruBtn->setObjectName("TojiruBtn");
  TojiruBtn->setDefault(true);
  TojiruBtn->setFocus();
  connect(TojiruBtn, &QPushButton::clicked, this, &QDialog::accept);
}

TKakuninForm::TKakuninForm(const std::vector<std::string>& lines, QWidget* parent)
    : MessageForm("確認", 8, 442, lines, parent) {
  const int n = LineCount();
  setFixedSize(442, 24 * n + 38);
  HaiBtn = MakeButton(this, "はい", 131, 24 * n + 10, 80, 25);
  HaiBtn->setObjectName("HaiBtn");
  IieBtn = MakeButton(this, "いいえ", 231, 24 * n + 10, 80, 25);
  IieBtn->setObjectName("IieBtn");
  HaiBtn->setDefault(true);
  HaiBtn->setFocus();
  connect(HaiBtn, &QPushButton::clicked, this, [this] { done(1); });
  connect(IieBtn, &QPushButton::clicked, this, [this] { done(2); });
}

void TKakuninForm::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Y:
      HaiBtn->setFocus();
      done(1);
      return;
    case Qt::Key_N:
      IieBtn->setFocus();
      done(2);
      return;
    case Qt::Key_Escape:
      IieBtn->click();
      return;
    default:
      MessageForm::keyPressEvent(event);
  }
}

TSelectForm::TSelectForm(const std::vector<std::string>& lines, const std::vector<std::string>& captions,
                         QWidget* parent)
    : MessageForm("選択", 8, 387, lines, parent) {
  const int n = LineCount();
  setFixedSize(387, 24 * n + 41);
  static constexpr int kButtonLeft[5] = {309, 237, 165, 93, 21};
  for (int j = 1; j <= 5; ++j) {
    const std::size_t i = static_cast<std::size_t>(j - 1);
    auto* button = MakeButton(this, i < captions.size() ? Q(captions[i]) : QString(), kButtonLeft[i], 24 * n + 11,
                              70, 23);
    button->setObjectName(QString("S%1Btn").arg(j));
    button->setVisible(i < captions.size());
    button->setAutoDefault(false);
    connect(button, &QPushButton::clicked, this, [this, j] { done(j); });
    buttons_.push_back(button);
  }
}

namespace {
template <typename Form>
void Prepare(Form& form, QWidget* main_window) {
  // The active window of the program: a modal dialog when one is open.
  QWidget* owner = QApplication::activeModalWidget();
  if (owner == nullptr) owner = QApplication::activeWindow();
  if (owner == nullptr) owner = main_window;
  form.CentreOver(owner);
}

void AfterClose() { QApplication::processEvents(QEventLoop::ExcludeUserInputEvents); }
}  // namespace

void RunMessageBox(const std::vector<std::string>& lines, QWidget* main_window) {
  TPrintForm form(lines, main_window);
  Prepare(form, main_window);
  form.exec();
  AfterClose();
}

int RunYesNo(const std::vector<std::string>& lines, QWidget* main_window) {
  TKakuninForm form(lines, main_window);
  Prepare(form, main_window);
  form.exec();
  AfterClose();
  return form.Answer();
}

int RunChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions,
              QWidget* main_window) {
  TSelectForm form(lines, captions, main_window);
  Prepare(form, main_window);
  form.exec();
  AfterClose();
  return form.Answer();
}

}  // namespace lumetta::ui
