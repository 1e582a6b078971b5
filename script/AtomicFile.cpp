#include "script/AtomicFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

namespace quillon {

namespace {

std::string SystemReason(int Error) { return std::strerror(Error); }

// The folder part of FileName with its final "/", or nothing.
std::string FolderOf(const std::string& FileName) {
  const std::size_t Slash = FileName.rfind('/');
  return Slash == std::string::npos ? std::string() : FileName.substr(0, Slash + 1);
}

}  // namespace

TAtomicFile::TAtomicFile(const std::string& FileName) : FileName(FileName) {
  static std::atomic<unsigned> Counter{0};
  const std::string Base = FolderOf(FileName) + ".quillon-" + std::to_string(::getpid()) + "-";
  for (;;) {  // a name nobody else uses, in the same folder so rename stays atomic
    TempName = Base + std::to_string(Counter++) + ".tmp";
    Fd = ::open(TempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (Fd >= 0) return;
    if (errno != EEXIST) throw TSaveError(FileName, SystemReason(errno));
  }
}

TAtomicFile::~TAtomicFile() {
  if (Fd >= 0) ::close(Fd);
  if (!Committed) ::unlink(TempName.c_str());
}

void TAtomicFile::Write(const char* Data, std::size_t Size) {
  while (Size > 0) {
    const ssize_t N = ::write(Fd, Data, Size);
    if (N < 0) {
      if (errno == EINTR) continue;
      throw TSaveError(FileName, SystemReason(errno));
    }
    Data += N;
    Size -= static_cast<std::size_t>(N);
  }
}

void TAtomicFile::Commit() {
  const int Result = ::close(Fd);
  Fd = -1;
  if (Result != 0) throw TSaveError(FileName, SystemReason(errno));
  if (::rename(TempName.c_str(), FileName.c_str()) != 0)
    throw TSaveError(FileName, SystemReason(errno));
  Committed = true;
}

}  // namespace quillon
