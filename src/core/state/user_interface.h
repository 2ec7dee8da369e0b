#pragma once
// What the user sees, as the program's operations reach it.
//
// The operations of the core never talk to widgets. They set texts, checks
// and enables of named controls, ask the user through the three message
// boxes and the dialogs, and say when a picture has changed. The main window
// implements this interface; tests use a fake that records what was shown
// and answers with scripted replies.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/base/exception.h"
#include "core/base/numbered_array.h"

namespace lumetta {

class AkarusaModel;
class CameraSlotsEdit;
class LumRenameModel;
class LumSaveModel;
class TransferEngine;

// Controls whose state the operations set, by their names in the windows.
enum class Ctl {
  // Main window labels.
  JoutaiLbl,
  RitsuLbl,
  SizeLbl,
  HenshuLbl,
  FileNameLbl,
  GashitsuModeLbl,
  GashitsuModeSLbl,
  KoukaLbl,
  SharpLbl,
  NarabikaeLbl,
  // Edit panel buttons.
  ZoomDownBtn,
  ZoomUpBtn,
  ZoomKaijoBtn,
  WideChk,
  // Menu items with a check mark.
  Size480Menu,
  Size640Menu,
  Size800Menu,
  Size1024Menu,
  SizeNiniMenu,
  NoPanoramicMenu,
  PanoramicMenu,
  PanoramicRLMenu,
  Panoramic4Menu,
  FNameMenu,
  TimeMenu,
  ExifMenu,
  NarabiLeftMenu,
  NarabiRightMenu,
  KougashitsuMenu,
  KousokuMenu,
  GNormalMenu,
  GChromaMenu,
  GSepiaMenu,
  GWhiteBlackMenu,
  HistgramAutoMenu,
  HistgramHandMenu,
  SPKanariMenu,
  SPDaibuMenu,
  SPTsuyomeMenu,
  SPYayaMenu,
  SPChuuMenu,
  SPYowameMenu,
  SPNashiMenu,
  // The folder panel: the panel itself, the two path labels of each
  // photo-folder slot, and the hidden button that takes the keyboard focus.
  FolderPnl,
  FolderLbl1,
  FolderLbl1B,
  FolderLbl2,
  FolderLbl2B,
  FolderLbl3,
  FolderLbl3B,
  DummyBtn,
  // The photo information panel: the panel, the extension of the photo
  // shown, its size and its shooting information.
  ExtNameLbl,
  ExifPnl,
  FileSizeLbl,
  HidukeLbl,
  TimeLbl,
  CameraLbl,
  MakerLbl,
  SatsueiLbl,
  StrobeLbl,
  SatsueiLbl2,
  // The comment menu's items with a check mark.
  CommentOkMenu,
  CommentNoneMenu,
  CommentUeMenu,
  CommentShitaMenu,
  CommentHidariMenu,
  CommentMigiMenu,
};

// The pictures the program draws into; the window showing one repaints it
// when told.
enum class Picture {
  ViewImg,     // the main view
  FullImg,     // the full-screen view
  PreviewImg,  // the brightness dialog's preview
  SlideImg,    // the slide show's buffer
  HistgramImg,   // the histogram
  HistgramImg2,  // its legend
};

enum class CursorKind { Default, Busy, Hand, SizeAll, Drag };

// A colour 0x00BBGGRR, as pixels are read from images.
using Colour = std::uint32_t;

// The folder dialog over the folder tree, for one folder on disk.
struct FolderFormRequest {
  std::string Folder;       // the folder it acts on
  std::string ShownPath;    // that path shortened to the dialog's label
  bool RenameOnly = false;  // right after creating the folder: no create, no delete
  // The top favorites folder: the field shows its caption read-only, and it
  // can be neither renamed nor deleted.
  bool Fixed = false;
};

// The rename dialog for one name: its caption, the captions of the old and
// the new name, the old name, and whether the note that the extension may be
// left out shows.
struct RenameFormRequest {
  std::string Caption;
  std::string OldLabel;
  std::string NewLabel;
  std::string OldName;
  bool ExtensionNote = true;
  // The longest name the dialog takes, in bytes of the file system's
  // encoding, with the old extension added when the typed name has none;
  // 0 for no limit.
  std::size_t MaxNameBytes = 0;
};

// How the folder dialog closed: "上記フォルダ内に、新しいフォルダを作成",
// "閉じる" (also the close box and a done rename), "上記フォルダを削除（空のみ削除可能）".
inline constexpr int kFolderFormNewFolder = 1;
inline constexpr int kFolderFormClose = 2;
inline constexpr int kFolderFormDelete = 6;

// The transfer's confirmation window ("転送"): where from and where to, and
// the three option boxes as they are ticked (the first one says "do not
// transfer locked photos").
struct TensouFormRequest {
  std::string FromText;  // "「…」から"
  std::string ToText;    // "「…」へ"
  bool SkipLockedBox = true;
  bool MoviesBox = true;
  bool DateFoldersBox = true;
  bool DateFoldersEnabled = true;  // off from the PC to a camera
};

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // The message box (1..12 lines), the confirmation (1..8 lines; 1 yes,
  // 2 no) and the choice (1..8 lines, 1..5 captions; the button's number or
  // 0 for Escape and the close box).
  virtual void ShowMessageBox(const std::vector<std::string>& lines) = 0;
  virtual int AskYesNo(const std::vector<std::string>& lines) = 0;
  virtual int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) = 0;
  // The report of a failure no command handles: the message box with the
  // lines of ErrorLines.
  virtual void ReportError(const Exception& failure) = 0;

  virtual void SetText(Ctl control, std::string_view text) = 0;
  virtual void SetHint(Ctl control, std::string_view hint) = 0;
  virtual void SetChecked(Ctl control, bool checked) = 0;
  virtual void SetEnabled(Ctl control, bool enabled) = 0;
  virtual void SetVisible(Ctl control, bool visible) = 0;
  virtual void SetTextColour(Ctl control, Colour colour) = 0;

  // The main window's caption.
  virtual void SetCaption(std::string_view caption) = 0;

  // The busy cursor while a long operation runs; false restores the cursor
  // and refreshes its shape at its position.
  virtual void SetBusy(bool busy) = 0;
  // The cursor and drag cursor over the view.
  virtual void SetViewCursor(CursorKind cursor) = 0;

  // A picture's pixels changed: repaint the window showing it.
  virtual void RepaintPicture(Picture picture) = 0;
  // Let the windows process their pending paints now.
  virtual void ProcessPendingPaints() = 0;

  // The main window's position on the screen (its frame's top left) while
  // it is shown; nothing before.
  virtual std::optional<std::pair<int, int>> MainWindowPosition();

  // The folder panel's needs. A front end without windows (the command
  // line) keeps the defaults: nothing moves, no folder is chosen.
  virtual void SetTop(Ctl control, int top);
  // The left edge and the width of a control in its parent; the left edge
  // is 0 by default.
  virtual void SetLeft(Ctl control, int left);
  virtual void SetWidth(Ctl control, int width);
  virtual int ControlLeft(Ctl control);
  virtual void SetFocus(Ctl control);
  virtual int ControlWidth(Ctl control);
  // The width in pixels of a text in the control's font. The default counts
  // 6 pixels for a half-width and 12 for a full-width character, the cells
  // of the program's 12-pixel font.
  virtual int TextWidth(Ctl control, std::string_view text);
  // The modal folder chooser with a title and a preselected folder (""
  // preselects none); nothing when cancelled.
  virtual std::optional<std::string> ChooseFolder(std::string_view title, std::string_view preselected);
  // Opens a folder in the desktop's file manager.
  virtual void OpenInFileManager(std::string_view folder);
  // Opens a document (a web page, a manual) with the desktop's handler for
  // its kind.
  virtual void OpenDocument(std::string_view path);
  // The help window: shows title and text, or with RaiseHelpWindow brings
  // it to the front when it is open with that title already (true then).
  virtual void ShowHelpWindow(std::string_view title, std::string_view text);
  virtual bool RaiseHelpWindow(std::string_view title);
  // Starts a program with its arguments (the program first), detached; false
  // when it could not be started.
  virtual bool StartProgram(const std::vector<std::string>& arguments);
  // Starts another window of this program showing photo.
  virtual bool StartNewInstance(std::string_view photo);
  // The application settings dialog over copies of the three paths; true
  // when closed with "決定". Then RefreshAppCaptions renames the menus'
  // application items. A front end without windows cancels.
  virtual bool RunAppSetForm(OneBasedArray<std::string, 3>& paths);
  virtual void RefreshAppCaptions();
  // Runs the folder dialog; its "名前を変更" calls rename with the typed name,
  // which answers whether the dialog is done. Returns kFolderFormNewFolder,
  // kFolderFormClose or kFolderFormDelete.
  virtual int RunFolderForm(const FolderFormRequest& request, const std::function<bool(const std::string&)>& rename);
  // The rename dialog: the name typed when closed with "決定" (the dialog
  // itself refuses a name with any of \ / : * ? " < > |), nothing when
  // cancelled.
  virtual std::optional<std::string> RunRenameForm(const RenameFormRequest& request);
  // The name dialog "フォルダを作成": the name typed when closed with "作成"
  // (the dialog itself refuses the same nine characters), nothing when
  // closed.
  virtual std::optional<std::string> RunMakeFolderForm();

  // The file-open dialog for one file, titled title, opening in
  // initial_folder unless it remembers a folder of its own, with
  // proposed_name filled in; nothing when cancelled.
  virtual std::optional<std::string> ChooseOpenFile(std::string_view title, std::string_view initial_folder,
                                                    std::string_view proposed_name);
  // Moves a file to the desktop's trash (the recycle bin) silently; false
  // when it could not be moved. A front end without a trash moves nothing.
  virtual bool MoveToTrash(std::string_view path);
  // The same for a file that a replacement kept under a hidden name: it
  // goes to the trash as original, the path it had.
  virtual bool MoveToTrashAs(std::string_view path, std::string_view original);

  // The brightness and contrast dialog over its model, which it tells of
  // every change; true when closed with "決定". A front end without windows
  // cancels.
  virtual bool RunAkarusaForm(AkarusaModel& model);
  // The sharpness dialog with the photo's own value selected; the value
  // chosen with "決定", nothing when cancelled.
  virtual std::optional<std::int32_t> RunSharpForm(std::int32_t sharpness);

  // The edited-photo save dialog and rename dialog over their models; the
  // dialog's result: 1 closed after a save or rename, 2 Esc or the close
  // box, 99 the hand-over button. A front end without windows cancels.
  virtual int RunLumSaveForm(LumSaveModel& model);
  virtual int RunLumRenameForm(LumRenameModel& model);

  // The camera-slot settings dialog over its fields; true when closed with
  // "決定". A front end without windows cancels.
  virtual bool RunTensouSetForm(CameraSlotsEdit& edit);
  // The transfer's confirmation window; the boxes as left, true with "実行".
  // A front end without windows cancels.
  virtual bool RunTensouForm(TensouFormRequest& request);
  // The progress window of a transfer: it starts the engine and steps it on
  // a timer until the run is over, and cancels it on "キャンセル" or Esc. A
  // front end without windows runs nothing unless it says otherwise.
  virtual void RunTransferProgress(TransferEngine& engine);
};

// The message box that reports a failure: what could not be done
// ("写真を表示できませんでした。" or "ファイルを読み書きできませんでした。"),
// then the failure's own message.
std::vector<std::string> ErrorLines(const Exception& failure);

}  // namespace lumetta
