// Plug-ins on Windows: DLLs loaded with LoadLibrary, blocks in local memory
// (LocalAlloc) locked to be read, sized with LocalSize and freed with
// LocalFree, as the plug-in convention has it there.
#include <windows.h>

#include "platform/plugin_library.h"

namespace lumetta::platform {

namespace {

std::wstring Wide(const std::string& utf8) {
  const int n = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

std::string Narrow(const std::wstring& wide, UINT code_page) {
  const int n = WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), nullptr, 0, nullptr,
                                    nullptr);
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(code_page, 0, wide.data(), static_cast<int>(wide.size()), bytes.data(), n, nullptr, nullptr);
  return bytes;
}

PluginHandle Open(const std::string& path) {
  // No error boxes for a file that is not a DLL.
  const UINT old_mode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryW(Wide(path).c_str());
  SetErrorMode(old_mode);
  return module;
}

void* Symbol(PluginHandle handle, const char* name) {
  return reinterpret_cast<void*>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

void Close(PluginHandle handle) { FreeLibrary(static_cast<HMODULE>(handle)); }

std::string ModulePath(PluginHandle handle) {
  wchar_t buffer[MAX_PATH];
  const DWORD n = GetModuleFileNameW(static_cast<HMODULE>(handle), buffer, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) return {};
  return Narrow(std::wstring(buffer, n), CP_UTF8);
}

// Plug-ins take file names in the system's ANSI code page.
std::string PluginFileName(const std::string& path) { return Narrow(Wide(path), CP_ACP); }

const void* LockBlock(void* block) { return block == nullptr ? nullptr : LocalLock(static_cast<HLOCAL>(block)); }

void UnlockBlock(void* block) { LocalUnlock(static_cast<HLOCAL>(block)); }

std::size_t BlockSize(void* block) { return block == nullptr ? 0 : LocalSize(static_cast<HLOCAL>(block)); }

void FreeBlock(void* block) { LocalFree(static_cast<HLOCAL>(block)); }

}  // namespace

const PluginLibraryApi& NativePluginLibrary() {
  static const PluginLibraryApi api{Open,         Symbol,      Close,     ModulePath, PluginFileName,
                                    LockBlock,    UnlockBlock, BlockSize, FreeBlock};
  return api;
}

}  // namespace lumetta::platform
