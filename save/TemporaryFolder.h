// SPDX-License-Identifier: MIT
#pragma once
// A private folder for files that live only as long as one task: made with
// only the owner's permissions under $TMPDIR (or /tmp) and removed with
// everything in it when the task is done, also when it ends with an error.

#include <string>

namespace quillon {

class TTemporaryFolder {
 public:
  // Prefix starts the folder's name ("quillon-check"). Throws TSaveError
  // naming the folder it could not make.
  explicit TTemporaryFolder(const std::string& Prefix);
  ~TTemporaryFolder();
  TTemporaryFolder(const TTemporaryFolder&) = delete;
  TTemporaryFolder& operator=(const TTemporaryFolder&) = delete;

  const std::string& Path() const { return Folder; }
  // Path/Name.
  std::string File(const std::string& Name) const { return Folder + "/" + Name; }

 private:
  std::string Folder;
};

}  // namespace quillon
