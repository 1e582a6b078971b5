// SPDX-License-Identifier: MIT
#include "save/TempFileRegistry.h"

#include <unistd.h>

#include <array>
#include <atomic>
#include <csignal>

namespace quillon {

namespace {

// Plain atomic pointers: the handler may read them at any moment.
std::array<std::atomic<const char*>, 64> Live{};

extern "C" void OnEndingSignal(int Signal) {
  RemoveTempFiles();
  ::_exit(128 + Signal);
}

}  // namespace

void RememberTempFile(const char* Name) {
  for (auto& Slot : Live) {
    const char* Empty = nullptr;
    if (Slot.compare_exchange_strong(Empty, Name)) return;
  }
}

void ForgetTempFile(const char* Name) {
  for (auto& Slot : Live) {
    const char* Expected = Name;
    if (Slot.compare_exchange_strong(Expected, nullptr)) return;
  }
}

void RemoveTempFiles() {
  for (auto& Slot : Live)
    if (const char* Name = Slot.load()) ::unlink(Name);
}

void InstallTempFileCleanup() {
  for (const int Signal : {SIGINT, SIGTERM, SIGHUP}) {
    struct sigaction Old {};
    if (::sigaction(Signal, nullptr, &Old) == 0 && Old.sa_handler == SIG_IGN) continue;
    struct sigaction Action {};
    Action.sa_handler = OnEndingSignal;
    sigemptyset(&Action.sa_mask);
    for (const int Other : {SIGINT, SIGTERM, SIGHUP}) sigaddset(&Action.sa_mask, Other);
    ::sigaction(Signal, &Action, nullptr);
  }
  std::signal(SIGXFSZ, SIG_IGN);
}

}  // namespace quillon
