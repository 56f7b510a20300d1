#include "files/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <cstring>
#include <vector>

namespace v7 {
namespace {

constexpr int kTempNameAttempts = 16;
constexpr size_t kTempNameStemBytes = 200;
constexpr mode_t kNewFileMode = 0666;  // narrowed by the user's umask
constexpr int kMaxLinkHops = 40;       // the system's own limit before ELOOP

FileResult Failure(int error) {
  return {false, error};
}

std::string FolderOf(const std::string& path) {
  const size_t slash = path.find_last_of('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Where a link points, read relative to the link's own folder when it is relative.
// False (errno set) when the link cannot be read.
bool ReadLinkTarget(const std::string& link, std::string& target) {
  std::vector<char> buffer(PATH_MAX);
  const ssize_t n = readlink(link.c_str(), buffer.data(), buffer.size());
  if (n < 0) return false;
  if (static_cast<size_t>(n) >= buffer.size()) {
    errno = ENAMETOOLONG;
    return false;
  }
  const std::string text(buffer.data(), static_cast<size_t>(n));
  target = !text.empty() && text.front() == '/' ? text : FolderOf(link) + "/" + text;
  return true;
}

// A link is replaced by writing to the file it names, not by clobbering the link itself;
// that file need not exist yet. Chains are followed as far as the system itself would.
bool ResolveTarget(const std::string& path, std::string& target) {
  target = path;
  for (int hop = 0; hop < kMaxLinkHops; ++hop) {
    struct stat st {};
    if (lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return true;
    const std::string link = target;
    if (!ReadLinkTarget(link, target)) return false;
  }
  errno = ELOOP;
  return false;
}

// Opens a fresh, exclusive temporary file in the target's folder; names never collide
// with other writers because of the process id and a per-process counter.
int OpenTempBeside(const std::string& target, std::string& tempPath) {
  static std::atomic<unsigned> counter{0};
  const std::string folder = FolderOf(target);
  const size_t slash = target.find_last_of('/');
  // Only the start of the name: a target name near the 255-byte limit must still leave room
  // for the dot and the suffix.
  const std::string name = (slash == std::string::npos ? target : target.substr(slash + 1))
                               .substr(0, kTempNameStemBytes);
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    tempPath = folder + "/." + name + ".tmp-" + std::to_string(getpid()) + "-" +
               std::to_string(counter.fetch_add(1));
    const int fd = open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kNewFileMode);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  errno = EEXIST;
  return -1;
}

bool WriteAll(int fd, std::span<const uint8_t> bytes) {
  size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    done += static_cast<size_t>(n);
  }
  return true;
}

// A file the user has write-protected is not replaced: writing it in place would be refused,
// and the rename would otherwise go around the protection. 0 when the target may be written
// or does not exist yet.
int ProtectionError(const std::string& target) {
  if (faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) == 0 || errno == ENOENT) return 0;
  return errno;
}

// An existing target keeps its permissions; the new file otherwise has the umask's.
bool KeepTargetMode(int fd, const std::string& target) {
  struct stat st {};
  if (stat(target.c_str(), &st) != 0) return errno == ENOENT;
  return fchmod(fd, st.st_mode & 07777) == 0;
}

// The rename is already durable enough to never leave a half file; syncing the folder only
// narrows the window in which a power loss could bring back the old contents, so its
// failure is not the caller's concern.
void SyncFolder(const std::string& folder) {
  const int fd = open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  static_cast<void>(fsync(fd));
  static_cast<void>(close(fd));
}

// Reads until maxBytes or the end of the file; false (errno set) on a read error.
bool ReadUpTo(int fd, size_t maxBytes, std::vector<uint8_t>& out) {
  out.resize(maxBytes);
  size_t done = 0;
  while (done < maxBytes) {
    const ssize_t n = read(fd, out.data() + done, maxBytes - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return false;
    if (n == 0) break;
    done += static_cast<size_t>(n);
  }
  out.resize(done);
  return true;
}

// Closing a descriptor that was only read from cannot lose data, so its result changes nothing.
void CloseReadOnly(int fd) {
  static_cast<void>(close(fd));
}

}  // namespace

std::string FileErrorReason(int errorCode) {
  return IsNotRegularFileError(errorCode) ? "not a regular file" : std::strerror(errorCode);
}

FileResult WriteFileAtomically(const std::string& path, std::span<const uint8_t> bytes) {
  std::string target;
  if (!ResolveTarget(path, target)) return Failure(errno);
  if (const int protection = ProtectionError(target); protection != 0) return Failure(protection);
  std::string tempPath;
  const int fd = OpenTempBeside(target, tempPath);
  if (fd < 0) return Failure(errno);
  bool ok = KeepTargetMode(fd, target) && WriteAll(fd, bytes) && fsync(fd) == 0;
  int error = ok ? 0 : errno;
  if (close(fd) != 0 && ok) {
    ok = false;
    error = errno;
  }
  if (ok && rename(tempPath.c_str(), target.c_str()) != 0) {
    ok = false;
    error = errno;
  }
  if (!ok) {
    // The failure reported is the write's; a temporary file that cannot be removed either
    // is only a hidden leftover beside the intact target.
    static_cast<void>(unlink(tempPath.c_str()));
    return Failure(error);
  }
  SyncFolder(FolderOf(target));
  return {true, 0};
}

FileResult ReadFileBytes(const std::string& path, size_t maxBytes, std::vector<uint8_t>& out) {
  out.clear();
  // Without O_NONBLOCK, opening a FIFO waits for a writer before fstat could refuse it.
  const int fd = open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY);
  if (fd < 0) return Failure(errno);
  struct stat st {};
  int error = 0;
  if (fstat(fd, &st) != 0)
    error = errno;
  else if (S_ISDIR(st.st_mode))
    error = EISDIR;
  else if (!S_ISREG(st.st_mode))
    error = kNotRegularFileError;
  else if (!ReadUpTo(fd, maxBytes, out))
    error = errno;
  CloseReadOnly(fd);
  if (error == 0) return {true, 0};
  out.clear();
  return Failure(error);
}

}  // namespace v7
