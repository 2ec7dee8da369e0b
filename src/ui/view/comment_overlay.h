#pragma once
// The comment overlay: four small black boxes floating over the photo view,
// one per pane, showing the photo's comment in white bold Gothic, along the
// top or bottom edge or written vertically along the left or right edge.
// The core decides what shows where (core/view/comment_commands.h); this
// draws it. Also the "コメント" menu's items and the F7 and F8 keys.

#include <QImage>
#include <QObject>
#include <QWidget>
#include <array>
#include <utility>

#include "core/state/app_state.h"
#include "core/view/comment_layout.h"
#include "ui/app/qt_user_interface.h"

class QAction;

namespace lumetta::ui {

class TMainForm;

// One pane's overlay: it shows its picture at its own size, the whole
// comment as its tooltip.
class CommentImage : public QWidget {
  Q_OBJECT
 public:
  explicit CommentImage(QWidget* parent);
  void SetPicture(QImage picture) { picture_ = std::move(picture); }
  const QImage& Picture() const { return picture_; }

 signals:
  void Pressed();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  QImage picture_;
};

// The Qt font of an overlay's font description.
QFont CommentQFont(const CommentFont& font);
// The measures of the comment fonts.
CommentMetrics QtCommentMetrics();
// The overlay's picture for a layout that shows: black, the text white.
QImage DrawCommentLayout(const CommentLayout& layout);

class CommentOverlay : public QObject {
  Q_OBJECT
 public:
  // The overlays are children of view, the photo view's picture.
  CommentOverlay(AppState& state, QtUserInterface& ui, TMainForm& form, QWidget* view);
  ~CommentOverlay() override;

  CommentImage* Image(int pane) const { return images_[static_cast<std::size_t>(pane - 1)]; }

  // The full-screen view's own four overlays, children of its picture; they
  // take the comments while the view is open.
  void AttachFullScreen(QWidget* full_view);
  void DetachFullScreen();
  CommentImage* FullScreenImage(int pane) const { return full_images_[static_cast<std::size_t>(pane - 1)]; }

  QAction* CommentOkMenu = nullptr;
  QAction* CommentNoneMenu = nullptr;
  QAction* CommentUeMenu = nullptr;
  QAction* CommentShitaMenu = nullptr;
  QAction* CommentHidariMenu = nullptr;
  QAction* CommentMigiMenu = nullptr;

 private:
  void BuildMenu(TMainForm& form);
  void DrawComment(std::int32_t pane);
  void HideComments();
  // The overlays the comments go to now.
  const std::array<CommentImage*, 4>& Shown() const;

  AppState& state_;
  QtUserInterface& ui_;
  std::array<CommentImage*, 4> images_{};
  std::array<CommentImage*, 4> full_images_{};
};

}  // namespace lumetta::ui
