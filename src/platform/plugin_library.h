#pragma once
// The system's loader of shared libraries, for the plug-in host.

#include "core/plugins/plugin_library.h"

namespace lumetta::platform {

// Plug-ins as the system loads them: ELF shared objects through the dynamic
// loader, their blocks from malloc; on Windows DLLs and local memory.
const PluginLibraryApi& NativePluginLibrary();

}  // namespace lumetta::platform
