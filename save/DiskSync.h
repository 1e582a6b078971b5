// SPDX-License-Identifier: MIT
#pragma once
// What makes a replaced file survive a crash or a power cut: its bytes are
// flushed to the disk before the rename (else the new name may point at an
// empty or short file while the old one is already gone), and the folder is
// flushed after the last rename of a save (else the rename itself may be
// lost). A save of many files into one folder flushes that folder once.

#include <string>
#include <vector>

namespace quillon {

// Saves flush to the disk unless turned off for the whole process (scratch
// output: `--no-sync`). On by default.
void SetDurableSaves(bool On);
bool DurableSaves();

// The folders a save renamed files into, each flushed once by Sync.
class TFolderSync {
 public:
  // Remembers the folder holding FileName.
  void Add(const std::string& FileName);
  // Flushes every folder remembered, then forgets them. Throws TSaveError
  // naming the folder that could not be flushed.
  void Sync();

 private:
  std::vector<std::string> Folders;
};

}  // namespace quillon
