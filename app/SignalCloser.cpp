// SPDX-License-Identifier: MIT
#include "app/SignalCloser.h"

#include <fcntl.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QWidget>
#include <cerrno>

namespace quillon::app {

namespace {

int PipeFds[2] = {-1, -1};

extern "C" void OnCloseSignal(int) {
  const int Saved = errno;
  const char Byte = 1;
  [[maybe_unused]] const auto Written = ::write(PipeFds[1], &Byte, 1);
  errno = Saved;
}

}  // namespace

TSignalCloser::TSignalCloser(QWidget* Window) : Window(Window) {
  if (PipeFds[0] >= 0 || ::pipe2(PipeFds, O_CLOEXEC | O_NONBLOCK) != 0) return;
  Notifier = new QSocketNotifier(PipeFds[0], QSocketNotifier::Read, this);
  connect(Notifier, &QSocketNotifier::activated, this, [this] { Drain(); });
  struct sigaction Action {};
  Action.sa_handler = OnCloseSignal;
  sigemptyset(&Action.sa_mask);
  Action.sa_flags = SA_RESTART;
  sigaction(SIGTERM, &Action, &OldTerm);
  sigaction(SIGINT, &Action, &OldInt);
}

TSignalCloser::~TSignalCloser() {
  if (!Notifier) return;
  sigaction(SIGTERM, &OldTerm, nullptr);
  sigaction(SIGINT, &OldInt, nullptr);
  delete Notifier;
  ::close(PipeFds[0]);
  ::close(PipeFds[1]);
  PipeFds[0] = PipeFds[1] = -1;
}

void TSignalCloser::Drain() {
  char Bytes[64];
  while (::read(PipeFds[0], Bytes, sizeof Bytes) > 0) {
  }
  if (Window) Window->close();
}

}  // namespace quillon::app
