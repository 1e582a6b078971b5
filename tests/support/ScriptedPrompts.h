// SPDX-License-Identifier: MIT
#pragma once
// Prompts that answer the undefined-pin questions from a script and remember
// what they were asked and told.

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/UserPrompts.h"

namespace quillon::test {

class TScriptedPrompts final : public TUserPrompts {
 public:
  // Afterwards answers every question beyond the script; without it such a
  // question fails the test and is cancelled.
  explicit TScriptedPrompts(std::deque<TAnswer> Answers = {},
                            std::optional<TAnswer> Afterwards = std::nullopt)
      : Answers(std::move(Answers)), Afterwards(Afterwards) {}

  void NotifyUser(std::string_view Text) override { Notes.emplace_back(Text); }
  TAnswer AskUser(std::string_view Text) override {
    Asked.emplace_back(Text);
    if (Answers.empty()) {
      if (Afterwards) return *Afterwards;
      ADD_FAILURE() << "unexpected question: " << Text;
      return TAnswer::Cancel;
    }
    const TAnswer Answer = Answers.front();
    Answers.pop_front();
    return Answer;
  }

  std::deque<TAnswer> Answers;
  std::optional<TAnswer> Afterwards;
  std::vector<std::string> Asked;
  std::vector<std::string> Notes;
};

}  // namespace quillon::test
