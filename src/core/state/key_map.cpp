#include "core/state/key_map.h"

#include <map>

namespace lumetta {

KeyCommand MapMainKey(Key key, bool shift, bool ctrl, SortOrder sort_direction) {
  switch (key) {
    case Key::X:
      return KeyCommand::NextPhoto;
    case Key::Z:
      return KeyCommand::PreviousPhoto;
    case Key::Up:
      if (shift || ctrl) return KeyCommand::PreviousFolder;
      return sort_direction == SortOrder::FromLeft ? KeyCommand::NextPhoto : KeyCommand::PreviousPhoto;
    case Key::E:
      return KeyCommand::PreviousFolder;
    case Key::D:
      return ctrl ? KeyCommand::AddFavorite : KeyCommand::NextFolder;
    case Key::Down:
      return shift || ctrl ? KeyCommand::NextFolder : KeyCommand::OpenWideWindow;
    case Key::A:
      return KeyCommand::StripLeft8;
    case Key::S:
      return KeyCommand::StripRight8;
    case Key::Left:
      if (ctrl) return KeyCommand::StripToStart;
      return shift ? KeyCommand::StripLeft8 : KeyCommand::StripLeft1;
    case Key::Right:
      if (ctrl) return KeyCommand::StripToEnd;
      return shift ? KeyCommand::StripRight8 : KeyCommand::StripRight1;
    case Key::F:
      return KeyCommand::StripLeft1;
    case Key::G:
      return KeyCommand::StripRight1;
    case Key::Q:
      return KeyCommand::StripToStart;
    case Key::W:
      return KeyCommand::StripToEnd;
    case Key::C:
      return KeyCommand::OpenWideWindow;
    case Key::M:
      return KeyCommand::ToggleFill;
    case Key::Digit1:
      return KeyCommand::TurnLeft;
    case Key::Digit2:
      return KeyCommand::TurnRight;
    case Key::V:
      return KeyCommand::ZoomOut;
    case Key::B:
      return ctrl ? KeyCommand::OpenFavorites : KeyCommand::ZoomIn;
    case Key::N:
      return KeyCommand::LeaveZoom;
    case Key::Delete:
      return KeyCommand::DeletePhoto;
    case Key::F1:
      return KeyCommand::KeyboardHelp;
    case Key::F2:
      return KeyCommand::RenamePhoto;
    case Key::F5:
      return KeyCommand::RefreshThumbnail;
    case Key::F6:
      return KeyCommand::SaveEditedPhoto;
    case Key::F7:
      return KeyCommand::CommentPosition;
    case Key::F8:
      return KeyCommand::CommentOnOff;
    case Key::F9:
      return KeyCommand::SlideShow;
    case Key::F11:
      return KeyCommand::FullScreen;
    case Key::F12:
      return KeyCommand::NextEffect;
    case Key::Escape:
    case Key::Enter:
    case Key::Space:
    case Key::Other:
      break;
  }
  return KeyCommand::None;
}

FullScreenCommand MapFullScreenKey(Key key, bool shift) {
  switch (key) {
    case Key::X:
      return FullScreenCommand::NextPhoto;
    case Key::Z:
      return FullScreenCommand::PreviousPhoto;
    case Key::M:
      return FullScreenCommand::ToggleFill;
    case Key::Digit1:
      return FullScreenCommand::TurnLeft;
    case Key::Digit2:
      return FullScreenCommand::TurnRight;
    case Key::V:
      return shift ? FullScreenCommand::ZoomFineOut : FullScreenCommand::ZoomOut;
    case Key::B:
      return shift ? FullScreenCommand::ZoomFineIn : FullScreenCommand::ZoomIn;
    case Key::N:
      return FullScreenCommand::LeaveZoom;
    case Key::F7:
      return FullScreenCommand::CommentPosition;
    case Key::F8:
      return FullScreenCommand::CommentOnOff;
    case Key::F9:
      return FullScreenCommand::SlideShow;
    case Key::F12:
      return FullScreenCommand::ToggleQuality;
    case Key::Escape:
    case Key::F11:
    case Key::Enter:
    case Key::Space:
      return FullScreenCommand::Close;
    default:
      return FullScreenCommand::None;
  }
}

const std::vector<std::string>& NoPhotoMessage(KeyCommand command) {
  static const std::map<KeyCommand, std::vector<std::string>> messages = {
      {KeyCommand::TurnLeft, {"『１』キーは、現在表示されている写真を", "左回りに９０°回転させたいときに使います。"}},
      {KeyCommand::TurnRight, {"『２』キーは、現在表示されている写真を", "右回りに９０°回転させたいときに使います。"}},
      {KeyCommand::ZoomOut, {"『Ｖ』キーは、現在表示されている写真を", "より縮小して鑑賞したいときに使います。"}},
      {KeyCommand::ZoomIn, {"『Ｂ』キーは、現在表示されている写真の", "一部分を拡大して鑑賞したいときに使います。"}},
      {KeyCommand::LeaveZoom,
       {"『Ｎ』キーは、ズームモードまたは、パノラマモードを解除", "して、通常モード（写真全体を表示）にします。"}},
      {KeyCommand::DeletePhoto, {"『DEL』キーは、現在表示されている写真を", "ごみ箱へ移動するときに使います。"}},
      {KeyCommand::RenamePhoto, {"『Ｆ２』キーは、現在表示されている写真の", "ファイル名を変更するときに使います。"}},
      {KeyCommand::SaveEditedPhoto,
       {"『Ｆ６』キーは、現在表示されている写真を", "「Lumetta形式（.lum）」で保存したいとき", "に使います。",
        "現在表示されているままの状態（サイズや明るさなど）を", "小さなファイルサイズで保存できます。",
        "また、「コメント」も付けることができます。", "コメントは、『Ｆ８』キーを押すことで、表示／非表示",
        "の切り替えができます。"}},
      {KeyCommand::FullScreen,
       {"『Ｆ11』キーは、現在表示されている写真を", "画面いっぱいに表示するときに使います。",
        "（画面いっぱい表示のまま、『Z』『X』などの", "　キーも使えます。『ESC』キーで戻ります）"}},
      {KeyCommand::NextEffect, {"『Ｆ12』キーは、写真の画質効果モードを", "切り替えるときに使います。"}},
  };
  static const std::vector<std::string> none;
  auto it = messages.find(command);
  return it == messages.end() ? none : it->second;
}

}  // namespace lumetta
