// SPDX-License-Identifier: MIT
#pragma once
// How a long step (a plot load, a conversion) tells a front end where it is
// and learns that the user wants it stopped. The step calls Stage now and
// then from its own thread; the front end may call RequestCancel from any
// thread, and the step then ends at its next check with TCancelled.

#include <atomic>
#include <stdexcept>
#include <string_view>

namespace quillon {

class TProgress {
 public:
  virtual ~TProgress() = default;
  // A stage begins ("Genesis: lines of layer 3"); Percent is how far the
  // whole step is, 0..100, or -1 when the stage does not change it.
  virtual void Stage(std::string_view Text, int Percent) = 0;

  void RequestCancel() { Cancel.store(true, std::memory_order_relaxed); }
  bool CancelRequested() const { return Cancel.load(std::memory_order_relaxed); }
  void ResetCancel() { Cancel.store(false, std::memory_order_relaxed); }

 private:
  std::atomic<bool> Cancel{false};
};

// Thrown by a step that stopped because the user asked it to.
class TCancelled : public std::runtime_error {
 public:
  TCancelled() : std::runtime_error("Cancelled") {}
};

}  // namespace quillon
