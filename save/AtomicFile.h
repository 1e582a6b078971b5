// SPDX-License-Identifier: MIT
#pragma once
// A file written under a temporary name in its folder and renamed to its own
// name only when it is whole: a failed save never leaves a half-written file
// under the real name, and an older file of that name stays untouched until
// then. What the name is on disk decides the rest (save/OutputTarget.h): a
// link keeps pointing at the replaced file, a file keeps its permission bits,
// a character device or FIFO (when allowed) is written to directly, anything
// else is refused. A committed file is on the disk, not only in the cache
// (save/DiskSync.h). Errors are TSaveError naming the file.

#include <cstddef>
#include <string>
#include <string_view>

#include "save/DiskSync.h"
#include "save/OutputTarget.h"
#include "save/SaveError.h"
#include "text/TextLines.h"

namespace quillon {

class TAtomicFile {
 public:
  // Refuses a character device or FIFO.
  explicit TAtomicFile(const std::string& FileName);
  // AllowStream: a character device or FIFO is written to directly.
  TAtomicFile(const std::string& FileName, bool AllowStream);
  ~TAtomicFile();
  TAtomicFile(const TAtomicFile&) = delete;
  TAtomicFile& operator=(const TAtomicFile&) = delete;

  void Write(const char* Data, std::size_t Size);
  // The file appears under its real name only once it is whole and on the
  // disk; its folder is flushed too.
  void Commit();
  // The same, but the folder is left to Folders, which a save of several
  // files flushes once after its last rename.
  void Commit(TFolderSync& Folders);

 private:
  void OpenTemp(const TOutputTarget& Target);

  std::string FileName;
  std::string TargetPath;  // FileName, or through links the file it names
  std::string TempName;    // empty when writing to a stream
  int Fd = -1;
  bool Committed = false;
};

// Lines, each ended by Eol, bytes as they are, through a TAtomicFile; written
// in large pieces gathered in Chunk, which a caller saving many files reuses.
// Its folder is left to Folders.
void WriteLinesAtomically(const TTextLines& Lines, const std::string& FileName,
                          std::string_view Eol, bool AllowStream, std::string& Chunk,
                          TFolderSync& Folders);

// One whole file of Bytes through a TAtomicFile.
void SaveFileAtomically(const std::string& FileName, std::string_view Bytes);

}  // namespace quillon
