// SPDX-License-Identifier: MIT
// Reading a pin description file: what is not a text of believable size is
// refused at once, with the file named, before it fills the memory.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <string>
#include <thread>

#include "pins/DescriptionFile.h"
#include "support/TestFiles.h"

namespace quillon::test {
namespace {

namespace fs = std::filesystem;

// The reason ReadDescriptionFile gives for FileName, or "" when it reads.
std::string Refusal(const std::string& FileName) {
  try {
    ReadDescriptionFile(FileName);
  } catch (const TDescriptionFileError& E) {
    EXPECT_EQ(E.FileName, FileName);
    EXPECT_NE(std::string(E.what()).find("\"" + FileName + "\""), std::string::npos) << E.what();
    return E.Reason;
  }
  return "";
}

TEST(DescriptionFile, ReadsAFileUpToTheLimitAndRefusesOneByteMore) {
  TempDir Dir;
  WriteFile(Dir.File("pins.txt"), "1  0.5  0.8\r\n");
  EXPECT_EQ(ReadDescriptionFile(Dir.File("pins.txt")), "1  0.5  0.8\r\n");
  // Sparse files: no disk is used for the zeros.
  const std::string AtLimit = Dir.File("at-limit.txt"), Over = Dir.File("over.txt");
  WriteFile(AtLimit, "");
  WriteFile(Over, "");
  fs::resize_file(AtLimit, MaxDescriptionBytes);
  fs::resize_file(Over, MaxDescriptionBytes + 1);
  EXPECT_EQ(ReadDescriptionFile(AtLimit).size(), MaxDescriptionBytes);
  EXPECT_EQ(Refusal(Over), "larger than 64 MB, the most a pin description may hold");
  EXPECT_EQ(Refusal(Dir.File("missing.txt")), "No such file or directory");
}

TEST(DescriptionFile, RefusesDevicesAndFoldersAtOnce) {
  TempDir Dir;
  const auto Start = std::chrono::steady_clock::now();
  EXPECT_EQ(Refusal("/dev/zero"), "not a regular file or pipe (a character device)");
  EXPECT_LT(std::chrono::steady_clock::now() - Start, std::chrono::seconds(1));
  EXPECT_EQ(Refusal(Dir.Path().string()), "not a regular file or pipe (a folder)");
  // Through a link, what the link names decides.
  fs::create_symlink("/dev/zero", Dir.File("link.txt"));
  EXPECT_EQ(Refusal(Dir.File("link.txt")), "not a regular file or pipe (a character device)");
}

TEST(DescriptionFile, APipeIsReadUpToTheLimit) {
  TempDir Dir;
  const std::string Fifo = Dir.File("pipe");
  ASSERT_EQ(::mkfifo(Fifo.c_str(), 0600), 0);
  std::thread Writer([&] {
    std::FILE* F = std::fopen(Fifo.c_str(), "wb");
    std::fputs("2  0.6  1.0\n", F);
    std::fclose(F);
  });
  EXPECT_EQ(ReadDescriptionFile(Fifo), "2  0.6  1.0\n");
  Writer.join();

  // A pipe that never ends is refused once past the limit.
  const auto OldPipe = std::signal(SIGPIPE, SIG_IGN);  // the reader stops reading
  std::thread Endless([&] {
    std::FILE* F = std::fopen(Fifo.c_str(), "wb");
    const std::string Block(1 << 16, '7');
    while (std::fwrite(Block.data(), 1, Block.size(), F) == Block.size()) {
    }
    std::fclose(F);
  });
  EXPECT_EQ(Refusal(Fifo), "larger than 64 MB, the most a pin description may hold");
  Endless.join();
  std::signal(SIGPIPE, OldPipe);
}

}  // namespace
}  // namespace quillon::test
