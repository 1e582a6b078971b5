// SPDX-License-Identifier: MIT
#pragma once
// What a name given for output is on disk, and where its bytes must go. A
// save never turns something that is not a plain file into one: a link to a
// file has that file replaced and stays a link, a file keeps its permission
// bits, a terminal, /dev/null or a pipe may take a stream, everything else is
// refused with a clear reason.

#include <sys/types.h>

#include <string>
#include <vector>

namespace quillon {

enum class TTargetKind : std::uint8_t {
  New,      // nothing of that name yet
  Regular,  // a file (possibly reached through links) to be replaced whole
  Stream,   // a character device or a FIFO, written to directly
};

struct TOutputTarget {
  TTargetKind Kind = TTargetKind::New;
  std::string Path;  // the name to write: a link's final target for Regular
  mode_t Mode = 0;   // the permission bits of a Regular target
  uid_t Owner = 0;
  gid_t Group = 0;
};

// Throws TSaveError naming FileName when FileName must not be written: a
// directory, a socket, a block device, a link to nothing, or a character
// device or FIFO when AllowStream is false.
TOutputTarget ResolveOutputTarget(const std::string& FileName, bool AllowStream);

// Throws TSaveError naming FileName when it is the same file (device and
// inode) as one of Inputs, the files the conversion read.
void RefuseInputAsOutput(const std::string& FileName, const std::vector<std::string>& Inputs);

}  // namespace quillon
