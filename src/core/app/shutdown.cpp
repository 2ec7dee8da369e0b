#include "core/app/shutdown.h"

#include "core/base/folder_cleanup.h"
#include "core/library/archive_folders.h"
#include "core/library/thumbnail_cache_sweep.h"
#include "core/state/settings_file.h"

namespace lumetta {

CloseAnswer CloseQuery(AppState& state, UserInterface& ui, bool other_instance_running, const CloseHooks& hooks) {
  if (hooks.StopSlideShow && hooks.StopSlideShow()) return CloseAnswer::Refuse;
  if (!state.UiReady) return CloseAnswer::Refuse;
  if (hooks.ConfirmSaveEdits) hooks.ConfirmSaveEdits();
  state.UiReady = false;
  ui.SetBusy(true);
  SweepThumbnailCacheIfDue(state);
  WriteSettingsFile(state, ui);
  // This instance's own scratch folder goes in any case.
  EndArchiveWork(state);
  if (!other_instance_running) ClearTempFolder(state.folders.TempFolder);
  ui.SetBusy(false);
  return CloseAnswer::Close;
}

}  // namespace lumetta
