// SPDX-License-Identifier: MIT
#pragma once
// Helpers shared by the fuzz harnesses: a plot file made from the fuzzer's
// bytes, and prompts whose answers come from those bytes too, so that no
// question ever blocks a run.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <string_view>

#include "model/UserPrompts.h"

namespace quillon::fuzz {

// A file in /dev/shm (or /tmp) holding Bytes, removed when the object dies.
class TScratchFile {
 public:
  explicit TScratchFile(std::string_view Bytes) {
    const char* Dir = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    Name = std::string(Dir) + "/quillon-fuzz-" + std::to_string(getpid()) + ".plt";
    if (FILE* F = std::fopen(Name.c_str(), "wb")) {
      std::fwrite(Bytes.data(), 1, Bytes.size(), F);
      std::fclose(F);
    }
  }
  ~TScratchFile() { std::remove(Name.c_str()); }
  const std::string& Path() const { return Name; }

 private:
  std::string Name;
};

// A property that must hold for every input: its failure is reported like a
// crash, so the fuzzer keeps the input that broke it.
inline void Check(bool Holds, const char* What) {
  if (Holds) return;
  std::fprintf(stderr, "property broken: %s\n", What);
  std::abort();
}

// Answers every question from a little generator seeded by the input, so
// every answer (Cancel and the "to all" ones too) is reached; remembers the
// last message.
class TByteAnswers final : public TUserPrompts {
 public:
  explicit TByteAnswers(std::uint8_t Seed) : Next(Seed) {}
  void NotifyUser(std::string_view Text) override { Last.assign(Text); }
  TAnswer AskUser(std::string_view) override {
    Next = static_cast<std::uint8_t>(Next * 33 + 7);
    return static_cast<TAnswer>(Next % 5);
  }
  const std::string& LastMessage() const { return Last; }

 private:
  std::uint8_t Next;
  std::string Last;
};

}  // namespace quillon::fuzz
