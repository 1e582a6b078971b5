// SPDX-License-Identifier: MIT
// The command line's prompts: what reaches stderr and which answer is taken.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/ConsolePrompts.h"

namespace quillon::cli {
namespace {

struct Console {
  explicit Console(std::vector<TAnswer> Scripted = {}, const std::string& Typed = "",
                   bool Terminal = false)
      : Prompts(std::move(Scripted)), In(Typed) {
    Prompts.UseStreams(In, Err, Terminal);
  }
  TConsolePrompts Prompts;
  std::istringstream In;
  std::ostringstream Err;
};

TEST(ConsolePrompts, NotifyUserWritesPlainLines) {
  Console C;
  C.Prompts.NotifyUser("EOF!!!!!");
  C.Prompts.NotifyUser("first\n\rsecond\n\rthird");
  EXPECT_EQ(C.Err.str(), "EOF!!!!!\nfirst\nsecond\nthird\n");
}

TEST(ConsolePrompts, ScriptedAnswersInOrderTheLastRepeating) {
  Console C({TAnswer::No, TAnswer::YesToAll});
  EXPECT_EQ(C.Prompts.AskUser("Q1"), TAnswer::No);
  EXPECT_EQ(C.Prompts.AskUser("Q2\n\rmore"), TAnswer::YesToAll);
  EXPECT_EQ(C.Prompts.AskUser("Q3"), TAnswer::YesToAll);
  EXPECT_EQ(C.Prompts.QuestionsAsked(), 3);
  EXPECT_EQ(C.Err.str(),
            "Q1\nAnswer: no (scripted)\n"
            "Q2\nmore\nAnswer: yes-all (scripted)\n"
            "Q3\nAnswer: yes-all (scripted)\n");
}

TEST(ConsolePrompts, ScriptedAnswersWinOverATerminal) {
  Console C({TAnswer::Cancel}, "n\n", true);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::Cancel);
}

TEST(ConsolePrompts, WithoutTerminalAnswersYes) {
  Console C({}, "n\n", false);
  EXPECT_EQ(C.Prompts.AskUser("Via with ... not defined"), TAnswer::Yes);
  EXPECT_EQ(C.Err.str(),
            "Via with ... not defined\nAnswer: yes (standard input is not a terminal)\n");
}

TEST(ConsolePrompts, TerminalTakesLettersAndWords) {
  Console C({}, "y\nn\nc\na\nA\n  No-All \nYES\nmaybe\n\nyes-all\n", true);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::Yes);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::No);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::Cancel);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::NoToAll);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::YesToAll);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::NoToAll);
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::Yes);
  // Unknown words and empty lines ask again.
  EXPECT_EQ(C.Prompts.AskUser("Q"), TAnswer::YesToAll);
  const std::string Choices =
      "Answer [y]es, [n]o, [c]ancel, [a] no to all, [A] yes to all "
      "(or yes, no, cancel, no-all, yes-all): ";
  EXPECT_EQ(C.Err.str().substr(0, 2 + Choices.size()), "Q\n" + Choices);
  // The end of input cancels.
  EXPECT_EQ(C.Prompts.AskUser("Last"), TAnswer::Cancel);
  const std::string Tail = "Last\n" + Choices + "\nAnswer: cancel (end of input)\n";
  EXPECT_EQ(C.Err.str().substr(C.Err.str().size() - Tail.size()), Tail);
}

TEST(ConsolePrompts, ParseAnswers) {
  using V = std::vector<TAnswer>;
  EXPECT_EQ(TConsolePrompts::ParseAnswers("yes"), V{TAnswer::Yes});
  EXPECT_EQ(TConsolePrompts::ParseAnswers("YES,no,Cancel,no-all,Yes-All"),
            (V{TAnswer::Yes, TAnswer::No, TAnswer::Cancel, TAnswer::NoToAll, TAnswer::YesToAll}));
  EXPECT_EQ(TConsolePrompts::ParseAnswers("no, yes"), (V{TAnswer::No, TAnswer::Yes}));
  EXPECT_EQ(TConsolePrompts::ParseAnswers(""), std::nullopt);
  EXPECT_EQ(TConsolePrompts::ParseAnswers("yes,"), std::nullopt);
  EXPECT_EQ(TConsolePrompts::ParseAnswers("y"), std::nullopt);
  EXPECT_EQ(TConsolePrompts::ParseAnswers("yes,maybe"), std::nullopt);
  EXPECT_EQ(TConsolePrompts::ParseAnswers("noall"), std::nullopt);
}

TEST(ConsolePrompts, AnswerNames) {
  EXPECT_STREQ(TConsolePrompts::AnswerName(TAnswer::Yes), "yes");
  EXPECT_STREQ(TConsolePrompts::AnswerName(TAnswer::No), "no");
  EXPECT_STREQ(TConsolePrompts::AnswerName(TAnswer::Cancel), "cancel");
  EXPECT_STREQ(TConsolePrompts::AnswerName(TAnswer::NoToAll), "no-all");
  EXPECT_STREQ(TConsolePrompts::AnswerName(TAnswer::YesToAll), "yes-all");
}

}  // namespace
}  // namespace quillon::cli
