#pragma once
// The four window layouts: where the controls that move stand in each, in
// pixels relative to the window's client area or to their panel.

#include <cstdint>
#include <string_view>

#include "core/view/size_modes.h"

namespace lumetta {

struct LayoutRect {
  std::int32_t Left = 0;
  std::int32_t Top = 0;
  std::int32_t Width = 0;
  std::int32_t Height = 0;
  bool operator==(const LayoutRect&) const = default;
};

struct WindowLayout {
  std::int32_t ClientWidth;
  std::int32_t ClientHeight;
  std::int32_t ViewLeft;  // ViewImg's origin; its size is the view size
  std::int32_t ViewTop;
  LayoutRect HenshuPnl;
  LayoutRect FolderPnl;
  LayoutRect SubFolderPnl;  // in FolderPnl
  LayoutRect ExplorerBtn;   // in FolderPnl
  std::string_view ExplorerCaption;
  LayoutRect OpenBtn;  // in FolderPnl
  std::string_view OpenCaption;
  LayoutRect OkiniBtn;  // in FolderPnl
  bool GashitsuShown;   // the quality panel (the 640 layout has none)
  LayoutRect GashitsuPnl;
  LayoutRect HistgramPnl;
  LayoutRect ExifPnl;
  LayoutRect FolderMigiPnl;
  LayoutRect FolderShitaPnl;  // in FolderPnl
  LayoutRect SideBouPnl;
  LayoutRect HenshuLblPnl;  // in HenshuPnl
  std::int32_t HenshuLblLeft;  // in HenshuLblPnl
  std::int32_t HenshuLblTop;
  LayoutRect TurnLeftBtn;  // the rest in HenshuPnl
  LayoutRect TurnRightBtn;
  LayoutRect SaveBtn;
  LayoutRect WideChk;
  LayoutRect WideLbl;
};

const WindowLayout& WindowLayoutOf(WindowLayoutKind kind);

// The one-letter quality label instead of the quality panel: the 640 layout.
inline bool CompactLabelsLayout(WindowLayoutKind kind) { return kind == WindowLayoutKind::L640; }

}  // namespace lumetta
