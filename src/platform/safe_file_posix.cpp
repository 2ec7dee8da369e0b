#include "platform/safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <random>
#include <string>
#include <vector>

#ifdef __linux__
#include <sys/syscall.h>
#endif

namespace lumetta::platform {

namespace {

constexpr std::size_t kMaxTemporaryBase = 180;  // bytes of the target's name kept in a temporary name
constexpr std::size_t kBufferBytes = 1 << 20;
// A large copy is pushed to the medium a window at a time while it is
// written, so that its last flush is short and a cancel is not kept waiting
// for gigabytes of cached writes.
constexpr std::uint64_t kWritebackWindow = std::uint64_t{8} << 20;

FileFault FaultOf(int error) {
  switch (error) {
    case EEXIST:
    case ENOTEMPTY:
      return FileFault::Exists;
    case ENOENT:
    case ENOTDIR:
      return FileFault::NotFound;
    case ENOSPC:
    case EDQUOT:
    case EFBIG:
      return FileFault::NoSpace;
    case EACCES:
    case EPERM:
    case EROFS:
      return FileFault::Denied;
    case EXDEV:
      return FileFault::CrossDevice;
    default:
      return FileFault::Other;
  }
}

[[noreturn]] void Fail(int error, std::string_view what, std::string_view path) {
  throw EFileOperation(FaultOf(error), std::string(what) + " " + std::string(path) + ": " + std::strerror(error));
}

[[noreturn]] void Fail(FileFault fault, std::string_view what, std::string_view path) {
  throw EFileOperation(fault, std::string(what) + " " + std::string(path));
}

std::string Str(std::string_view s) { return std::string(s); }

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  if (slash == 0) return "/";
  return path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The first bytes of a name, never ending inside a UTF-8 character.
std::string CutName(const std::string& name, std::size_t bytes) {
  if (name.size() <= bytes) return name;
  std::size_t end = bytes;
  while (end > 0 && (static_cast<unsigned char>(name[end]) & 0xC0) == 0x80) --end;
  return name.substr(0, end);
}

std::string RandomTag() {
  static thread_local std::mt19937_64 generator{std::random_device{}() ^
                                                (static_cast<std::uint64_t>(::getpid()) << 32)};
  static constexpr char kDigits[] = "0123456789abcdefghijklmnopqrstuvwxyz";
  std::string tag(8, '0');
  for (char& c : tag) c = kDigits[generator() % 36];
  return tag;
}

// A hidden name in folder that shows what it stands for and that no scan
// takes for a photo: ".<name>.<tag>.tmp".
std::string TemporaryNameFor(const std::string& folder, const std::string& name) {
  const std::string base = "." + CutName(name, kMaxTemporaryBase) + "." + RandomTag() + ".tmp";
  return folder == "/" ? "/" + base : folder + "/" + base;
}

// Creates a new file exclusively under a temporary name beside target;
// returns its descriptor and sets path. New files get the usual permissions
// (the process's umask applies).
int CreateTemporaryBeside(const std::string& target, std::string& path) {
  const std::string folder = FolderOf(target);
  const std::string name = NameOf(target);
  for (int attempt = 0; attempt < 100; ++attempt) {
    path = TemporaryNameFor(folder, name);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0) return fd;
    if (errno != EEXIST) Fail(errno, "cannot create a temporary file for", target);
  }
  Fail(FileFault::Other, "no free temporary name for", target);
}

bool Stat(const std::string& path, struct stat& st) { return ::stat(path.c_str(), &st) == 0; }
bool LStat(const std::string& path, struct stat& st) { return ::lstat(path.c_str(), &st) == 0; }

int RenameNoReplaceCall(const std::string& from, const std::string& to) {
#if defined(__linux__) && defined(SYS_renameat2)
  return static_cast<int>(::syscall(SYS_renameat2, AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), 1U /* RENAME_NOREPLACE */));
#else
  errno = ENOSYS;
  return -1;
#endif
}

bool NoReplaceUnsupported(int error) { return error == EINVAL || error == ENOSYS || error == EOPNOTSUPP; }

// Where renameat2 cannot refuse by itself: a hard link refuses an existing
// name atomically for files; otherwise (folders, media without links) the
// name is tested just before the rename.
void RenameNoReplaceFallback(const std::string& from, const std::string& to, const struct stat& from_stat) {
  if (S_ISREG(from_stat.st_mode)) {
    if (::link(from.c_str(), to.c_str()) == 0) {
      if (::unlink(from.c_str()) != 0) {
        const int error = errno;
        ::unlink(to.c_str());
        Fail(error, "cannot rename", from);
      }
      return;
    }
    if (errno == EEXIST) Fail(EEXIST, "cannot rename to", to);
  }
  struct stat st {};
  if (LStat(to, st)) Fail(EEXIST, "cannot rename to", to);
  if (::rename(from.c_str(), to.c_str()) != 0) Fail(errno, "cannot rename", from);
}

void PlainRenameNoReplace(const std::string& from, const std::string& to, const struct stat& from_stat) {
  if (RenameNoReplaceCall(from, to) == 0) return;
  const int error = errno;
  if (!NoReplaceUnsupported(error)) Fail(error, "cannot rename", from);
  RenameNoReplaceFallback(from, to, from_stat);
}

// One file under two names that the medium holds for one (a change of
// letter case on a FAT card): through a temporary name, back again when the
// second step fails.
void RenameThroughTemporary(const std::string& from, const std::string& to, const struct stat& from_stat) {
  std::string temporary;
  for (int attempt = 0;; ++attempt) {
    temporary = TemporaryNameFor(FolderOf(to), NameOf(to));
    struct stat st {};
    if (!LStat(temporary, st)) break;
    if (attempt == 100) Fail(FileFault::Other, "no free temporary name for", to);
  }
  PlainRenameNoReplace(from, temporary, from_stat);
  try {
    PlainRenameNoReplace(temporary, to, from_stat);
  } catch (...) {
    ::rename(temporary.c_str(), from.c_str());
    throw;
  }
}

struct TimeStamps {
  struct timespec accessed {};
  struct timespec modified {};
};

TimeStamps StampsOf(const struct stat& st) {
  TimeStamps t;
#if defined(__APPLE__)
  t.accessed = st.st_atimespec;
  t.modified = st.st_mtimespec;
#else
  t.accessed = st.st_atim;
  t.modified = st.st_mtim;
#endif
  return t;
}

std::string Percent(const std::string& path) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  for (const unsigned char c : path) {
    const bool plain = (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '/' ||
                       c == '-' || c == '_' || c == '.' || c == '~';
    if (plain) {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 15];
    }
  }
  return out;
}

std::string AbsolutePath(const std::string& path) {
  if (!path.empty() && path[0] == '/') return path;
  std::vector<char> buffer(4096);
  if (::getcwd(buffer.data(), buffer.size()) == nullptr) return path;
  return std::string(buffer.data()) + "/" + path;
}

// $XDG_DATA_HOME, or ~/.local/share.
std::string DataHome() {
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg != nullptr && xdg[0] == '/') return xdg;
  if (const char* home = std::getenv("HOME"); home != nullptr && home[0] != '\0') {
    return std::string(home) + "/.local/share";
  }
  return "";
}

// Makes a folder and the folders above it that are missing (the user's data
// folder on a fresh account).
void MakeFolders(const std::string& path) {
  struct stat st {};
  if (path.empty() || path == "/" || Stat(path, st)) return;
  MakeFolders(FolderOf(path));
  ::mkdir(path.c_str(), 0700);
}

bool MakeOwnFolder(const std::string& path) {
  if (::mkdir(path.c_str(), 0700) == 0) return true;
  if (errno != EEXIST) return false;
  struct stat st {};
  return LStat(path, st) && S_ISDIR(st.st_mode) && st.st_uid == ::getuid();
}

// The device of a path, or of its nearest existing folder above it.
bool DeviceOf(std::string path, dev_t& device) {
  struct stat st {};
  while (!path.empty()) {
    if (Stat(path, st)) {
      device = st.st_dev;
      return true;
    }
    if (path == "/") return false;
    path = FolderOf(path);
  }
  return false;
}

// The top folder of the file system holding path: the last folder upwards
// that is on the same device.
std::string TopFolderOf(const std::string& absolute, dev_t device) {
  std::string top = FolderOf(absolute);
  while (top != "/") {
    const std::string parent = FolderOf(top);
    struct stat st {};
    if (!Stat(parent, st) || st.st_dev != device) break;
    top = parent;
  }
  return top;
}

// The trash folder for a file: the home trash when the file lies on the
// file system of the user's data folder, else the medium's "$top/.Trash/$uid"
// (a sticky, non-link ".Trash" an administrator made) or "$top/.Trash-$uid".
// Empty when none can be had. For a medium's trash, top is set to the
// medium's top folder.
std::string TrashFolderFor(const std::string& absolute, const struct stat& file_stat, std::string& top) {
  const std::string data_home = DataHome();
  dev_t home_device = 0;
  const bool home_known = !data_home.empty() && DeviceOf(data_home, home_device);
  if (home_known && home_device == file_stat.st_dev) {
    MakeFolders(data_home);
    const std::string trash = data_home + "/Trash";
    return MakeOwnFolder(trash) ? std::string(trash) : std::string();
  }
  top = TopFolderOf(absolute, file_stat.st_dev);
  const std::string uid = std::to_string(::getuid());
  const std::string base = top == "/" ? std::string() : top;
  struct stat st {};
  const std::string shared = base + "/.Trash";
  if (LStat(shared, st) && S_ISDIR(st.st_mode) && (st.st_mode & S_ISVTX) != 0) {
    const std::string mine = shared + "/" + uid;
    if (MakeOwnFolder(mine)) return mine;
  }
  const std::string own = base + "/.Trash-" + uid;
  return MakeOwnFolder(own) ? own : std::string();
}

std::string LocalTimeNow() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  ::localtime_r(&now, &local);
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%dT%H:%M:%S", &local);
  return text;
}

}  // namespace

bool SameFile(std::string_view a, std::string_view b) {
  struct stat sa {};
  struct stat sb {};
  if (!Stat(Str(a), sa) || !Stat(Str(b), sb)) return false;
  return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
}

void RenameNoReplace(std::string_view from_view, std::string_view to_view) {
  const std::string from = Str(from_view);
  const std::string to = Str(to_view);
  struct stat from_stat {};
  if (!LStat(from, from_stat)) Fail(errno, "cannot rename", from);
  if (from == to) return;
  struct stat to_stat {};
  if (LStat(to, to_stat)) {
    if (to_stat.st_dev == from_stat.st_dev && to_stat.st_ino == from_stat.st_ino && FolderOf(from) == FolderOf(to)) {
      RenameThroughTemporary(from, to, from_stat);
      return;
    }
    Fail(EEXIST, "cannot rename to", to);
  }
  PlainRenameNoReplace(from, to, from_stat);
}

void RenameReplace(std::string_view from_view, std::string_view to_view) {
  const std::string from = Str(from_view);
  const std::string to = Str(to_view);
  struct stat from_stat {};
  if (!LStat(from, from_stat)) Fail(errno, "cannot rename", from);
  if (from == to) return;
  struct stat to_stat {};
  // rename(2) does nothing at all when both names are one file.
  if (LStat(to, to_stat) && to_stat.st_dev == from_stat.st_dev && to_stat.st_ino == from_stat.st_ino) {
    if (FolderOf(from) == FolderOf(to)) RenameThroughTemporary(from, to, from_stat);
    return;
  }
  if (::rename(from.c_str(), to.c_str()) != 0) Fail(errno, "cannot rename", from);
}

std::string RenameKeepingReplaced(std::string_view from_view, std::string_view to_view) {
  const std::string from = Str(from_view);
  const std::string to = Str(to_view);
  struct stat from_stat {};
  if (!LStat(from, from_stat)) Fail(errno, "cannot rename", from);
  if (from == to) return "";
  struct stat to_stat {};
  if (!LStat(to, to_stat)) {
    PlainRenameNoReplace(from, to, from_stat);
    return "";
  }
  if (to_stat.st_dev == from_stat.st_dev && to_stat.st_ino == from_stat.st_ino) {
    // One file under two spellings: a change of case, nothing is replaced.
    if (FolderOf(from) != FolderOf(to)) Fail(EEXIST, "cannot rename to", to);
    RenameThroughTemporary(from, to, from_stat);
    return "";
  }
  if (S_ISDIR(to_stat.st_mode)) Fail(EEXIST, "cannot rename to", to);
  for (int attempt = 0; attempt < 100; ++attempt) {
    const std::string kept = TemporaryNameFor(FolderOf(to), NameOf(to));
    // A second name for the old file, then the new one over its first name:
    // rename(2) replaces in one step.
    if (::link(to.c_str(), kept.c_str()) == 0) {
      if (::rename(from.c_str(), to.c_str()) != 0) {
        const int error = errno;
        ::unlink(kept.c_str());
        Fail(error, "cannot rename", from);
      }
      return kept;
    }
    if (errno == EEXIST) continue;
    // A medium without hard links (FAT, exFAT): the old file steps aside
    // first, and comes back when the new one cannot take its place.
    struct stat st {};
    if (LStat(kept, st)) continue;
    PlainRenameNoReplace(to, kept, to_stat);
    try {
      PlainRenameNoReplace(from, to, from_stat);
    } catch (...) {
      ::rename(kept.c_str(), to.c_str());
      throw;
    }
    return kept;
  }
  Fail(FileFault::Other, "no free temporary name for", to);
}

namespace {

void WriteThroughTemporary(std::string_view path_view, std::string_view bytes, bool flush, bool replace) {
  const std::string path = Str(path_view);
  std::string temporary;
  const int fd = CreateTemporaryBeside(path, temporary);
  auto fail = [&](int error, std::string_view what) {
    if (fd >= 0) ::close(fd);
    ::unlink(temporary.c_str());
    Fail(error, what, path);
  };
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t w = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (w < 0) {
      if (errno == EINTR) continue;
      fail(errno, "cannot write");
    }
    written += static_cast<std::size_t>(w);
  }
  if (flush && ::fsync(fd) != 0) fail(errno, "cannot write");
  if (::close(fd) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(error, "cannot write", path);
  }
  if (!replace) {
    try {
      RenameNoReplace(temporary, path);
    } catch (...) {
      ::unlink(temporary.c_str());
      throw;
    }
    return;
  }
  if (::rename(temporary.c_str(), path.c_str()) != 0) {
    const int error = errno;
    ::unlink(temporary.c_str());
    Fail(error, "cannot replace", path);
  }
}

}  // namespace

void ReplaceFileContents(std::string_view path, std::string_view bytes, bool flush) {
  WriteThroughTemporary(path, bytes, flush, true);
}

void CreateFileWithContents(std::string_view path, std::string_view bytes, bool flush) {
  WriteThroughTemporary(path, bytes, flush, false);
}

struct FileCopy::Impl {
  std::string source;
  std::string target;
  std::string temporary;
  CopyOptions options;
  int in = -1;
  int out = -1;
  struct stat source_stat {};
  std::uint64_t copied = 0;
  std::uint64_t written_back = 0;  // the end of the last window sent to the medium
  bool done = false;
  bool use_copy_range = true;
  std::vector<char> buffer;

  ~Impl() { Drop(); }

  void CloseFiles() {
    if (in >= 0) ::close(in);
    if (out >= 0) ::close(out);
    in = out = -1;
  }
  // Closes everything and removes the temporary file.
  void Drop() {
    CloseFiles();
    if (!temporary.empty()) ::unlink(temporary.c_str());
    temporary.clear();
  }
  [[noreturn]] void DropAndFail(int error, std::string_view what, std::string_view path) {
    Drop();
    Fail(error, what, path);
  }
  [[noreturn]] void DropAndFail(FileFault fault, std::string_view what, std::string_view path) {
    Drop();
    Fail(fault, what, path);
  }

  // Copies up to n bytes; returns the count (0 only at the source's end).
  std::size_t Transfer(std::size_t n) {
#if defined(__linux__) && defined(SYS_copy_file_range)
    if (use_copy_range) {
      const auto got = ::syscall(SYS_copy_file_range, in, nullptr, out, nullptr, n, 0U);
      if (got >= 0) return static_cast<std::size_t>(got);
      const int error = errno;
      if (error != EXDEV && error != EINVAL && error != ENOSYS && error != EOPNOTSUPP && error != EBADF) {
        DropAndFail(error, "cannot copy to", target);
      }
      use_copy_range = false;
    }
#endif
    if (buffer.empty()) buffer.resize(kBufferBytes);
    const std::size_t want = std::min(n, buffer.size());
    ssize_t got;
    do {
      got = ::read(in, buffer.data(), want);
    } while (got < 0 && errno == EINTR);
    if (got < 0) DropAndFail(errno, "cannot read", source);
    std::size_t written = 0;
    while (written < static_cast<std::size_t>(got)) {
      const ssize_t w = ::write(out, buffer.data() + written, static_cast<std::size_t>(got) - written);
      if (w < 0) {
        if (errno == EINTR) continue;
        DropAndFail(errno, "cannot write", target);
      }
      written += static_cast<std::size_t>(w);
    }
    return static_cast<std::size_t>(got);
  }

  // Sends each full window to the medium and waits for the one before it.
  void WriteBack() {
#if defined(__linux__) && defined(SYNC_FILE_RANGE_WRITE)
    while (copied - written_back >= kWritebackWindow) {
      const auto start = static_cast<off64_t>(written_back);
      ::sync_file_range(out, start, static_cast<off64_t>(kWritebackWindow), SYNC_FILE_RANGE_WRITE);
      if (written_back >= kWritebackWindow) {
        ::sync_file_range(out, start - static_cast<off64_t>(kWritebackWindow), static_cast<off64_t>(kWritebackWindow),
                          SYNC_FILE_RANGE_WAIT_BEFORE | SYNC_FILE_RANGE_WRITE | SYNC_FILE_RANGE_WAIT_AFTER);
      }
      written_back += kWritebackWindow;
    }
#endif
  }

  void Finish() {
    const std::uint64_t size = static_cast<std::uint64_t>(source_stat.st_size);
    struct stat written {};
    if (copied != size || ::fstat(out, &written) != 0 || static_cast<std::uint64_t>(written.st_size) != size) {
      DropAndFail(FileFault::NotComplete, "the copy is not complete:", target);
    }
    const TimeStamps stamps = StampsOf(source_stat);
    const struct timespec times[2] = {stamps.accessed, stamps.modified};
    if (::futimens(out, times) != 0) DropAndFail(errno, "cannot date", target);
    // A write-protected source gives a write-protected copy.
    if ((source_stat.st_mode & S_IWUSR) == 0 && ::fchmod(out, written.st_mode & ~(S_IWUSR | S_IWGRP | S_IWOTH)) != 0) {
      DropAndFail(errno, "cannot protect", target);
    }
    if (options.flush && ::fsync(out) != 0) DropAndFail(errno, "cannot write", target);
    const int closed = ::close(out);
    out = -1;
    if (closed != 0) DropAndFail(errno, "cannot write", target);
    ::close(in);
    in = -1;
    done = true;
  }
};

FileCopy::FileCopy(std::string_view source, std::string_view target, const CopyOptions& options)
    : impl_(std::make_unique<Impl>()) {
  Impl& c = *impl_;
  c.source = Str(source);
  c.target = Str(target);
  c.options = options;
  c.in = ::open(c.source.c_str(), O_RDONLY | O_CLOEXEC);
  if (c.in < 0) Fail(errno, "cannot open", c.source);
  if (::fstat(c.in, &c.source_stat) != 0) c.DropAndFail(errno, "cannot read", c.source);
  if (!S_ISREG(c.source_stat.st_mode)) c.DropAndFail(FileFault::Other, "not a plain file:", c.source);
  struct stat target_stat {};
  if (Stat(c.target, target_stat)) {
    if (target_stat.st_dev == c.source_stat.st_dev && target_stat.st_ino == c.source_stat.st_ino) {
      c.DropAndFail(FileFault::Exists, "the target is the source itself:", c.target);
    }
    if (!options.replace) c.DropAndFail(EEXIST, "cannot copy to", c.target);
  }
  c.out = CreateTemporaryBeside(c.target, c.temporary);
#ifdef POSIX_FADV_SEQUENTIAL
  ::posix_fadvise(c.in, 0, 0, POSIX_FADV_SEQUENTIAL);
#endif
}

FileCopy::~FileCopy() = default;

bool FileCopy::CopyPiece(std::uint64_t max_bytes) {
  Impl& c = *impl_;
  if (c.done) return true;
  if (c.out < 0) Fail(FileFault::Cancelled, "the copy was abandoned:", c.target);
  const std::uint64_t size = static_cast<std::uint64_t>(c.source_stat.st_size);
  std::uint64_t budget = std::max<std::uint64_t>(max_bytes, 1);
  while (c.copied < size && budget > 0) {
    std::uint64_t want = std::min<std::uint64_t>({size - c.copied, budget, std::uint64_t{1} << 30});
    if (c.copied >= c.options.space_limit) c.DropAndFail(ENOSPC, "cannot write", c.target);
    want = std::min(want, c.options.space_limit - c.copied);
    const std::size_t got = c.Transfer(static_cast<std::size_t>(want));
    if (got == 0) c.DropAndFail(FileFault::NotComplete, "the source ended early:", c.source);
    c.copied += got;
    budget -= std::min<std::uint64_t>(budget, got);
    if (c.options.flush) c.WriteBack();
  }
  if (c.copied < size) return false;
  c.Finish();
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

std::string FileCopy::CommitKeepingReplaced() {
  Impl& c = *impl_;
  if (!c.done) Fail(FileFault::NotComplete, "the copy is not complete:", c.target);
  if (c.temporary.empty()) Fail(FileFault::Cancelled, "the copy was abandoned:", c.target);
  std::string kept;
  try {
    kept = RenameKeepingReplaced(c.temporary, c.target);
  } catch (...) {
    c.Drop();
    throw;
  }
  c.temporary.clear();
  return kept;
}

void FileCopy::Abandon() { impl_->Drop(); }

std::uint64_t FileCopy::Size() const { return static_cast<std::uint64_t>(impl_->source_stat.st_size); }
std::uint64_t FileCopy::Copied() const { return impl_->copied; }
std::string FileCopy::TemporaryPath() const { return impl_->temporary; }

void CopyFileKeepingDates(std::string_view source, std::string_view target, const CopyOptions& options) {
  FileCopy copy(source, target, options);
  while (!copy.CopyPiece(std::uint64_t{64} << 20)) {
  }
  copy.Commit();
}

MoveKind MoveFileSafely(std::string_view source_view, std::string_view target_view, const CopyOptions& options) {
  const std::string source = Str(source_view);
  const std::string target = Str(target_view);
  try {
    RenameNoReplace(source, target);
    return MoveKind::Renamed;
  } catch (const EFileOperation& e) {
    if (e.Fault() != FileFault::CrossDevice) throw;
  }
  CopyOptions copy_options;
  copy_options.space_limit = options.space_limit;
  CopyFileKeepingDates(source, target, copy_options);
  if (::unlink(source.c_str()) != 0) {
    const int error = errno;
    throw EFileOperation(FileFault::SourceKept,
                         "copied to " + target + ", but cannot delete " + source + ": " + std::strerror(error));
  }
  return MoveKind::Copied;
}

void RemoveFile(std::string_view path_view) {
  const std::string path = Str(path_view);
  if (::unlink(path.c_str()) != 0) Fail(errno, "cannot delete", path);
}

void MoveToTrash(std::string_view path_view, std::string_view original_view) {
  const std::string absolute = AbsolutePath(Str(path_view));
  const std::string original = original_view.empty() ? absolute : AbsolutePath(Str(original_view));
  struct stat file_stat {};
  if (!LStat(absolute, file_stat)) Fail(errno, "cannot move to the trash", absolute);
  std::string top;
  const std::string trash = TrashFolderFor(absolute, file_stat, top);
  if (trash.empty()) Fail(FileFault::NoTrash, "no trash for", absolute);
  const std::string files = trash + "/files";
  const std::string info = trash + "/info";
  if (!MakeOwnFolder(files) || !MakeOwnFolder(info)) Fail(FileFault::NoTrash, "no trash for", absolute);
  // A medium's trash records paths below its top folder, so that they hold
  // wherever the medium is mounted next time.
  std::string recorded = original;
  if (!top.empty() && top != "/" && original.size() > top.size() + 1 && original.compare(0, top.size(), top) == 0 &&
      original[top.size()] == '/') {
    recorded = original.substr(top.size() + 1);
  }

  // The information file is made first, exclusively, and names the entry.
  const std::string name = NameOf(original);
  std::string entry = name;
  std::string info_path;
  int fd = -1;
  for (int n = 1; fd < 0; ++n) {
    struct stat st {};
    info_path = info + "/" + entry + ".trashinfo";
    if (!LStat(files + "/" + entry, st)) {
      fd = ::open(info_path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
      if (fd < 0 && errno != EEXIST) Fail(FileFault::NoTrash, "no trash for", absolute);
    }
    if (fd < 0) {
      char suffix[16];
      std::snprintf(suffix, sizeof suffix, "-%04d", n);
      entry = CutName(name, 240) + suffix;
    }
    if (n > 10000) Fail(FileFault::NoTrash, "no free name in the trash for", absolute);
  }
  const std::string text = "[Trash Info]\nPath=" + Percent(recorded) + "\nDeletionDate=" + LocalTimeNow() + "\n";
  const bool written = ::write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size());
  const bool closed = ::close(fd) == 0;
  if (!written || !closed) {
    ::unlink(info_path.c_str());
    Fail(FileFault::NoTrash, "cannot write the trash information for", absolute);
  }
  // Into the trash by a rename only: across file systems the file stays.
  if (RenameNoReplaceCall(absolute, files + "/" + entry) != 0) {
    const int error = errno;
    bool moved = false;
    if (NoReplaceUnsupported(error)) {
      struct stat st {};
      moved = !LStat(files + "/" + entry, st) && ::rename(absolute.c_str(), (files + "/" + entry).c_str()) == 0;
    }
    if (!moved) {
      ::unlink(info_path.c_str());
      throw EFileOperation(error == EXDEV ? FileFault::NoTrash : FaultOf(error),
                           "cannot move to the trash " + absolute + ": " + std::strerror(error));
    }
  }
}

}  // namespace lumetta::platform
