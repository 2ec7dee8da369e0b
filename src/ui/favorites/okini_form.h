#pragma once
// TOkiniForm ("お気に入り"): the favorites window. The tree of favorites
// folders at the left, pages of 80 x 60 thumbnails beside it with the paging
// buttons in the last cell, the pop-up menu OkiniPop, dragging a favorite
// onto a folder, and the keys. Created once and kept for the whole run,
// so that it keeps the folder it showed; opened modally.

#include <QDialog>
#include <QMenu>
#include <QPushButton>
#include <functional>
#include <string>

#include "core/favorites/favorites_window.h"
#include "core/imaging/dib_image.h"
#include "core/state/app_state.h"

class QWheelEvent;

namespace lumetta::ui {

class FavoritesTreeWidget;
class PagingRepeat;
class QtUserInterface;
class StripButton;

// The favorite's name over its thumbnail while the pointer is on it.
class FavoriteNameLabel : public QWidget {
  Q_OBJECT
 public:
  explicit FavoriteNameLabel(QWidget* parent);
  void ShowAt(const QString& text, int thumb_left, int thumb_top);
  QString Text() const { return text_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QString text_;
};

// The thumbnails of the page: the picture the page is drawn into, and the
// extension of the favorite under the pointer in its cell's bottom band.
class FavoritesPagePanel : public QWidget {
  Q_OBJECT
 public:
  FavoritesPagePanel(const TDibImage* page, QWidget* parent);
  // The cell whose band shows its favorite's extension (-1: none).
  void ShowTag(int cell, int left, int top, const QString& tag);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const TDibImage* page_;
  int tag_cell_ = -1;
  QRect tag_rect_;
  QString tag_;
};

class TOkiniForm : public QDialog {
  Q_OBJECT
 public:
  enum class Outcome { Closed, AddPhoto, OpenPhoto };

  TOkiniForm(AppState& state, QtUserInterface& ui, FavoritesSession& session, QWidget* main_window);
  ~TOkiniForm() override;

  // Opens the window (modal) on the session's current folder; how it was
  // closed. Closed at once when the favorites cannot be read.
  Outcome Run();
  // The photo to show after Outcome::OpenPhoto (a disk path).
  const std::string& PhotoToOpen() const { return photo_to_open_; }

  // Redraws the page from the session.
  void RedrawPage();
  // The picture of the page as drawn last.
  const TDibImage& PageImage() const { return page_image_; }
  // The place of cell k's thumbnail on ThumbPnl.
  QRect CellRect(int k) const;
  // Told after each drawing of the page.
  std::function<void()> OnPageDrawn;
  // The auto-repeat of the paging buttons.
  const PagingRepeat& Repeat() const { return *repeat_; }

  FavoritesTreeWidget* FolderTree = nullptr;
  FavoritesPagePanel* ThumbPnl = nullptr;
  FavoriteNameLabel* NameLbl = nullptr;
  StripButton* TopBtn = nullptr;
  StripButton* LeftBtn = nullptr;   // "←"
  StripButton* RightBtn = nullptr;  // "→"
  StripButton* EndBtn = nullptr;
  QPushButton* MenuBtn = nullptr;        // "ﾒﾆｭｰ"
  QPushButton* MakeFolderBtn = nullptr;  // "フォルダを作成"
  QPushButton* AddBtn = nullptr;         // "表示中写真を追加"
  QPushButton* CloseBtn = nullptr;       // "閉じる"
  QMenu* OkiniPop = nullptr;

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  bool focusNextPrevChild(bool next) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The keys; keyPressEvent runs it as a command.
  void KeyDown(QKeyEvent* event);
  void LayOut();
  void BuildTree();
  void BuildMenu();
  bool Ready() const;

  void TreePress(const std::string& path, Qt::MouseButton button);
  void SelectFolder(const std::string& path);
  void StepTree(bool forward);

  bool PanelMouse(QEvent* event);
  void Hover(const QPoint& panel_pos);
  void EndHover();
  int CellAtPanel(const QPoint& panel_pos) const;
  void Drop(const QPoint& global_pos);
  void PanelWheel(QWheelEvent* event);
  void TreeWheel(QWheelEvent* event);

  void Page(const std::function<bool()>& step);
  void StartRepeat(std::function<bool()> step);

  void RemoveSelected(bool explain);
  void RenameSelected(bool explain);
  void RefreshSelected(bool explain);
  void CloseWith(Outcome outcome);

  AppState& state_;
  QtUserInterface& ui_;
  FavoritesSession& session_;
  QWidget* main_window_;
  TDibImage page_image_;
  Outcome outcome_ = Outcome::Closed;
  std::string photo_to_open_;

  int hover_cell_ = -1;
  int pressed_slot_ = 0;
  bool dragging_ = false;
  int panel_wheel_rest_ = 0;
  int tree_wheel_rest_ = 0;
  PagingRepeat* repeat_ = nullptr;
};

}  // namespace lumetta::ui
