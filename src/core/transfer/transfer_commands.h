#pragma once
// The "デジカメ転送" menu's commands: copying every photo (and movie) from a
// camera slot's folder into the folder selected in the main window, or from
// that folder to the camera, and the camera-slot settings dialog.

#include <cstdint>
#include <string>

#include "core/transfer/transfer_files.h"

namespace lumetta {

struct AppState;
class TransferEngine;
class UserInterface;

// "（設定）": the camera-slot settings dialog. With "決定" the slots are
// stored and the settings file written; returns whether they were.
bool TensouSetteiMenuClick(AppState& state, UserInterface& ui);

// A transfer item of slot 1..3, when the window is ready: a slot without a
// folder opens the settings dialog first (and the command ends when it still
// has none); then the transfer starts.
void TensouDtoPCMenuClick(AppState& state, UserInterface& ui, std::int32_t slot);
void TensouPCtoDMenuClick(AppState& state, UserInterface& ui, std::int32_t slot);

// The transfer between slot's folder and the selected folder: the checks
// and their messages, the confirmation window, the progress window, and
// afterwards, for a transfer to the PC, the main window on the transferred
// photos.
void StartTransfer(AppState& state, UserInterface& ui, std::int32_t slot, TransferDirection direction);

// Makes folder (a date folder a run put photos into) the selected folder:
// the selected slot remembers it with strip position 1, the tree opens on
// it, it is scanned, the strip repainted and the photo at the strip position
// shown.
void OpenTransferredFolder(AppState& state, UserInterface& ui, const std::string& folder);

}  // namespace lumetta
