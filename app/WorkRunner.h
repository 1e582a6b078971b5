// SPDX-License-Identifier: MIT
#pragma once
// Runs a long step of the core (a plot load, a conversion) on a worker thread
// while the window goes on answering: Run returns when the step has ended and
// meanwhile serves the window's events, so a handler reads as one sequence.
// The step reports its stages through TProgress; message boxes the step
// shows are asked on the window's thread (TGuiPrompts), the step waiting.

#include <QObject>
#include <QString>
#include <functional>

#include "model/Progress.h"

namespace quillon::app {

class TWorkRunner final : public QObject, public TProgress {
  Q_OBJECT

 public:
  using QObject::QObject;

  // Runs Steps on a worker thread and returns true when they ended, false
  // when they stopped because Cancel was asked for. An error they throw is
  // thrown again here, on the calling thread. Not re-entrant: a call while
  // busy returns false at once.
  bool Run(const std::function<void()>& Steps);
  bool Busy() const { return Running; }
  // Asks the running steps to stop at their next check.
  void Cancel() { RequestCancel(); }

  void Stage(std::string_view Text, int Percent) override;

 signals:
  void Started();
  // Emitted on the worker thread; connections to widgets are queued.
  void StageChanged(const QString& Text, int Percent);
  void Finished();

 private:
  bool Running = false;
};

}  // namespace quillon::app
