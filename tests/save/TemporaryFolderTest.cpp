// SPDX-License-Identifier: MIT
// The private folder of one task: only its owner may enter it, and it goes
// with all it holds, also when the task ends by an error.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "save/SaveError.h"
#include "save/TemporaryFolder.h"
#include "support/TestFiles.h"

namespace quillon {
namespace {

TEST(TemporaryFolder, IsPrivateAndGoesWithItsFilesEvenAfterAnError) {
  std::string Path;
  try {
    TTemporaryFolder Folder("quillon-test");
    Path = Folder.Path();
    struct stat St {};
    ASSERT_EQ(stat(Path.c_str(), &St), 0);
    EXPECT_TRUE(S_ISDIR(St.st_mode));
    EXPECT_EQ(St.st_mode & 0777, 0700u);
    EXPECT_NE(Path.find("/quillon-test-"), std::string::npos) << Path;
    std::filesystem::create_directory(Folder.File("inner"));
    std::ofstream(Folder.File("inner/a.gbr")) << "G04*\n";
    std::ofstream(Folder.File("b.drl")) << "M48\n";
    throw std::runtime_error("the task failed");
  } catch (const std::runtime_error&) {
  }
  EXPECT_FALSE(std::filesystem::exists(Path)) << Path;
}

TEST(TemporaryFolder, AFolderThatCannotBeMadeIsASaveError) {
  const char* Old = std::getenv("TMPDIR");
  const std::string Kept = Old ? Old : "";
  setenv("TMPDIR", "/nonexistent/folder", 1);
  try {
    TTemporaryFolder Folder("quillon-test");
    ADD_FAILURE() << "made " << Folder.Path();
  } catch (const TSaveError& E) {
    EXPECT_NE(std::string(E.what()).find("/nonexistent/folder/quillon-test-"), std::string::npos)
        << E.what();
  }
  if (Old)
    setenv("TMPDIR", Kept.c_str(), 1);
  else
    unsetenv("TMPDIR");
}

}  // namespace
}  // namespace quillon
