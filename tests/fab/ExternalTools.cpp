// SPDX-License-Identifier: MIT
#include "ExternalTools.h"

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <sstream>

#include "TestFiles.h"

namespace quillon::test {

std::string Quoted(const std::string& Path) {
  std::string Q = "'";
  for (char C : Path) Q += C == '\'' ? std::string("'\\''") : std::string(1, C);
  return Q + "'";
}

ToolRun RunTool(const std::string& Command, const std::string& Dir) {
  const std::string Out = Dir + "/tool.out", Err = Dir + "/tool.err";
  const std::string Line = Command + " </dev/null >" + Quoted(Out) + " 2>" + Quoted(Err);
  const int Status = std::system(Line.c_str());
  ToolRun R;
  R.ExitCode = WIFEXITED(Status) ? WEXITSTATUS(Status) : -1;
  R.Out = ReadFile(Out);
  R.Err = ReadFile(Err);
  return R;
}

std::vector<std::string> GerbvComplaints(const std::string& Err) {
  std::vector<std::string> Complaints;
  std::istringstream In(Err);
  std::string Line;
  while (std::getline(In, Line)) {
    if (Line.find_first_not_of(" \t\r") == std::string::npos) continue;
    const bool Attribute = Line.find("Unknown RS-274X extension found %TF%") != std::string::npos ||
                           Line.find("Unknown RS-274X extension found %TA%") != std::string::npos ||
                           Line.find("Unknown RS-274X extension found %TD%") != std::string::npos;
    if (!Attribute) Complaints.push_back(Line);
  }
  return Complaints;
}

bool NodeParserInstalled() {
  return std::filesystem::exists(SourcePath("tests/node/node_modules/gerber-parser")) &&
         std::system("node --version >/dev/null 2>&1") == 0;
}

std::string ReaderMissing(const std::string& Name, bool Installed) {
  if (Installed) return {};
  const std::string Why = Name + " is not installed: run make deps";
  const char* Required = std::getenv("QUILLON_REQUIRE_READERS");
  if (Required && *Required && std::string(Required) != "0") ADD_FAILURE() << Why;
  return Why;
}

std::string NodeParserMissing(const std::string& Module) {
  return ReaderMissing("the npm " + Module,
                       NodeParserInstalled() && std::filesystem::exists(SourcePath(
                                                    "tests/node/node_modules/" + Module)));
}

std::string ProgramMissing(const std::string& Program) {
  return ReaderMissing(Program,
                       std::system(("command -v " + Program + " >/dev/null 2>&1").c_str()) == 0);
}

std::vector<nlohmann::json> ParseWithNode(const std::vector<std::string>& Files,
                                          const std::string& Dir) {
  std::string Command = "node " + Quoted(SourcePath("tests/node/check-gerber.js"));
  for (const std::string& F : Files) Command += " " + Quoted(F);
  const ToolRun Run = RunTool(Command, Dir);
  std::vector<nlohmann::json> Results;
  std::istringstream In(Run.Out);
  std::string Line;
  while (std::getline(In, Line))
    if (!Line.empty()) Results.push_back(nlohmann::json::parse(Line));
  return Results;
}

}  // namespace quillon::test
