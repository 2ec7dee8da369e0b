#include "core/library/wide_thumb_keys.h"

namespace lumetta {

WideKeyCommand MapWideKey(Key key, bool shift, bool ctrl, SortOrder sort_direction) {
  const bool plain = !shift && !ctrl;
  switch (key) {
    case Key::X:
      return WideKeyCommand::NextPhoto;
    case Key::Z:
      return WideKeyCommand::PreviousPhoto;
    case Key::Up:
      if (!plain) return WideKeyCommand::PreviousFolder;
      return sort_direction == SortOrder::FromLeft ? WideKeyCommand::NextPhoto : WideKeyCommand::PreviousPhoto;
    case Key::A:
      return WideKeyCommand::StepLeft8;
    case Key::S:
      return WideKeyCommand::StepRight8;
    case Key::E:
      return WideKeyCommand::PreviousFolder;
    case Key::D:
      return WideKeyCommand::NextFolder;
    case Key::Down:
      return plain ? WideKeyCommand::Close : WideKeyCommand::NextFolder;
    case Key::F:
      return WideKeyCommand::StepLeft1;
    case Key::G:
      return WideKeyCommand::StepRight1;
    case Key::Left:
      if (ctrl) return WideKeyCommand::ToStart;
      return shift ? WideKeyCommand::StepLeft8 : WideKeyCommand::StepLeft1;
    case Key::Right:
      if (ctrl) return WideKeyCommand::ToEnd;
      return shift ? WideKeyCommand::StepRight8 : WideKeyCommand::StepRight1;
    case Key::Q:
      return WideKeyCommand::ToStart;
    case Key::W:
      return WideKeyCommand::ToEnd;
    case Key::C:
    case Key::Escape:
      return WideKeyCommand::Close;
    case Key::F1:
      return WideKeyCommand::KeyboardHelp;
    case Key::F5:
      return WideKeyCommand::RefreshThumbnail;
    default:
      return WideKeyCommand::None;
  }
}

bool WideKeyCloses(WideKeyCommand command) {
  switch (command) {
    case WideKeyCommand::NextPhoto:
    case WideKeyCommand::PreviousPhoto:
    case WideKeyCommand::PreviousFolder:
    case WideKeyCommand::NextFolder:
    case WideKeyCommand::Close:
      return true;
    default:
      return false;
  }
}

}  // namespace lumetta
