// SPDX-License-Identifier: MIT
#include "save/OutputTarget.h"

#include <sys/stat.h>

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "save/SaveError.h"

namespace quillon {

namespace {

[[noreturn]] void Refuse(const std::string& FileName, const std::string& Reason) {
  throw TSaveError(FileName, Reason);
}

[[noreturn]] void RefuseSystem(const std::string& FileName, int Error) {
  Refuse(FileName, std::strerror(Error));
}

const char* KindName(mode_t Mode) {
  if (S_ISCHR(Mode)) return "a character device";
  if (S_ISFIFO(Mode)) return "a FIFO";
  if (S_ISSOCK(Mode)) return "a socket";
  if (S_ISBLK(Mode)) return "a block device";
  return "not a file";
}

std::string FinalTarget(const std::string& FileName) {
  std::unique_ptr<char, decltype(&std::free)> Real(::realpath(FileName.c_str(), nullptr),
                                                   &std::free);
  if (!Real) RefuseSystem(FileName, errno);
  return Real.get();
}

}  // namespace

TOutputTarget ResolveOutputTarget(const std::string& FileName, bool AllowStream) {
  TOutputTarget Target;
  Target.Path = FileName;
  struct stat Link {};
  if (::lstat(FileName.c_str(), &Link) != 0) {
    if (errno == ENOENT) return Target;
    RefuseSystem(FileName, errno);
  }
  struct stat St = Link;
  if (S_ISLNK(Link.st_mode) && ::stat(FileName.c_str(), &St) != 0) {
    if (errno == ENOENT) Refuse(FileName, "A link to nothing");
    RefuseSystem(FileName, errno);
  }
  if (S_ISREG(St.st_mode)) {
    Target.Kind = TTargetKind::Regular;
    // A rename replaces the name it is given: through a link, the file the
    // link points at must be replaced, not the link.
    if (S_ISLNK(Link.st_mode)) Target.Path = FinalTarget(FileName);
    Target.Mode = St.st_mode & 07777;
    Target.Owner = St.st_uid;
    Target.Group = St.st_gid;
    return Target;
  }
  if (S_ISDIR(St.st_mode)) RefuseSystem(FileName, EISDIR);
  // /dev/null, a terminal or a pipe takes the bytes as they come, as with any
  // tool; a device cannot be renamed over anyway.
  if ((S_ISCHR(St.st_mode) || S_ISFIFO(St.st_mode)) && AllowStream) {
    Target.Kind = TTargetKind::Stream;
    return Target;
  }
  Refuse(FileName, std::string("Not a regular file (") + KindName(St.st_mode) + ")");
}

void RefuseInputAsOutput(const std::string& FileName, const std::vector<std::string>& Inputs) {
  struct stat Out {};
  if (::stat(FileName.c_str(), &Out) != 0) return;  // a new file is no input
  for (const std::string& Input : Inputs) {
    struct stat In {};
    if (Input.empty() || ::stat(Input.c_str(), &In) != 0) continue;
    if (In.st_dev == Out.st_dev && In.st_ino == Out.st_ino)
      Refuse(FileName, "It is the input file \"" + Input + "\"");
  }
}

}  // namespace quillon
