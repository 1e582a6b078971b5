// SPDX-License-Identifier: MIT
#include "app/WorkRunner.h"

#include <QEventLoop>
#include <QThread>
#include <exception>
#include <memory>

#include "app/Cp1251.h"

namespace quillon::app {

bool TWorkRunner::Run(const std::function<void()>& Steps) {
  if (Running) return false;
  Running = true;
  ResetCancel();
  emit Started();
  std::exception_ptr Failure;
  bool Cancelled = false;
  std::unique_ptr<QThread> Worker(QThread::create([&] {
    try {
      Steps();
    } catch (const TCancelled&) {
      Cancelled = true;
    } catch (...) {
      Failure = std::current_exception();
    }
  }));
  QEventLoop Loop;
  connect(Worker.get(), &QThread::finished, &Loop, &QEventLoop::quit);
  Worker->start();
  // Events that would delete widgets wait for the outer loop, as in a dialog.
  Loop.exec();
  Worker->wait();
  Running = false;
  ResetCancel();  // a Cancel pressed as the steps ended must not stop the next ones
  emit Finished();
  if (Failure) std::rethrow_exception(Failure);
  return !Cancelled;
}

void TWorkRunner::Stage(std::string_view Text, int Percent) {
  emit StageChanged(FromCoreText(Text), Percent);
}

}  // namespace quillon::app
