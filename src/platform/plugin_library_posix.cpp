// Plug-ins on Linux: shared objects opened with dlopen, entry points found
// with dlsym, blocks allocated by the plug-in with malloc and freed here. The
// size of a block is what the C library reports for it (glibc).
#include <dlfcn.h>
#include <link.h>
#include <malloc.h>

#include <cstdlib>

#include "platform/plugin_library.h"

namespace lumetta::platform {

namespace {

PluginHandle Open(const std::string& path) {
  // Every symbol is bound now, so that a plug-in missing one of its own
  // dependencies fails here (and is skipped) rather than in the middle of a
  // call. A library stays mapped after it is closed: a plug-in's libraries
  // may have started threads (LibRaw's OpenMP pool) that would run into
  // unmapped code.
  return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE);
}

void* Symbol(PluginHandle handle, const char* name) { return dlsym(handle, name); }

void Close(PluginHandle handle) { dlclose(handle); }

std::string ModulePath(PluginHandle handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) return {};
  return map->l_name;
}

std::string PluginFileName(const std::string& path) { return path; }

const void* LockBlock(void* block) { return block; }

void UnlockBlock(void*) {}

std::size_t BlockSize(void* block) { return block == nullptr ? 0 : malloc_usable_size(block); }

void FreeBlock(void* block) { std::free(block); }

// Blocks are the C library's own memory here.
void* TakeBlock(void* block) { return block; }

}  // namespace

const PluginLibraryApi& NativePluginLibrary() {
  static const PluginLibraryApi api{Open,         Symbol,      Close,     ModulePath, PluginFileName,
                                    LockBlock,    UnlockBlock, BlockSize, FreeBlock, TakeBlock};
  return api;
}

}  // namespace lumetta::platform
