// SPDX-License-Identifier: MIT
// The check's own conversion answers as the user's did, silently, and says
// each message about the plot once.

#include <gtest/gtest.h>

#include <sstream>

#include "cli/CheckPrompts.h"

namespace quillon::cli {
namespace {

TEST(CheckPrompts, AnswersAsScriptedWithoutAWord) {
  std::ostringstream Err;
  TCheckPrompts Prompts({TAnswer::No, TAnswer::YesToAll}, Err);
  EXPECT_EQ(Prompts.AskUser("Pin 7 not found in the table!\n\rAdd it anyway?"), TAnswer::No);
  EXPECT_EQ(Prompts.AskUser("Pin 8?"), TAnswer::YesToAll);
  EXPECT_EQ(Prompts.AskUser("Pin 9?"), TAnswer::YesToAll);  // the last one repeats
  Prompts.ReportUnscriptedAnswers();
  EXPECT_EQ(Err.str(), "");
  EXPECT_EQ(Prompts.QuestionsAsked(), 3);
}

TEST(CheckPrompts, UnscriptedQuestionsAreAnsweredYesAndCountedOnce) {
  std::ostringstream Err;
  TCheckPrompts Prompts({}, Err);
  EXPECT_EQ(Prompts.AskUser("Pin 7?"), TAnswer::Yes);
  EXPECT_EQ(Prompts.AskUser("Pin 8?"), TAnswer::Yes);
  Prompts.ReportUnscriptedAnswers();
  EXPECT_EQ(Err.str(),
            "quillon-cli check: the conversion asked 2 questions, answered yes here; give the "
            "conversion's --answers if it was answered otherwise\n");
}

TEST(CheckPrompts, AMessageIsShownOnce) {
  std::ostringstream Err;
  TCheckPrompts Prompts({}, Err);
  Prompts.NotifyUser("Texts the fab files could not draw:\n\rU1");
  Prompts.NotifyUser("Texts the fab files could not draw:\n\rU1");
  Prompts.NotifyUser("EOF!!!!!");
  EXPECT_EQ(Err.str(), "Texts the fab files could not draw:\nU1\nEOF!!!!!\n");
  Prompts.ReportUnscriptedAnswers();  // no questions: nothing more
  EXPECT_EQ(Err.str(), "Texts the fab files could not draw:\nU1\nEOF!!!!!\n");
}

}  // namespace
}  // namespace quillon::cli
