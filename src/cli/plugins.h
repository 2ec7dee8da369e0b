#pragma once
// The plug-ins lumetta-cli decodes through, as the program does: those of
// the folder lumetta-cli lies in (the plug-ins built with the program).

#include "core/plugins/spis.h"
#include "core/state/app_state.h"

namespace lumetta::cli {

// Loads the plug-ins on the first call; every later call gives the same
// list.
const TSPIs& CliPlugins();

// Loads the plug-ins and builds state's photo extensions and decoder flags
// from them, as the main window does when it is shown.
void UseCliPlugins(AppState& state);

}  // namespace lumetta::cli
