// SPDX-License-Identifier: MIT
#include "pins/DescriptionFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace quillon {

namespace {

const char* KindName(mode_t Mode) {
  if (S_ISDIR(Mode)) return "a folder";
  if (S_ISCHR(Mode)) return "a character device";
  if (S_ISBLK(Mode)) return "a block device";
  if (S_ISSOCK(Mode)) return "a socket";
  return "not a file";
}

// The whole text is refused, not cut: a description read in part would
// quietly lose its pins.
std::string TooLarge() {
  return "larger than " + std::to_string(MaxDescriptionBytes >> 20) +
         " MB, the most a pin description may hold";
}

class TFd {
 public:
  explicit TFd(int Fd) : Fd(Fd) {}
  ~TFd() {
    if (Fd >= 0) ::close(Fd);
  }
  TFd(const TFd&) = delete;
  TFd& operator=(const TFd&) = delete;
  int Fd;
};

}  // namespace

std::string ReadDescriptionFile(const std::string& FileName) {
  const auto Fail = [&FileName](const std::string& Reason) {
    return TDescriptionFileError(FileName, Reason);
  };
  // Looked at before opening: opening a device may already act on it.
  struct stat St {};
  if (::stat(FileName.c_str(), &St) != 0) throw Fail(std::strerror(errno));
  const auto Refusable = [](const struct stat& S) {
    return !S_ISREG(S.st_mode) && !S_ISFIFO(S.st_mode);
  };
  if (Refusable(St))
    throw Fail(std::string("not a regular file or pipe (") + KindName(St.st_mode) + ")");
  if (S_ISREG(St.st_mode) && static_cast<std::uint64_t>(St.st_size) > MaxDescriptionBytes)
    throw Fail(TooLarge());
  TFd File(::open(FileName.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
  if (File.Fd < 0) throw Fail(std::strerror(errno));
  // The name may have been given to something else in between.
  if (::fstat(File.Fd, &St) != 0) throw Fail(std::strerror(errno));
  if (Refusable(St))
    throw Fail(std::string("not a regular file or pipe (") + KindName(St.st_mode) + ")");
  std::string Text;
  if (S_ISREG(St.st_mode)) Text.reserve(static_cast<std::size_t>(St.st_size));
  char Block[1 << 16];
  for (;;) {
    const ssize_t N = ::read(File.Fd, Block, sizeof Block);
    if (N == 0) break;
    if (N < 0) {
      if (errno == EINTR) continue;
      throw Fail(std::strerror(errno));
    }
    // A pipe, or a file that grows while it is read.
    if (Text.size() + static_cast<std::size_t>(N) > MaxDescriptionBytes) throw Fail(TooLarge());
    Text.append(Block, static_cast<std::size_t>(N));
  }
  return Text;
}

}  // namespace quillon
