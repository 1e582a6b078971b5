// SPDX-License-Identifier: MIT
#pragma once
// Runs quillon-cli as a child process with optional resource limits and
// reports, besides its exit code and output, its peak memory and run time:
// the hostile-input tests prove bounded memory and time on the real program.

#include <cstdint>
#include <string>
#include <vector>

namespace quillon::test {

struct ChildLimits {
  // RLIMIT_FSIZE for the child, with SIGXFSZ ignored so that a write beyond
  // it fails with EFBIG: a disk that fills up part way through a file.
  std::int64_t FileSizeBytes = -1;
  // Leaves SIGXFSZ at its default (ending the process), to show that the
  // program itself turns the signal off.
  bool DefaultFileSizeSignal = false;
  // RLIMIT_AS for the child: memory that runs out.
  std::int64_t AddressSpaceBytes = -1;
};

struct ChildResult {
  int ExitCode = -1;  // -1 when the child did not exit normally (a signal)
  std::string Out;
  std::string Err;
  long MaxRssKb = 0;      // the child's peak resident memory
  double Seconds = 0;     // wall clock
  double CpuSeconds = 0;  // user and system time: what a loaded machine does not inflate
};

// Runs quillon-cli with Args (one element per argument, no shell) and an
// empty standard input.
ChildResult RunCliChild(const std::vector<std::string>& Args, const ChildLimits& Limits = {});

// The tests and quillon-cli are built with the same flags: under
// AddressSanitizer shadow memory inflates the resident size and every step is
// slower, and the bounds of the tests allow for it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool Sanitized = true;
#else
constexpr bool Sanitized = false;
#endif

}  // namespace quillon::test
