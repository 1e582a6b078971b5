// SPDX-License-Identifier: MIT
#pragma once
// Runs the independent readers the fab files are checked with: gerbv and the
// npm Gerber parser behind tests/node/check-gerber.js.

#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace quillon::test {

struct ToolRun {
  int ExitCode = -1;
  std::string Out;
  std::string Err;
};
// Runs a shell command line; its output streams go through files in Dir.
ToolRun RunTool(const std::string& Command, const std::string& Dir);

// The messages of gerbv's standard error that are not about the X2
// attributes it does not know (it calls them unknown extensions).
std::vector<std::string> GerbvComplaints(const std::string& Err);

// True when the npm parser was installed (make deps).
bool NodeParserInstalled();

// Empty when a reader is there; else why a test that needs it is skipped.
// Under `make test`, which installs every reader first and sets
// QUILLON_REQUIRE_READERS, a missing reader is also a test failure: nothing
// may pass unread there. A skip shows in the test summary either way.
std::string ReaderMissing(const std::string& Name, bool Installed);
// The same for the npm Gerber parser, and for Module beside it.
std::string NodeParserMissing(const std::string& Module = "gerber-parser");
// The same for a program on the PATH.
std::string ProgramMissing(const std::string& Program);
// One JSON object per file, as check-gerber.js prints them.
std::vector<nlohmann::json> ParseWithNode(const std::vector<std::string>& Files,
                                          const std::string& Dir);

// Single-quotes a path for the shell.
std::string Quoted(const std::string& Path);

}  // namespace quillon::test
