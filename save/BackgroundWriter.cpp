// SPDX-License-Identifier: MIT
#include "save/BackgroundWriter.h"

namespace quillon {

TBackgroundWriter::TBackgroundWriter() : Thread([this] { Run(); }) {}

TBackgroundWriter::~TBackgroundWriter() {
  {
    std::lock_guard Guard(Lock);
    Stopping = true;
    Waiting.clear();
  }
  Changed.notify_all();
  Thread.join();
}

void TBackgroundWriter::ThrowError() {
  if (Error) std::rethrow_exception(Error);
}

void TBackgroundWriter::Write(TAtomicFile& File, TByteBuffer& Chunk) {
  std::unique_lock Guard(Lock);
  Changed.wait(Guard, [this] { return Waiting.size() < MaxWaiting || Error; });
  ThrowError();
  Waiting.push_back({&File, std::move(Chunk)});
  if (!Spare.empty()) {
    Chunk.Swap(Spare.back());
    Spare.pop_back();
  }
  Guard.unlock();
  Changed.notify_all();
}

void TBackgroundWriter::Finish() {
  std::unique_lock Guard(Lock);
  Changed.wait(Guard, [this] { return (Waiting.empty() && !Busy) || Error; });
  ThrowError();
}

void TBackgroundWriter::Run() {
  std::unique_lock Guard(Lock);
  for (;;) {
    Changed.wait(Guard, [this] { return Stopping || !Waiting.empty(); });
    if (Stopping) return;
    TChunk Chunk = std::move(Waiting.front());
    Waiting.pop_front();
    Busy = true;
    Guard.unlock();
    std::exception_ptr Failed;
    try {
      Chunk.File->Write(Chunk.Bytes.Data(), Chunk.Bytes.Size());
    } catch (...) {
      Failed = std::current_exception();
    }
    Chunk.Bytes.Clear();
    Guard.lock();
    Busy = false;
    if (Failed && !Error) Error = Failed;
    if (Error) Waiting.clear();  // nothing after a failed write may reach a file
    Spare.push_back(std::move(Chunk.Bytes));
    Changed.notify_all();
  }
}

}  // namespace quillon
