// SPDX-License-Identifier: MIT
#include "cli/ConvertReport.h"

#include <charconv>
#include <filesystem>
#include <nlohmann/json.hpp>
#include <ostream>
#include <set>

#include "cli/ConsolePrompts.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabJobFile.h"

namespace quillon::cli {

void TRecordingPrompts::NotifyUser(std::string_view Text) {
  Messages.emplace_back(Text);
  Inner.NotifyUser(Text);
}

TAnswer TRecordingPrompts::AskUser(std::string_view Text) {
  const TAnswer Answer = Inner.AskUser(Text);
  Questions.push_back({std::string(Text), Answer});
  return Answer;
}

namespace {

using TJson = nlohmann::ordered_json;

// The pin number in "... undefined Pin# (8) found ...", if the text has one.
std::optional<long long> UndefinedPin(const std::string& Question) {
  const std::size_t Mark = Question.find("Pin# (");
  if (Mark == std::string::npos) return std::nullopt;
  const char* Begin = Question.data() + Mark + 6;
  long long Pin = 0;
  const auto R = std::from_chars(Begin, Question.data() + Question.size(), Pin);
  if (R.ec != std::errc() || *R.ptr != ')') return std::nullopt;
  return Pin;
}

TJson FileEntry(const TScriptingPcb& Board, const TOutputFile& File) {
  TJson Entry = {{"path", File.Path}, {"role", OutputRoleName(File.Role)}};
  const std::string Function = fab::X2FunctionOf(Board, File);
  Entry["x2_function"] = Function.empty() || !Board.FabPackageMade ? TJson() : TJson(Function);
  Entry["lines"] = File.Lines->Count();
  Entry["bytes"] = FileBytes(File);
  return Entry;
}

}  // namespace

void PrintJsonReport(std::ostream& Stream, const TScriptingPcb& Board, const std::string& Out,
                     const std::string& ZipPath, const TRecordingPrompts& Prompts) {
  TJson Files = TJson::array();
  for (const TOutputFile& File : Board.OutputFiles(Out)) Files.push_back(FileEntry(Board, File));
  if (!ZipPath.empty()) {
    std::error_code Error;
    const auto Bytes = std::filesystem::file_size(ZipPath, Error);
    Files.push_back({{"path", ZipPath},
                     {"role", "zip"},
                     {"x2_function", nullptr},
                     {"lines", nullptr},
                     {"bytes", Error ? TJson() : TJson(Bytes)}});
  }
  TJson Warnings = TJson::array();
  for (const std::string& Message : Prompts.Messages) Warnings.push_back(Message);
  if (Board.UnknownTagCount > 0)
    Warnings.push_back(std::to_string(Board.UnknownTagCount) + " unrecognised tags in the plot");
  std::set<long long> Pins;
  TJson Answers = TJson::array();
  for (const auto& Q : Prompts.Questions) {
    const auto Pin = UndefinedPin(Q.Text);
    if (Pin) Pins.insert(*Pin);
    Answers.push_back({{"question", Q.Text},
                       {"pin", Pin ? TJson(*Pin) : TJson()},
                       {"answer", TConsolePrompts::AnswerName(Q.Answer)}});
  }
  const TJson Report = {
      {"files", Files}, {"warnings", Warnings}, {"undefined_pins", Pins}, {"answers", Answers}};
  Stream << Report.dump(2, ' ', false, TJson::error_handler_t::replace) << '\n';
}

}  // namespace quillon::cli
