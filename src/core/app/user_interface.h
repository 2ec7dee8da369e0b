#pragma once
// What the user sees, as the program's operations reach it.
//
// The operations of the core never talk to widgets. They set texts, checks
// and enables of named controls, ask the user through the three message
// boxes and the dialogs, and say when a picture has changed. The main window
// implements this interface; tests use a fake that records what was shown
// and answers with scripted replies.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace lumetta {

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
};

// The pictures the program draws into; the window showing one repaints it
// when told.
enum class Picture {
  ViewImg,     // the main view
  FullImg,     // the full-screen view
  PreviewImg,  // the brightness dialog's preview
  SlideImg,    // the slide show's buffer
};

enum class CursorKind { Default, Busy, Hand, SizeAll, Drag };

// A colour 0x00BBGGRR, as pixels are read from images.
using Colour = std::uint32_t;

class UserInterface {
 public:
  virtual ~UserInterface() = default;

  // The message box (1..12 lines), the confirmation (1..8 lines; 1 yes,
  // 2 no) and the choice (1..8 lines, 1..5 captions; the button's number or
  // 0 for Escape and the close box).
  virtual void ShowMessageBox(const std::vector<std::string>& lines) = 0;
  virtual int AskYesNo(const std::vector<std::string>& lines) = 0;
  virtual int AskChoice(const std::vector<std::string>& lines, const std::vector<std::string>& captions) = 0;

  virtual void SetText(Ctl control, std::string_view text) = 0;
  virtual void SetHint(Ctl control, std::string_view hint) = 0;
  virtual void SetChecked(Ctl control, bool checked) = 0;
  virtual void SetEnabled(Ctl control, bool enabled) = 0;
  virtual void SetVisible(Ctl control, bool visible) = 0;
  virtual void SetTextColour(Ctl control, Colour colour) = 0;
  virtual void SetLeft(Ctl control, int left) = 0;

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
};

}  // namespace lumetta
