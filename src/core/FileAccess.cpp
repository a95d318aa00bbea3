#include "core/FileAccess.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <vector>

namespace tally {
namespace {

std::string systemReason(int error) {
  std::string text = std::strerror(error);
  return text + ".";
}

const char* const kNotRegular = "It is not a regular file.";

}  // namespace

std::string withDefaultExtension(const std::string& name, const std::string& extension) {
  const size_t slash = name.rfind('/');
  const size_t base = slash == std::string::npos ? 0 : slash + 1;
  if (base >= name.size()) return name;
  // A leading dot makes a hidden file, not an extension.
  if (name.find('.', base + 1) != std::string::npos) return name;
  return name + extension;
}

std::string directoryPart(const std::string& path) {
  const size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string mebibytes(std::size_t bytes) {
  return std::to_string(bytes / (1024 * 1024)) + " MiB";
}

bool readRegularFile(const std::string& path, std::size_t limit, std::string& bytes,
                     std::string& reason) {
  // Looked at before opening: opening a FIFO for reading would wait for a writer.
  struct stat st;
  if (::stat(path.c_str(), &st) != 0) {
    reason = systemReason(errno);
    return false;
  }
  if (!S_ISREG(st.st_mode)) {
    reason = kNotRegular;
    return false;
  }
  const std::string tooLarge = "It is larger than " + mebibytes(limit) + ".";
  if (static_cast<unsigned long long>(st.st_size) > limit) {
    reason = tooLarge;
    return false;
  }
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) {
    reason = systemReason(errno);
    return false;
  }
  // The name may have been replaced between the two looks.
  if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    ::close(fd);
    reason = kNotRegular;
    return false;
  }
  std::string all;
  all.reserve(static_cast<size_t>(st.st_size));
  std::vector<char> chunk(1 << 16);
  for (;;) {
    const ssize_t n = ::read(fd, chunk.data(), chunk.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      reason = systemReason(errno);
      ::close(fd);
      return false;
    }
    if (n == 0) break;
    // A file that grows while it is read is held to the same limit.
    if (all.size() + static_cast<size_t>(n) > limit) {
      ::close(fd);
      reason = tooLarge;
      return false;
    }
    all.append(chunk.data(), static_cast<size_t>(n));
  }
  ::close(fd);
  bytes.swap(all);
  return true;
}

std::string linkTarget(const std::string& path) {
  std::string current = path;
  // As many links as the system follows itself; a loop ends in ELOOP below.
  for (int hops = 0; hops < 40; ++hops) {
    struct stat st;
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;
    std::vector<char> target(static_cast<size_t>(st.st_size > 0 ? st.st_size : 255) + 1);
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0 || static_cast<size_t>(n) >= target.size()) return current;
    const std::string next(target.data(), static_cast<size_t>(n));
    current = !next.empty() && next[0] == '/' ? next : directoryPart(current) + next;
  }
  return current;
}

bool replaceFile(const std::string& named, const std::string& bytes, std::string& reason) {
  // Saving over a symbolic link replaces the file it points to; the link stays.
  const std::string path = linkTarget(named);
  struct stat st;
  if (::lstat(path.c_str(), &st) == 0 && S_ISLNK(st.st_mode)) {
    reason = systemReason(ELOOP);  // a loop of links: renaming would replace one
    return false;
  }
  mode_t mode;
  if (::stat(path.c_str(), &st) == 0) {
    if (!S_ISREG(st.st_mode)) {
      reason = kNotRegular;
      return false;
    }
    mode = st.st_mode & 07777;
  } else {
    const mode_t mask = ::umask(0);
    ::umask(mask);
    mode = 0666 & ~mask;
  }

  const std::string directory = directoryPart(path);
  std::string temporary = directory + "." + path.substr(directory.size()) + ".XXXXXX";
  const int fd = ::mkstemp(&temporary[0]);
  if (fd < 0) {
    reason = systemReason(errno);
    return false;
  }
  auto fail = [&](int error, bool open) {
    if (open) ::close(fd);
    ::unlink(temporary.c_str());
    reason = systemReason(error);
    return false;
  };
  if (::fchmod(fd, mode) != 0) return fail(errno, true);
  size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (n < 0) {
      if (errno == EINTR) continue;
      return fail(errno, true);
    }
    written += static_cast<size_t>(n);
  }
  if (::fsync(fd) != 0) return fail(errno, true);
  if (::close(fd) != 0) return fail(errno, false);
  if (::rename(temporary.c_str(), path.c_str()) != 0) return fail(errno, false);
  // The rename itself reaches the disk with its directory.
  const int dir = ::open(directory.empty() ? "." : directory.c_str(), O_RDONLY | O_CLOEXEC);
  if (dir >= 0) {
    ::fsync(dir);
    ::close(dir);
  }
  return true;
}

}  // namespace tally
