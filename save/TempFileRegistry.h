// SPDX-License-Identifier: MIT
#pragma once
// The temporary files being written right now, so that a signal that ends
// the program can remove them: an interrupted save leaves nothing behind.

namespace quillon {

// Name must stay valid until Forget. A full registry (more files open at once
// than any save writes) leaves the name unregistered.
void RememberTempFile(const char* Name);
void ForgetTempFile(const char* Name);

// Async-signal-safe: unlinks every remembered file.
void RemoveTempFiles();

// SIGINT, SIGTERM and SIGHUP remove the temporary files and end the program
// with 128 + the signal's number (a signal the caller ignores stays ignored);
// SIGXFSZ is ignored, so that a file size limit fails the write with EFBIG and
// the save reports it. For a command-line program; the window closes on a
// signal from its event loop instead.
void InstallTempFileCleanup();

}  // namespace quillon
