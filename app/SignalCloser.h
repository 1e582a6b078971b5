// SPDX-License-Identifier: MIT
#pragma once
// SIGTERM and SIGINT close the main window as "Exit" does, so that the
// settings are stored when a desktop session ends or the terminal's Ctrl+C
// arrives. The handler only writes a byte to a pipe; the window is closed
// from the event loop, where closing is safe.

#include <QObject>
#include <QPointer>
#include <csignal>

class QSocketNotifier;
class QWidget;

namespace quillon::app {

class TSignalCloser : public QObject {
 public:
  // One at a time: the handlers are process-wide.
  explicit TSignalCloser(QWidget* Window);
  ~TSignalCloser() override;
  TSignalCloser(const TSignalCloser&) = delete;
  TSignalCloser& operator=(const TSignalCloser&) = delete;

  bool Installed() const { return Notifier != nullptr; }

 private:
  void Drain();

  QPointer<QWidget> Window;
  QSocketNotifier* Notifier = nullptr;
  struct sigaction OldTerm {};
  struct sigaction OldInt {};
};

}  // namespace quillon::app
