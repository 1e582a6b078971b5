// SPDX-License-Identifier: MIT
// Streaming output: line lists that hand whole lines on in chunks, and the
// save that streams a conversion into its files.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>

#include "save/SaveError.h"
#include "script/ScriptPcb.h"
#include "script/save/StreamedSave.h"
#include "support/ScriptedPrompts.h"
#include "support/TestBoards.h"
#include "support/TestFiles.h"

namespace quillon {
namespace {

using namespace test;
namespace fs = std::filesystem;

struct TRecordingSink final : TLineSink {
  void Take(TByteBuffer& Chunk) override {
    Chunks.emplace_back(Chunk.View());
    Chunk.Clear();
  }
  std::string All() const {
    std::string S;
    for (const std::string& C : Chunks) S += C;
    return S;
  }
  std::vector<std::string> Chunks;
};

TEST(StreamingLines, HandOnWholeLinesInBoundedChunksAndKeepTheirCount) {
  TRecordingSink Sink;
  TTextLines Lines;
  Lines.Add("held before");
  Lines.StreamTo(&Sink);
  EXPECT_TRUE(Sink.Chunks.empty());  // small: nothing handed on yet
  const std::string Long(1000, 'x');
  for (int I = 0; I < 3000; ++I) LineBuilder(Lines) << Long << I;
  Lines.Flush();

  ASSERT_GE(Sink.Chunks.size(), 3u);
  for (const std::string& Chunk : Sink.Chunks) {
    EXPECT_LE(Chunk.size(), TTextLines::StreamChunkBytes + Long.size() + 8);
    EXPECT_TRUE(Chunk.ends_with("\r\n"));  // never a line cut in two
  }
  std::string Expected = "held before\r\n";
  for (int I = 0; I < 3000; ++I) Expected += Long + std::to_string(I) + "\r\n";
  EXPECT_EQ(Sink.All(), Expected);
  EXPECT_EQ(Lines.Count(), 3001);
  EXPECT_EQ(Lines.TextBytes() + 2 * 3001, Expected.size());
}

TEST(StreamingLines, RefuseWhatCannotBeDoneWithLinesAlreadyHandedOn) {
  TRecordingSink Sink;
  TTextLines Lines;
  Lines.StreamTo(&Sink);
  Lines.Add("not yet handed on");
  Lines.Clear();  // still here: may be dropped
  EXPECT_EQ(Lines.Count(), 0);
  const std::string Big(TTextLines::StreamChunkBytes, 'y');
  Lines.Add(Big);
  Lines.Add("the full chunk goes before this line");
  EXPECT_THROW(Lines.Clear(), std::logic_error);
  EXPECT_THROW(Lines[0], std::logic_error);
  EXPECT_THROW(Lines.Join(), std::logic_error);
  // Detached, the list keeps its lines again.
  Lines.StreamTo(nullptr);
  Lines.Add("kept");
  EXPECT_EQ(Lines.Count(), 1);
  EXPECT_EQ(Lines[0], "kept");
}

// A board that makes several MiB in every format: the chunks and the swaps
// of the Gerber layers are really exercised.
// Without the pin row, each layer's flashes ask a question.
void FillBoard(TScriptingPcb& Pcb, bool DefinePin = true) {
  AddLayer(Pcb, "COMP", 1);
  AddLayer(Pcb, "SOLDER", 2);
  AddLayer(Pcb, "PIN", 3);
  TLayer& Top = Pcb.Layers.Items(0);
  TLayer& Bottom = Pcb.Layers.Items(1);
  TLayer& Pin = Pcb.Layers.Items(2);
  for (int I = 0; I < 60000; ++I) {
    AddLine(Top, kindLine, {I, 2 * I}, {I + 100, 2 * I + 50}, 10 + I % 7);
    AddLine(Bottom, kindLine, {-I, I}, {I, -I}, 12);
    AddArc(Bottom.Arcs, {I, I}, {I + 30, I}, {I, I + 30}, 8);
    if (I % 10 == 0) {
      TPcbFlash& F = Pin.Flashes.Add();
      F.PinNumber = 1;
      F.X = I;
      F.Y = -I;
    }
  }
  Pcb.DrillLayer = 2;
  Pcb.PadTopLayer = 0;
  Pcb.PadBottomLayer = 1;
  Pcb.Title = "streamed";
  if (DefinePin) AddPin(Pcb.Pins, 0, 0.8, 1.6, shapeCircle);
}

std::map<std::string, std::string> FolderFiles(const fs::path& Dir) {
  std::map<std::string, std::string> Files;
  for (const auto& Entry : fs::directory_iterator(Dir))
    Files[Entry.path().filename()] = ReadFile(Entry.path());
  return Files;
}

class StreamedSave : public ::testing::Test {
 protected:
  StreamedSave() {
    fs::create_directory(Dir.File("memory"));
    fs::create_directory(Dir.File("streamed"));
  }
  TempDir Dir;
  TScriptedPrompts Prompts;
};

TEST_F(StreamedSave, WritesTheSameBytesAsTheSaveFromMemoryInEveryFormat) {
  struct {
    std::uint8_t Format;
    TGerberProfile Profile;
    const char* Name;
    TGenesisHost Host = TGenesisHost::Windows;
  } Cases[] = {{fmtCam350Macro, TGerberProfile::Legacy, "b.scr"},
               {fmtGerber, TGerberProfile::Legacy, "b.gbr"},
               {fmtGerber, TGerberProfile::Fab, "b.gbr"},
               {fmtGenesis, TGerberProfile::Legacy, "b.csh"},
               {fmtGenesis, TGerberProfile::Legacy, "unix.csh", TGenesisHost::Unix}};
  for (const auto& C : Cases) {
    SCOPED_TRACE(C.Name);
    fs::remove_all(Dir.File("memory"));
    fs::remove_all(Dir.File("streamed"));
    fs::create_directory(Dir.File("memory"));
    fs::create_directory(Dir.File("streamed"));
    TScriptingPcb Memory, Streamed;
    for (TScriptingPcb* Pcb : {&Memory, &Streamed}) {
      FillBoard(*Pcb);
      Pcb->SetPrompts(&Prompts);
      Pcb->GerberProfile = C.Profile;
      Pcb->ExcellonDrill = C.Profile == TGerberProfile::Fab;
      Pcb->GenesisHost = C.Host;
    }
    Memory.Convert(coAll, C.Format, 0.0254);
    Memory.SaveToFile(Dir.File("memory/") + C.Name);
    {
      TStreamedSave Save(Streamed, Dir.File("streamed/") + C.Name, C.Format);
      Streamed.Convert(coAll, C.Format, 0.0254);
      Save.Commit();
      // The counts stay for the summary lines.
      EXPECT_EQ(Streamed.Output.Count(), Memory.Output.Count());
      EXPECT_EQ(Streamed.Output.TextBytes(), Memory.Output.TextBytes());
    }
    const auto Expected = FolderFiles(Dir.File("memory"));
    const auto Got = FolderFiles(Dir.File("streamed"));
    EXPECT_GE(Expected.size(), C.Format == fmtGerber ? 4u : 1u);
    EXPECT_TRUE(Expected == Got);
    std::size_t Biggest = 0;
    for (const auto& [Name, Bytes] : Got) Biggest = std::max(Biggest, Bytes.size());
    EXPECT_GT(Biggest, TTextLines::StreamChunkBytes);
  }
}

// Answers the first question, and stops the conversion at the second.
struct TStoppingPrompts final : TUserPrompts {
  void NotifyUser(std::string_view) override {}
  TAnswer AskUser(std::string_view) override {
    if (++Asked > 1) throw std::runtime_error("stopped");
    return TAnswer::Yes;
  }
  int Asked = 0;
};

TEST_F(StreamedSave, AConversionThatStopsLeavesNoFileAndAnOldFileAlone) {
  const std::string Folder = Dir.File("streamed");
  WriteFile(Folder + "/b.gbr", "older");
  TScriptingPcb Pcb;
  FillBoard(Pcb, false);
  TStoppingPrompts Stopping;
  Pcb.SetPrompts(&Stopping);
  {
    // The first layer's file is well past its first chunk when the second
    // layer's question stops the conversion.
    TStreamedSave Save(Pcb, Folder + "/b.gbr", fmtGerber);
    EXPECT_THROW(Pcb.Convert(coAll, fmtGerber, 0.0254), std::runtime_error);
    EXPECT_EQ(Stopping.Asked, 2);
    EXPECT_GT(Pcb.LayerOutputs[0].Count() + Pcb.Output.Count(), 60000);
  }
  EXPECT_EQ(FolderFiles(Folder), (std::map<std::string, std::string>{{"b.gbr", "older"}}));
  // The board is usable again, in memory.
  AddPin(Pcb.Pins, 0, 0.8, 1.6, shapeCircle);
  Pcb.SetPrompts(&Prompts);
  Pcb.Convert(coAll, fmtGerber, 0.0254);
  EXPECT_FALSE(Pcb.LayerOutputs[0].Streaming());
  EXPECT_GT(Pcb.LayerOutputs[0].Count(), 60000);
}

TEST_F(StreamedSave, AFileThatCannotGrowStopsTheConversionAndLeavesNothing) {
  const std::string Folder = Dir.File("streamed");
  TScriptingPcb Pcb;
  FillBoard(Pcb);
  Pcb.SetPrompts(&Prompts);
  auto* OldHandler = std::signal(SIGXFSZ, SIG_IGN);  // write() fails with EFBIG instead
  rlimit Old{};
  getrlimit(RLIMIT_FSIZE, &Old);
  rlimit Limited = Old;
  Limited.rlim_cur = 3 * TTextLines::StreamChunkBytes;
  setrlimit(RLIMIT_FSIZE, &Limited);
  bool Thrown = false;
  try {
    TStreamedSave Save(Pcb, Folder + "/b.csh", fmtGenesis);
    Pcb.Convert(coAll, fmtGenesis, 0.0254);
    Save.Commit();
  } catch (const TSaveError& E) {
    Thrown = std::string(E.what()).find("b.csh") != std::string::npos;
  }
  setrlimit(RLIMIT_FSIZE, &Old);
  std::signal(SIGXFSZ, OldHandler);
  EXPECT_TRUE(Thrown);
  EXPECT_TRUE(FolderFiles(Folder).empty());  // nor a temporary file
}

TEST_F(StreamedSave, AFolderThatCannotTakeTheFileIsReportedBeforeConverting) {
  TScriptingPcb Pcb;
  FillBoard(Pcb);
  try {
    TStreamedSave Save(Pcb, Dir.File("missing/b.gbr"), fmtGerber);
    FAIL() << "no error";
  } catch (const TSaveError& E) {
    EXPECT_NE(std::string(E.what()).find("missing/b.gbr"), std::string::npos) << E.what();
  }
  EXPECT_FALSE(Pcb.Output.Streaming());
  for (const TTextLines& L : Pcb.LayerOutputs) EXPECT_FALSE(L.Streaming());
}

}  // namespace
}  // namespace quillon
