// SPDX-License-Identifier: MIT
#pragma once
// Writes the chunks of streamed files on a thread of its own: formatting the
// next chunk and the kernel copying the last one into the file then run side
// by side. At most a few chunks wait, so memory stays bounded whatever the
// size of the output, and chunks are written in the order they came.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

#include "save/AtomicFile.h"
#include "text/ByteBuffer.h"

namespace quillon {

class TBackgroundWriter {
 public:
  TBackgroundWriter();
  // Drops the chunks still waiting; the one being written is finished.
  ~TBackgroundWriter();
  TBackgroundWriter(const TBackgroundWriter&) = delete;
  TBackgroundWriter& operator=(const TBackgroundWriter&) = delete;

  // Queues Chunk to be appended to File, which must outlive this object.
  // Chunk comes back empty, often holding a buffer already written, so that
  // the caller refills it without allocating. Throws the first failed
  // write's error (TSaveError), and from then on nothing more is written.
  void Write(TAtomicFile& File, TByteBuffer& Chunk);
  // Waits until every queued chunk is written; throws the first failed
  // write's error.
  void Finish();

 private:
  struct TChunk {
    TAtomicFile* File;
    TByteBuffer Bytes;
  };
  // Waiting chunks beyond which Write waits for the thread.
  static constexpr std::size_t MaxWaiting = 2;

  void Run();
  void ThrowError();  // with Lock held

  std::mutex Lock;
  std::condition_variable Changed;
  std::deque<TChunk> Waiting;
  std::vector<TByteBuffer> Spare;  // written buffers, for Write to hand back
  std::exception_ptr Error;
  bool Busy = false;
  bool Stopping = false;
  std::thread Thread;  // last: it starts once the rest exists
};

}  // namespace quillon
