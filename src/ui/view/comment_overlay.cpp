#include "ui/view/comment_overlay.h"

#include <algorithm>
#include <functional>
#include <utility>

#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QMenu>
#include <QPainter>
#include <vector>

#include "core/view/comment_commands.h"
#include "ui/app/command_runner.h"
#include "ui/app/fonts.h"
#include "ui/app/main_form.h"

namespace lumetta::ui {

namespace {

QString ToQ(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// Draws text with its cell's top left at (x, y), as the comment's cells are
// measured.
void DrawTextAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

QImage BlackImage(int width, int height) {
  QImage image(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
  image.fill(Qt::black);
  return image;
}

void StartPainter(QPainter& painter, const QFont& font) {
  painter.setFont(font);
  painter.setPen(Qt::white);
}

QImage Turned(const QImage& scratch) {
  const int s = scratch.width();
  std::vector<std::uint32_t> pixels(static_cast<std::size_t>(s) * static_cast<std::size_t>(s));
  for (int y = 0; y < s; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(scratch.constScanLine(y));
    std::copy(row, row + s, pixels.begin() + static_cast<std::ptrdiff_t>(y) * s);
  }
  const std::vector<std::uint32_t> turned = TurnQuarterClockwise(pixels, s);
  QImage out(s, s, QImage::Format_RGB32);
  for (int y = 0; y < s; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(out.scanLine(y));
    std::copy(turned.begin() + static_cast<std::ptrdiff_t>(y) * s, turned.begin() + static_cast<std::ptrdiff_t>(y + 1) * s,
              row);
  }
  return out;
}

void DrawCell(QPainter& painter, const VerticalCell& cell, const QFont& font, int cw, int ch) {
  const QString text = ToQ(cell.ch.text);
  switch (cell.glyph) {
    case VerticalGlyph::Upright:
      DrawTextAt(painter, cell.text_x, cell.top + cell.text_y, text);
      break;
    case VerticalGlyph::Moved: {
      QImage scratch = BlackImage(cell.scratch_width, cell.scratch_height);
      {
        QPainter p(&scratch);
        StartPainter(p, font);
        DrawTextAt(p, cell.text_x, cell.text_y, text);
      }
      painter.drawImage(0, cell.top, scratch);
      break;
    }
    case VerticalGlyph::Turned: {
      QImage scratch = BlackImage(cell.scratch_width, cell.scratch_height);
      {
        QPainter p(&scratch);
        StartPainter(p, font);
        DrawTextAt(p, cell.text_x, cell.text_y, text);
      }
      const QImage turned = Turned(scratch);
      painter.drawImage(QPoint(cell.dest_left, cell.top + cell.dest_down), turned,
                        QRect(cell.source_left, cell.source_top, cw, ch));
      break;
    }
  }
}

}  // namespace

CommentImage::CommentImage(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
  hide();
}

void CommentImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}

void CommentImage::mousePressEvent(QMouseEvent*) { emit Pressed(); }

QFont CommentQFont(const CommentFont& font) {
  // Points at 96 pixels per inch, as the fonts are measured on Windows: 14
  // points are 19 pixels, 16 points 21.
  const int pixels = (font.points * 96 + 36) / 72;
  return font.fixed_pitch ? GothicFont(pixels, true) : PGothicFont(pixels, true);
}

CommentMetrics QtCommentMetrics() {
  CommentMetrics m;
  m.text_width = [](std::string_view text, const CommentFont& font) {
    return static_cast<std::int32_t>(QFontMetrics(CommentQFont(font)).horizontalAdvance(ToQ(text)));
  };
  m.text_height = [](std::string_view, const CommentFont& font) {
    return static_cast<std::int32_t>(QFontMetrics(CommentQFont(font)).height());
  };
  return m;
}

QImage DrawCommentLayout(const CommentLayout& layout) {
  QImage image = BlackImage(layout.width, layout.height);
  QPainter painter(&image);
  const QFont font = CommentQFont(layout.font);
  StartPainter(painter, font);
  if (!layout.vertical) {
    DrawTextAt(painter, 2, 0, ToQ(layout.text));
    return image;
  }
  for (const VerticalCell& cell : layout.cells) DrawCell(painter, cell, font, layout.cell_width, layout.cell_height);
  return image;
}

CommentOverlay::CommentOverlay(AppState& state, QtUserInterface& ui, TMainForm& form, QWidget* view)
    : QObject(&form), state_(state), ui_(ui) {
  for (CommentImage*& image : images_) {
    image = new CommentImage(view);
    connect(image, &CommentImage::Pressed, this, [this] { CommentImgMouseDown(state_); });
  }
  BuildMenu(form);
  ViewHooks& hooks = state_.view.hooks;
  hooks.DrawComment = [this](std::int32_t pane) { DrawComment(pane); };
  hooks.RedrawComments = [this] { lumetta::RedrawComments(state_); };
  hooks.HideComments = [this] { HideComments(); };
  hooks.CommentSettingsChanged = [this] { CheckCommentMenus(state_, ui_); };
  form.SetKeyHandler(KeyCommand::CommentPosition,
                     [this](bool) { RunCommand(ui_, [this] { CommentPositionKey(state_, ui_); }); });
  form.SetKeyHandler(KeyCommand::CommentOnOff, [this](bool) { RunCommand(ui_, [this] { CommentOnOffKey(state_, ui_); }); });
}

CommentOverlay::~CommentOverlay() {
  ViewHooks& hooks = state_.view.hooks;
  hooks.DrawComment = nullptr;
  hooks.RedrawComments = nullptr;
  hooks.HideComments = nullptr;
  hooks.CommentSettingsChanged = nullptr;
}

void CommentOverlay::BuildMenu(TMainForm& form) {
  QMenu* menu = form.Menus().CommentMenu;
  auto item = [&](QMenu* in, QActionGroup* group, const char* text, Ctl control, std::function<void()> command) {
    QAction* action = in->addAction(text);
    action->setCheckable(true);
    group->addAction(action);
    ui_.Register(control, action);
    connect(action, &QAction::triggered, this, [this, command = std::move(command)] {
      RunCommand(ui_, command);
      // The marks follow the settings, whatever the click did.
      CheckCommentMenus(state_, ui_);
    });
    return action;
  };
  auto* shown = new QActionGroup(menu);
  CommentOkMenu = item(menu, shown, "コメント表示 ［Ｆ8］", Ctl::CommentOkMenu, [this] { CommentOkMenuClick(state_, ui_); });
  CommentNoneMenu =
      item(menu, shown, "コメント非表示 ［Ｆ8］", Ctl::CommentNoneMenu, [this] { CommentNoneMenuClick(state_, ui_); });
  QMenu* positions = menu->addMenu("コメント表示位置 ［F7］");
  auto* place = new QActionGroup(positions);
  auto position = [this](std::int32_t p) { return [this, p] { SetCommentPosition(state_, ui_, p); }; };
  CommentUeMenu = item(positions, place, "写真上側", Ctl::CommentUeMenu, position(kCommentAbove));
  CommentShitaMenu = item(positions, place, "写真下側", Ctl::CommentShitaMenu, position(kCommentBelow));
  CommentHidariMenu = item(positions, place, "写真左側（縦書き）", Ctl::CommentHidariMenu, position(kCommentLeft));
  CommentMigiMenu = item(positions, place, "写真右側（縦書き）", Ctl::CommentMigiMenu, position(kCommentRight));
  CheckCommentMenus(state_, ui_);
}

void CommentOverlay::AttachFullScreen(QWidget* full_view) {
  DetachFullScreen();
  connect(full_view, &QObject::destroyed, this, [this] { full_images_.fill(nullptr); });
  for (CommentImage*& image : full_images_) {
    image = new CommentImage(full_view);
    connect(image, &CommentImage::Pressed, this, [this] { CommentImgMouseDown(state_); });
  }
}

void CommentOverlay::DetachFullScreen() {
  for (CommentImage*& image : full_images_) {
    if (image != nullptr) image->hide();
    image = nullptr;
  }
}

const std::array<CommentImage*, 4>& CommentOverlay::Shown() const {
  return state_.FullScreenActive && full_images_[0] != nullptr ? full_images_ : images_;
}

void CommentOverlay::HideComments() {
  for (CommentImage* image : images_) image->hide();
  for (CommentImage* image : full_images_) {
    if (image != nullptr) image->hide();
  }
}

void CommentOverlay::DrawComment(std::int32_t pane) {
  if (pane < 1 || pane > 4) return;
  const CommentPlan plan = PlanComment(state_, pane, 0, 0, QtCommentMetrics());
  if (plan.step == CommentStep::Keep) return;
  CommentImage* image = Shown()[static_cast<std::size_t>(pane - 1)];
  if (plan.step == CommentStep::Hide) {
    if (state_.InPanorama()) {
      image->hide();
    } else {
      HideComments();
    }
    return;
  }
  const CommentLayout& layout = plan.layout;
  image->hide();
  image->SetPicture(DrawCommentLayout(layout));
  image->setGeometry(layout.left, layout.top, layout.width, layout.height);
  image->setToolTip(ToQ(layout.hint));
  image->show();
  image->raise();
  // Painted now, without handling other events.
  image->repaint();
}

}  // namespace lumetta::ui
