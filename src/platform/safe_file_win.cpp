// The safe-file layer on Windows: the same promises as the POSIX version,
// through the Win32 file calls. The trash is not provided yet: moving to it
// fails (NoTrash) and never deletes.
#include "platform/safe_file.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

namespace lumetta::platform {

namespace {

constexpr DWORD kBufferBytes = 1 << 20;

std::wstring Wide(std::string_view utf8) {
  if (utf8.empty()) return {};
  const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(n), L'\0');
  ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), n);
  return wide;
}

FileFault FaultOf(DWORD error) {
  switch (error) {
    case ERROR_FILE_EXISTS:
    case ERROR_ALREADY_EXISTS:
      return FileFault::Exists;
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
      return FileFault::NotFound;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL:
      return FileFault::NoSpace;
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT:
    case ERROR_SHARING_VIOLATION:
      return FileFault::Denied;
    case ERROR_NOT_SAME_DEVICE:
      return FileFault::CrossDevice;
    default:
      return FileFault::Other;
  }
}

[[noreturn]] void Fail(DWORD error, std::string_view what, std::string_view path) {
  throw EFileOperation(FaultOf(error),
                       std::string(what) + " " + std::string(path) + " (error " + std::to_string(error) + ")");
}

[[noreturn]] void Fail(FileFault fault, std::string_view what, std::string_view path) {
  throw EFileOperation(fault, std::string(what) + " " + std::string(path));
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? std::string(".") : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of("\\/");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string CutName(const std::string& name, std::size_t bytes) {
  if (name.size() <= bytes) return name;
  std::size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  return name.substr(0, end);
}

std::string TemporaryNameFor(const std::string& target) {
  static thread_local std::mt19937_64 generator{std::random_device{}()};
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string tag(8, '0');
  for (char& c : tag) c = kDigits[generator() % 36];
  return FolderOf(target) + "\\." + CutName(NameOf(target), 180) + "." + tag + ".tmp";
}

struct Handle {
  HANDLE h = INVALID_HANDLE_VALUE;
  ~Handle() { Close(); }
  bool Valid() const { return h != INVALID_HANDLE_VALUE; }
  void Close() {
    if (Valid()) ::CloseHandle(h);
    h = INVALID_HANDLE_VALUE;
  }
};

bool IdentityOf(const std::string& path, BY_HANDLE_FILE_INFORMATION& info) {
  Handle file;
  file.h = ::CreateFileW(Wide(path).c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  return file.Valid() && ::GetFileInformationByHandle(file.h, &info) != 0;
}

bool Same(const BY_HANDLE_FILE_INFORMATION& a, const BY_HANDLE_FILE_INFORMATION& b) {
  return a.dwVolumeSerialNumber == b.dwVolumeSerialNumber && a.nFileIndexHigh == b.nFileIndexHigh &&
         a.nFileIndexLow == b.nFileIndexLow;
}

}  // namespace

bool SameFile(std::string_view a, std::string_view b) {
  BY_HANDLE_FILE_INFORMATION ia{};
  BY_HANDLE_FILE_INFORMATION ib{};
  return IdentityOf(std::string(a), ia) && IdentityOf(std::string(b), ib) && Same(ia, ib);
}

// Windows renames a name to another case of itself in place, and refuses
// an existing target unless told to replace it.
void RenameNoReplace(std::string_view from, std::string_view to) {
  if (from == to) return;
  if (::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), 0) == 0) Fail(::GetLastError(), "cannot rename", from);
}

void RenameReplace(std::string_view from, std::string_view to) {
  if (from == to) return;
  if (::MoveFileExW(Wide(from).c_str(), Wide(to).c_str(), MOVEFILE_REPLACE_EXISTING) == 0) {
    Fail(::GetLastError(), "cannot rename", from);
  }
}

struct FileCopy::Impl {
  std::string source;
  std::string target;
  std::string temporary;
  CopyOptions options;
  Handle in;
  Handle out;
  std::uint64_t size = 0;
  std::uint64_t copied = 0;
  bool read_only = false;
  bool done = false;
  std::vector<char> buffer;

  ~Impl() { Drop(); }
  void Drop() {
    in.Close();
    out.Close();
    if (!temporary.empty()) {
      ::SetFileAttributesW(Wide(temporary).c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileW(Wide(temporary).c_str());
    }
    temporary.clear();
  }
  [[noreturn]] void DropAndFail(DWORD error, std::string_view what, std::string_view path) {
    Drop();
    Fail(error, what, path);
  }
  [[noreturn]] void DropAndFail(FileFault fault, std::string_view what, std::string_view path) {
    Drop();
    Fail(fault, what, path);
  }
};

FileCopy::FileCopy(std::string_view source, std::string_view target, const CopyOptions& options)
    : impl_(std::make_unique<Impl>()) {
  Impl& c = *impl_;
  c.source = std::string(source);
  c.target = std::string(target);
  c.options = options;
  c.in.h = ::CreateFileW(Wide(c.source).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (!c.in.Valid()) Fail(::GetLastError(), "cannot open", c.source);
  BY_HANDLE_FILE_INFORMATION info{};
  if (::GetFileInformationByHandle(c.in.h, &info) == 0) c.DropAndFail(::GetLastError(), "cannot read", c.source);
  c.size = (static_cast<std::uint64_t>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
  c.read_only = (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY) != 0;
  BY_HANDLE_FILE_INFORMATION existing{};
  if (IdentityOf(c.target, existing)) {
    if (Same(existing, info)) c.DropAndFail(FileFault::Exists, "the target is the source itself:", c.target);
    if (!options.replace) c.DropAndFail(ERROR_FILE_EXISTS, "cannot copy to", c.target);
  }
  for (int attempt = 0; attempt < 100 && !c.out.Valid(); ++attempt) {
    c.temporary = TemporaryNameFor(c.target);
    c.out.h = ::CreateFileW(Wide(c.temporary).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                            nullptr);
    if (!c.out.Valid() && ::GetLastError() != ERROR_FILE_EXISTS) {
      const DWORD error = ::GetLastError();
      c.temporary.clear();
      c.DropAndFail(error, "cannot create a temporary file for", c.target);
    }
  }
  if (!c.out.Valid()) {
    c.temporary.clear();
    c.DropAndFail(FileFault::Other, "no free temporary name for", c.target);
  }
}

FileCopy::~FileCopy() = default;

bool FileCopy::CopyPiece(std::uint64_t max_bytes) {
  Impl& c = *impl_;
  if (c.done) return true;
  if (!c.out.Valid()) Fail(FileFault::Cancelled, "the copy was abandoned:", c.target);
  if (c.buffer.empty()) c.buffer.resize(kBufferBytes);
  std::uint64_t budget = std::max<std::uint64_t>(max_bytes, 1);
  while (c.copied < c.size && budget > 0) {
    if (c.copied >= c.options.space_limit) c.DropAndFail(ERROR_DISK_FULL, "cannot write", c.target);
    const std::uint64_t want =
        std::min<std::uint64_t>({c.size - c.copied, budget, kBufferBytes, c.options.space_limit - c.copied});
    DWORD got = 0;
    if (::ReadFile(c.in.h, c.buffer.data(), static_cast<DWORD>(want), &got, nullptr) == 0) {
      c.DropAndFail(::GetLastError(), "cannot read", c.source);
    }
    if (got == 0) c.DropAndFail(FileFault::NotComplete, "the source ended early:", c.source);
    DWORD written = 0;
    if (::WriteFile(c.out.h, c.buffer.data(), got, &written, nullptr) == 0 || written != got) {
      c.DropAndFail(::GetLastError(), "cannot write", c.target);
    }
    c.copied += got;
    budget -= std::min<std::uint64_t>(budget, got);
  }
  if (c.copied < c.size) return false;
  FILETIME accessed{};
  FILETIME modified{};
  LARGE_INTEGER written_size{};
  if (::GetFileTime(c.in.h, nullptr, &accessed, &modified) == 0 ||
      ::SetFileTime(c.out.h, nullptr, &accessed, &modified) == 0) {
    c.DropAndFail(::GetLastError(), "cannot date", c.target);
  }
  if (::GetFileSizeEx(c.out.h, &written_size) == 0 || static_cast<std::uint64_t>(written_size.QuadPart) != c.size) {
    c.DropAndFail(FileFault::NotComplete, "the copy is not complete:", c.target);
  }
  if (c.options.flush && ::FlushFileBuffers(c.out.h) == 0) c.DropAndFail(::GetLastError(), "cannot write", c.target);
  c.out.Close();
  c.in.Close();
  if (c.read_only) ::SetFileAttributesW(Wide(c.temporary).c_str(), FILE_ATTRIBUTE_READONLY);
  c.done = true;
  return true;
}

void FileCopy::Commit() {
  Impl& c = *impl_;
  if (!c.done) Fail(FileFault::NotComplete, "the copy is not complete:", c.target);
  if (c.temporary.empty()) Fail(FileFault::Cancelled, "the copy was abandoned:", c.target);
  try {
    if (c.options.replace) {
      RenameReplace(c.temporary, c.target);
    } else {
      RenameNoReplace(c.temporary, c.target);
    }
  } catch (...) {
    c.Drop();
    throw;
  }
  c.temporary.clear();
}

void FileCopy::Abandon() { impl_->Drop(); }
std::uint64_t FileCopy::Size() const { return impl_->size; }
std::uint64_t FileCopy::Copied() const { return impl_->copied; }
std::string FileCopy::TemporaryPath() const { return impl_->temporary; }

void CopyFileKeepingDates(std::string_view source, std::string_view target, const CopyOptions& options) {
  FileCopy copy(source, target, options);
  while (!copy.CopyPiece(std::uint64_t{64} << 20)) {
  }
  copy.Commit();
}

MoveKind MoveFileSafely(std::string_view source, std::string_view target, const CopyOptions& options) {
  try {
    RenameNoReplace(source, target);
    return MoveKind::Renamed;
  } catch (const EFileOperation& e) {
    if (e.Fault() != FileFault::CrossDevice) throw;
  }
  CopyOptions copy_options;
  copy_options.space_limit = options.space_limit;
  CopyFileKeepingDates(source, target, copy_options);
  const std::wstring wide = Wide(source);
  ::SetFileAttributesW(wide.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (::DeleteFileW(wide.c_str()) == 0) {
    throw EFileOperation(FileFault::SourceKept,
                         "copied to " + std::string(target) + ", but cannot delete " + std::string(source));
  }
  return MoveKind::Copied;
}

void RemoveFile(std::string_view path) {
  if (::DeleteFileW(Wide(path).c_str()) == 0) Fail(::GetLastError(), "cannot delete", path);
}

void MoveToTrash(std::string_view path) { Fail(FileFault::NoTrash, "no trash on this platform for", path); }

}  // namespace lumetta::platform
