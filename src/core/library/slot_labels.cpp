#include "core/library/slot_labels.h"

#include <array>
#include <optional>
#include <vector>

#include "core/state/app_state.h"
#include "core/state/user_interface.h"
#include "core/base/names.h"
#include "core/base/paths.h"
#include "core/base/text_codec.h"

namespace lumetta {

namespace {

// The folder panel's width in the 800 layout.
constexpr int kFolderPanelWidth800 = 211;

constexpr std::string_view kEllipsis = "…";

// path without prefix when path is prefix or lies below it, ignoring case.
std::optional<std::string_view> RestAfter(std::string_view path, std::string_view prefix) {
  const std::string folder = WithoutTrailingSeparator(prefix);
  if (folder.empty() || path.size() < folder.size()) return std::nullopt;
  if (!SameNameIgnoringCase(path.substr(0, folder.size()), folder)) return std::nullopt;
  const std::string_view rest = path.substr(folder.size());
  if (!rest.empty() && rest.front() != kPathSeparator && rest.front() != '/') return std::nullopt;
  return rest;
}

// The positions where characters start, and the end.
std::vector<std::size_t> CharStarts(std::string_view text) {
  std::vector<std::size_t> starts;
  for (std::size_t pos = 0; pos < text.size(); pos += Utf8CharLength(text, pos)) starts.push_back(pos);
  starts.push_back(text.size());
  return starts;
}

}  // namespace

std::string SlotPathName(const AppFolders& folders, std::string_view path) {
  if (auto rest = RestAfter(path, folders.PicturesFolder)) return "マイ ピクチャ" + std::string(*rest);
  if (auto rest = RestAfter(path, folders.DocumentsFolder)) return "マイ ドキュメント" + std::string(*rest);
  if (auto rest = RestAfter(path, folders.DesktopFolder)) return "デスクトップ" + std::string(*rest);
  return std::string(path);
}

SlotLines ShortenPath(std::string_view name, int available, const std::function<int(std::string_view)>& text_width) {
  const std::vector<std::size_t> starts = CharStarts(name);
  const std::size_t chars = starts.size() - 1;

  std::size_t first = 0;
  while (first < chars && text_width(name.substr(0, starts[first + 1])) <= available) ++first;
  SlotLines lines;
  lines.Line1 = std::string(name.substr(0, starts[first]));

  // Line 2 grows from the end while "…" and it still fit.
  std::size_t from = chars;
  while (from > first) {
    std::string trial(kEllipsis);
    trial.append(name.substr(starts[from - 1], starts[chars] - starts[from - 1]));
    if (text_width(trial) > available - 8) break;
    --from;
  }
  const std::string_view tail = name.substr(starts[from]);
  if (from != first) lines.Line2 = kEllipsis;
  lines.Line2.append(tail);

  if (lines.Line1.empty()) lines.Line1 = "（未設定）";
  if (lines.Line2.empty()) lines.Line2 = " ";
  return lines;
}

SlotLines SlotDisplayName(const AppState& state, UserInterface& ui, std::string_view path, int width) {
  int panel = ui.ControlWidth(Ctl::FolderPnl);
  // A front end without the panel measures as the 800 layout would.
  if (panel <= 0) panel = kFolderPanelWidth800;
  const int available = width != 0 ? width / 2 : panel - 47;
  return ShortenPath(SlotPathName(state.folders, path), available,
                     [&ui](std::string_view text) { return ui.TextWidth(Ctl::FolderLbl1, text); });
}

void RefreshSlotLabels(const AppState& state, UserInterface& ui) {
  for (std::int32_t n = 1; n <= kSlotCount; ++n) {
    const std::string& folder = state.settings.SlotFolder[n];
    const SlotLines lines = SlotDisplayName(state, ui, folder, 0);
    const Ctl first = kSlotFirstLabels[n];
    const Ctl second = kSlotSecondLabels[n];
    ui.SetText(first, lines.Line1);
    ui.SetText(second, lines.Line2);
    ui.SetHint(first, folder);
    ui.SetHint(second, folder);
    ui.SetTop(first, SlotLabelTop(n) + (lines.Line2 == " " ? 1 : 0));
  }
}

}  // namespace lumetta
