// SPDX-License-Identifier: MIT
#pragma once
// Loads plot files written by PlotBuilder into a board whose prompts record
// every message, so a test states input, messages and board side by side.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PlotBuilder.h"
#include "TestFiles.h"
#include "model/Pcb.h"
#include "model/PlotError.h"

namespace quillon::test {

class RecordingPrompts final : public TUserPrompts {
 public:
  void NotifyUser(std::string_view Text) override { Messages.emplace_back(Text); }
  TAnswer AskUser(std::string_view Text) override {
    Questions.emplace_back(Text);
    return TAnswer::Yes;
  }
  std::vector<std::string> Messages;
  std::vector<std::string> Questions;
};

class PlotLoadTest : public ::testing::Test {
 protected:
  PlotLoadTest() { Pcb.SetPrompts(&Prompts); }

  std::string PlotFile() const { return Tmp.File("board.plt"); }

  bool Load(const PlotBuilder& Plot) {
    Plot.Save(PlotFile());
    return Pcb.LoadFromFile(PlotFile());
  }
  bool LoadBytes(const std::string& Bytes) {
    WriteFile(PlotFile(), Bytes);
    return Pcb.LoadFromFile(PlotFile());
  }
  // Loads a file that must stop with an error, and returns that error.
  TPlotError LoadStopping(const std::string& Bytes) {
    WriteFile(PlotFile(), Bytes);
    try {
      Pcb.LoadFromFile(PlotFile());
    } catch (const TPlotError& E) {
      return E;
    }
    ADD_FAILURE() << "the load did not stop";
    return TPlotError("", "");
  }
  TPlotError LoadStopping(const PlotBuilder& Plot) { return LoadStopping(Plot.Str()); }

  // A header and one layer "TOP" number 1: records follow directly.
  static PlotBuilder OneLayer() {
    PlotBuilder P;
    P.Header().Layers({{"TOP", 1}});
    return P;
  }
  TLayer& Layer(int Index = 0) { return Pcb.Layers.Items(Index); }

  TempDir Tmp;
  RecordingPrompts Prompts;
  TPcb Pcb;
};

}  // namespace quillon::test
