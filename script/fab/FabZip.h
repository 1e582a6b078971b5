// SPDX-License-Identifier: MIT
#pragma once
// The fab package as one zip archive, every file at its root, built in
// memory so that it can be saved atomically like every other output. Entries
// carry a fixed date: the same package gives the same archive, byte for byte.

#include <string>
#include <vector>

namespace quillon::fab {

struct TZipEntry {
  std::string Name;   // a plain file name: no folders inside the archive
  std::string Bytes;  // the file's content, as it is saved
};

// The archive's bytes. Throws std::runtime_error with the library's reason.
std::string ZipArchive(const std::vector<TZipEntry>& Entries);

}  // namespace quillon::fab
