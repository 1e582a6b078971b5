#pragma once
// A file written under a temporary name in its folder and renamed to its own
// name only when it is whole: a failed save never leaves a half-written file
// under the real name, and an older file of that name stays untouched until
// then. Errors are TSaveError naming the file.

#include <cstddef>
#include <string>

#include "script/SaveError.h"

namespace quillon {

class TAtomicFile {
 public:
  explicit TAtomicFile(const std::string& FileName);
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  void Write(const char* Data, std::size_t Size);
  // The file appears under its real name only once it is whole.
  void Commit();

 private:
  std::string FileName;
  std::string TempName;
  int Fd = -1;
  bool Committed = false;
};

}  // namespace quillon
