#pragma once
// The main window's keyboard map: almost every command has a single key.

#include <string>
#include <vector>

#include "core/state/settings.h"

namespace lumetta {

enum class Key {
  A, B, C, D, E, F, G, M, N, Q, S, V, W, X, Z,
  Digit1, Digit2,
  Up, Down, Left, Right,
  Delete, Escape, Enter, Space,
  F1, F2, F5, F6, F7, F8, F9, F11, F12,
  Other,
};

enum class KeyCommand {
  None,
  NextPhoto,
  PreviousPhoto,
  PreviousFolder,
  NextFolder,
  AddFavorite,
  StripLeft8,
  StripRight8,
  StripLeft1,
  StripRight1,
  StripToStart,
  StripToEnd,
  OpenWideWindow,
  ToggleFill,
  TurnLeft,
  TurnRight,
  ZoomOut,
  ZoomIn,
  OpenFavorites,
  LeaveZoom,
  DeletePhoto,
  KeyboardHelp,
  RenamePhoto,
  RefreshThumbnail,
  SaveEditedPhoto,
  CommentPosition,
  CommentOnOff,
  SlideShow,
  FullScreen,
  NextEffect,
};

// The command of a key press; each press matches at most one row of the
// map. sort_direction is the photo list's.
KeyCommand MapMainKey(Key key, bool shift, bool ctrl, SortOrder sort_direction);

// The full-screen view's own keys.
enum class FullScreenCommand {
  None,
  NextPhoto,
  PreviousPhoto,
  ToggleFill,
  TurnLeft,
  TurnRight,
  ZoomOut,
  ZoomFineOut,
  ZoomIn,
  ZoomFineIn,
  LeaveZoom,
  CommentPosition,
  CommentOnOff,
  SlideShow,
  ToggleQuality,
  Close,
};

// The command of a key press in the full-screen view.
FullScreenCommand MapFullScreenKey(Key key, bool shift);

// The message shown instead of the command when no photo is shown; empty
// for commands that need no photo.
const std::vector<std::string>& NoPhotoMessage(KeyCommand command);

}  // namespace lumetta
