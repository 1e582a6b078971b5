// SPDX-License-Identifier: MIT
#include "save/AtomicFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <cstring>

#include "save/TempFileRegistry.h"

namespace quillon {

namespace {

std::string SystemReason(int Error) { return std::strerror(Error); }

// The folder part of FileName with its final "/", or nothing.
std::string FolderOf(const std::string& FileName) {
  const std::size_t Slash = FileName.rfind('/');
  return Slash == std::string::npos ? std::string() : FileName.substr(0, Slash + 1);
}

}  // namespace

TAtomicFile::TAtomicFile(const std::string& FileName) : TAtomicFile(FileName, false) {}

TAtomicFile::TAtomicFile(const std::string& FileName, bool AllowStream) : FileName(FileName) {
  const TOutputTarget Target = ResolveOutputTarget(FileName, AllowStream);
  if (Target.Kind != TTargetKind::Stream) {
    OpenTemp(Target);
    return;
  }
  do Fd = ::open(FileName.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY);
  while (Fd < 0 && errno == EINTR);
  if (Fd < 0) throw TSaveError(FileName, SystemReason(errno));
}

void TAtomicFile::OpenTemp(const TOutputTarget& Target) {
  static std::atomic<unsigned> Counter{0};
  TargetPath = Target.Path;
  const mode_t Mode = Target.Kind == TTargetKind::Regular ? Target.Mode : 0666;
  const std::string Base = FolderOf(Target.Path) + ".quillon-" + std::to_string(::getpid()) + "-";
  for (;;) {  // a name nobody else uses, in the same folder so rename stays atomic
    TempName = Base + std::to_string(Counter++) + ".tmp";
    Fd = ::open(TempName.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode & 0777);
    if (Fd >= 0) break;
    if (errno != EEXIST) throw TSaveError(FileName, SystemReason(errno));
  }
  RememberTempFile(TempName.c_str());
  if (Target.Kind != TTargetKind::Regular) return;
  // The replaced file's owner where allowed, and exactly its permission bits
  // (the umask narrowed them at creation).
  [[maybe_unused]] const int Owned = ::fchown(Fd, Target.Owner, Target.Group);
  if (::fchmod(Fd, Target.Mode) != 0) throw TSaveError(FileName, SystemReason(errno));
}

TAtomicFile::~TAtomicFile() {
  if (Fd >= 0) ::close(Fd);
  if (Committed || TempName.empty()) return;
  ::unlink(TempName.c_str());
  ForgetTempFile(TempName.c_str());
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
  TFolderSync Folder;
  Commit(Folder);
  Folder.Sync();
}

void TAtomicFile::Commit(TFolderSync& Folders) {
  // The bytes reach the disk before the name moves: renamed first, a crash
  // could leave the name on an empty file and the old one gone. A device or
  // pipe has nothing to flush.
  if (!TempName.empty() && DurableSaves() && ::fsync(Fd) != 0)
    throw TSaveError(FileName, SystemReason(errno));
  const int Result = ::close(Fd);
  Fd = -1;
  if (Result != 0) throw TSaveError(FileName, SystemReason(errno));
  if (TempName.empty()) {
    Committed = true;
    return;
  }
  if (::rename(TempName.c_str(), TargetPath.c_str()) != 0)
    throw TSaveError(FileName, SystemReason(errno));
  Committed = true;
  ForgetTempFile(TempName.c_str());
  Folders.Add(TargetPath);
}

void SaveFileAtomically(const std::string& FileName, std::string_view Bytes) {
  TAtomicFile File(FileName);
  File.Write(Bytes.data(), Bytes.size());
  File.Commit();
}

void WriteLinesAtomically(const TTextLines& Lines, const std::string& FileName,
                          std::string_view Eol, bool AllowStream, std::string& Chunk,
                          TFolderSync& Folders) {
  constexpr std::size_t ChunkBytes = 1 << 20;
  TAtomicFile File(FileName, AllowStream);
  Chunk.clear();
  Chunk.reserve(ChunkBytes);
  for (int I = 0; I < Lines.Count(); ++I) {
    const std::string_view Line = Lines[I];
    if (Chunk.size() + Line.size() + Eol.size() > ChunkBytes && !Chunk.empty()) {
      File.Write(Chunk.data(), Chunk.size());
      Chunk.clear();
    }
    if (Line.size() + Eol.size() > ChunkBytes) {  // a huge line goes out directly
      File.Write(Line.data(), Line.size());
      File.Write(Eol.data(), Eol.size());
      continue;
    }
    Chunk.append(Line);
    Chunk.append(Eol);
  }
  File.Write(Chunk.data(), Chunk.size());
  File.Commit(Folders);
}

}  // namespace quillon
