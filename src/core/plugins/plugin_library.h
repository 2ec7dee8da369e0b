#pragma once
// What the plug-in host needs of the operating system, as function pointers
// the platform layer fills: loading a shared library and finding its entry
// points, and the memory blocks a plug-in hands over (their size, freeing
// them). The host itself stays portable and can be tested with fakes.

#include <cstddef>
#include <string>

namespace lumetta {

using PluginHandle = void*;

struct PluginLibraryApi {
  // Loads the library at path (UTF-8); nullptr when it cannot be loaded.
  PluginHandle (*Open)(const std::string& path) = nullptr;
  // An exported entry point by name; nullptr when the library has none.
  void* (*Symbol)(PluginHandle handle, const char* name) = nullptr;
  // Unloads a library Open returned.
  void (*Close)(PluginHandle handle) = nullptr;
  // The loaded module's full path as the system knows it; "" when it does
  // not tell.
  std::string (*ModulePath)(PluginHandle handle) = nullptr;
  // The file name handed to a plug-in for a path (UTF-8 in, the bytes the
  // plug-ins expect out).
  std::string (*PluginFileName)(const std::string& path) = nullptr;
  // A block a plug-in allocated and handed over: its bytes while locked,
  // their number, and its release. A null block has size 0.
  const void* (*LockBlock)(void* block) = nullptr;
  void (*UnlockBlock)(void* block) = nullptr;
  std::size_t (*BlockSize)(void* block) = nullptr;
  void (*FreeBlock)(void* block) = nullptr;
  // Gives a block up to the host as memory of its own, to be released with
  // std::free; nullptr (and the block stays the plug-in's, to be freed with
  // FreeBlock) where blocks are not such memory. Unset means never.
  void* (*TakeBlock)(void* block) = nullptr;
};

}  // namespace lumetta
