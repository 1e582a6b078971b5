// SPDX-License-Identifier: MIT
#include "save/DiskSync.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstring>

#include "save/SaveError.h"

namespace quillon {

namespace {

std::atomic<bool> Durable{true};

// The folder part of FileName without its final "/": "." for a bare name,
// "/" for a file at the root.
std::string FolderOf(const std::string& FileName) {
  const std::size_t Slash = FileName.rfind('/');
  if (Slash == std::string::npos) return ".";
  return Slash == 0 ? "/" : FileName.substr(0, Slash);
}

void SyncFolder(const std::string& Folder) {
  int Fd;
  do Fd = ::open(Folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  while (Fd < 0 && errno == EINTR);
  if (Fd < 0) throw TSaveError(Folder, std::strerror(errno));
  const int Result = ::fsync(Fd);
  const int Error = errno;
  ::close(Fd);
  // Some file systems cannot flush a folder at all (EINVAL): their renames
  // are as safe as they get.
  if (Result != 0 && Error != EINVAL && Error != ENOTSUP)
    throw TSaveError(Folder, std::strerror(Error));
}

}  // namespace

void SetDurableSaves(bool On) { Durable = On; }

bool DurableSaves() { return Durable; }

void TFolderSync::Add(const std::string& FileName) {
  std::string Folder = FolderOf(FileName);
  if (std::find(Folders.begin(), Folders.end(), Folder) == Folders.end())
    Folders.push_back(std::move(Folder));
}

void TFolderSync::Sync() {
  std::vector<std::string> Pending;
  Pending.swap(Folders);
  if (!DurableSaves()) return;
  for (const std::string& Folder : Pending) SyncFolder(Folder);
}

}  // namespace quillon
