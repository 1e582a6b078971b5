// SPDX-License-Identifier: MIT
// The check's own pieces: its pictures line up with the reader's, its
// comparison forgives an edge but not a shape, and its PNG reads back.

#include <gtest/gtest.h>
#include <zlib.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "check/CheckReport.h"
#include "check/CheckRun.h"
#include "check/Compare.h"
#include "check/GerbvReader.h"
#include "check/Png.h"
#include "check/RasterPainter.h"
#include "script/ScriptPcb.h"
#include "support/TestFiles.h"

namespace quillon::check {
namespace {

TWindow Window(int W, int H, double Dpi = 254) {
  TWindow V;
  V.Left = -1;
  V.Bottom = -2;
  V.PxPerMm = Dpi / 25.4;
  V.Width = W;
  V.Height = H;
  return V;
}

TEST(CheckPainter, FillsPixelsWhoseCentresLieInside) {
  const TWindow V = Window(60, 50);  // 10 pixels a millimetre
  TRaster R(V.Width, V.Height);
  TRasterPainter P(R, V);
  P.Square({1, 1}, 2);  // x 0..2, y 0..2 mm: columns 10..29, rows 20..39 from the bottom
  int Dark = 0;
  for (std::uint8_t Px : R.Px) Dark += Px >= 128;
  EXPECT_EQ(Dark, 400);
  EXPECT_TRUE(R.Dark(10, V.Height - 21));
  EXPECT_TRUE(R.Dark(29, V.Height - 40));
  EXPECT_FALSE(R.Dark(9, V.Height - 21));
  EXPECT_FALSE(R.Dark(30, V.Height - 21));
  EXPECT_FALSE(R.Dark(10, V.Height - 20));
  // A clear shape cuts out of what lies below.
  P.SetValue(0);
  P.Circle({1, 1}, 0.5);
  EXPECT_FALSE(R.Dark(20, V.Height - 31));
  EXPECT_TRUE(R.Dark(11, V.Height - 31));
}

TEST(CheckCompare, ForgivesAnEdgeButNotAShape) {
  TRaster A(40, 40), B(40, 40), Ignore(40, 40);
  // A one-pixel-wide difference along a whole edge: rounding, not a fault.
  for (int Y = 5; Y < 35; ++Y) B.At(20, Y) = 255;
  EXPECT_EQ(ComparePictures(A, B, Ignore).Blobs.size(), 0u);
  // A 6x6 square only in one picture: one blob of 4x4 once the edge is left out.
  for (int Y = 2; Y < 8; ++Y)
    for (int X = 2; X < 8; ++X) A.At(X, Y) = 255;
  const TComparison C = ComparePictures(A, B, Ignore);
  ASSERT_EQ(C.Blobs.size(), 1u);
  EXPECT_EQ(C.Blobs[0].Across(), 4);
  EXPECT_EQ(C.Pixels, 16);
  // Where the ignore picture is drawn nothing is compared.
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 0; X < 10; ++X) Ignore.At(X, Y) = 255;
  EXPECT_EQ(ComparePictures(A, B, Ignore).Pixels, 0);
}

TEST(CheckCompare, JoinsTouchingDifferencesIntoOneBlob) {
  TRaster A(40, 40), B(40, 40);
  auto Fill = [&](int X0, int Y0, int X1, int Y1) {
    for (int Y = Y0; Y < Y1; ++Y)
      for (int X = X0; X < X1; ++X) A.At(X, Y) = 255;
  };
  // A U: two bars that meet only at the bottom, met row by row from the top.
  Fill(2, 2, 7, 20);
  Fill(12, 2, 17, 20);
  Fill(2, 15, 17, 20);
  // Two squares touching only at a corner once the edge is left out.
  Fill(22, 2, 27, 7);
  Fill(25, 5, 30, 10);
  // A small square on its own.
  Fill(30, 30, 35, 35);
  const TComparison C = ComparePictures(A, B, TRaster());
  ASSERT_EQ(C.BlobCount, 3);
  EXPECT_EQ(C.Blobs[0].Left, 3);
  EXPECT_EQ(C.Blobs[0].Right, 15);
  EXPECT_EQ(C.Blobs[0].Top, 3);
  EXPECT_EQ(C.Blobs[0].Bottom, 18);
  EXPECT_EQ(C.Blobs[0].Pixels, 2 * 3 * 16 + 7 * 3);
  EXPECT_EQ(C.Blobs[1].Left, 23);
  EXPECT_EQ(C.Blobs[1].Bottom, 8);
  EXPECT_EQ(C.Blobs[2].Across(), 3);
  // The same rows given one at a time, the read picture's never whole.
  TRowComparison Rows(40);
  for (int Y = 0; Y < 40; ++Y) Rows.AddRow(&A.Px[Y * 40], &B.Px[Y * 40], nullptr);
  EXPECT_EQ(Rows.Finish().Pixels, C.Pixels);
}

TEST(CheckCompare, BoxesAreInBoardMillimetres) {
  const TWindow V = Window(100, 100);
  TBlob B{1, 20, 30, 29, 39};
  const preview::TBoxMm Box = B.BoxMm(V);
  EXPECT_NEAR(Box.Left, -1 + 1.9, 1e-9);
  EXPECT_NEAR(Box.Right, -1 + 3.1, 1e-9);
  EXPECT_NEAR(Box.Top, -2 + 7.1, 1e-9);
  EXPECT_NEAR(Box.Bottom, -2 + 5.9, 1e-9);
}

TEST(CheckPng, ReadsBackWhatItWrites) {
  const std::string Png = EncodePng(7, 5, [](int X, int Y) -> TRgb {
    return {std::uint8_t(X * 30 + Y), 0, 9};
  });
  TRaster R;
  ASSERT_EQ(ReadPngCoverage(Png, R), "");
  ASSERT_EQ(R.Width, 7);
  ASSERT_EQ(R.Height, 5);
  EXPECT_EQ(R.At(6, 4), 184);
  EXPECT_NE(ReadPngCoverage("not a picture", R), "");
  EXPECT_NE(ReadPngCoverage(Png.substr(0, Png.size() / 2), R), "");
}

// The reader's pictures come with four samples a pixel and any row filter;
// only the first sample of each is unfiltered.
TEST(CheckPng, ReadsTheFirstSampleThroughEveryFilter) {
  const int W = 9, H = 6, Channels = 4;
  auto Sample = [](int X, int Y, int C) { return std::uint8_t((X * 37 + Y * 11 + C * 90) % 256); };
  std::string Raw;
  std::vector<std::uint8_t> Prev(W * Channels, 0), Cur(W * Channels);
  for (int Y = 0; Y < H; ++Y) {
    const int Filter = Y % 5;
    for (int X = 0; X < W; ++X)
      for (int C = 0; C < Channels; ++C) Cur[X * Channels + C] = Sample(X, Y, C);
    Raw += char(Filter);
    for (int I = 0; I < W * Channels; ++I) {
      const int A = I >= Channels ? Cur[I - Channels] : 0, B = Prev[I];
      const int Cc = I >= Channels ? Prev[I - Channels] : 0;
      const int P = A + B - Cc, Pa = std::abs(P - A), Pb = std::abs(P - B), Pc = std::abs(P - Cc);
      const int Paeth = Pa <= Pb && Pa <= Pc ? A : Pb <= Pc ? B : Cc;
      const int Predicted[] = {0, A, B, (A + B) / 2, Paeth};
      Raw += char(std::uint8_t(Cur[I] - Predicted[Filter]));
    }
    Prev = Cur;
  }
  uLongf Size = compressBound(Raw.size());
  std::string Data(Size, '\0');
  ASSERT_EQ(compress(reinterpret_cast<Bytef*>(Data.data()), &Size,
                     reinterpret_cast<const Bytef*>(Raw.data()), Raw.size()),
            Z_OK);
  Data.resize(Size);
  auto Chunk = [](const std::string& Type, const std::string& Body) {
    std::string C;
    for (int S = 24; S >= 0; S -= 8) C += char(Body.size() >> S);
    C += Type + Body;
    const uLong Crc = crc32(0, reinterpret_cast<const Bytef*>(C.data() + 4), C.size() - 4);
    for (int S = 24; S >= 0; S -= 8) C += char(Crc >> S);
    return C;
  };
  const std::string Header{0, 0, 0, char(W), 0, 0, 0, char(H), 8, 6, 0, 0, 0};
  const std::string Png = std::string("\x89PNG\r\n\x1a\n", 8) + Chunk("IHDR", Header) +
                          Chunk("IDAT", Data.substr(0, 10)) + Chunk("IDAT", Data.substr(10)) +
                          Chunk("IEND", "");
  TRaster R;
  ASSERT_EQ(ReadPngCoverage(Png, R), "");
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) EXPECT_EQ(R.At(X, Y), Sample(X, Y, 0)) << X << "," << Y;
}

TEST(CheckRun, LowersTheResolutionOfAHugeBoard) {
  preview::TBoxMm Huge;
  Huge.Add({0, 0});
  Huge.Add({2000, 2000});
  const int Dpi = CappedDpi(Huge, 1000);
  EXPECT_LT(Dpi, 1000);
  const double Px = 2000 / 25.4 * Dpi + 2;
  EXPECT_LE(Px * Px * 4, double(MaxPictureBytes));
}

// The demo's fab package in memory, its files named in a folder where none
// of them is: each file is quickly found missing, without the reader.
std::vector<TOutputFile> DemoFilesNotOnDisk(TScriptingPcb& Board) {
  EXPECT_TRUE(Board.LoadFromFile(test::SourcePath("examples/demo.plt")));
  Board.GerberProfile = TGerberProfile::Fab;
  Board.ExcellonDrill = true;
  Board.Convert(coAll, fmtGerber, DefaultDbuFactor);
  const std::string Main = "/nonexistent/quillon/demo.scr";
  Board.PrepareSave(Main);
  return Board.OutputFiles(Main);
}

TEST(CheckRun, TellsEachFileDoneAndStopsWhenToldSo) {
  TScriptingPcb Board;
  const std::vector<TOutputFile> Files = DemoFilesNotOnDisk(Board);
  TCheckOptions Options;
  Options.Jobs = 1;
  std::vector<std::pair<int, int>> Told;
  Options.Progress = [&](int Done, int Total) {
    Told.emplace_back(Done, Total);
    return true;
  };
  const TCheckResult Whole = CheckOutputFiles(Board, Files, Options);
  const int Total = static_cast<int>(Whole.Files.size());
  ASSERT_GE(Total, 4);
  ASSERT_EQ(Told.size(), Whole.Files.size());
  for (int I = 0; I < Total; ++I) EXPECT_EQ(Told[I], std::make_pair(I + 1, Total));
  EXPECT_FALSE(Whole.CutShort);
  for (const TFileResult& F : Whole.Files) EXPECT_EQ(F.Status, TFileStatus::Missing) << F.Path;

  // Stopped after the second file: the others were never started.
  Options.Progress = [](int Done, int) { return Done < 2; };
  const TCheckResult Cut = CheckOutputFiles(Board, Files, Options);
  EXPECT_TRUE(Cut.CutShort);
  EXPECT_FALSE(Cut.Passed());
  ASSERT_EQ(Cut.Files.size(), Whole.Files.size());
  for (int I = 0; I < Total; ++I) {
    const TFileResult& F = Cut.Files[static_cast<std::size_t>(I)];
    EXPECT_EQ(F.Path, Whole.Files[static_cast<std::size_t>(I)].Path);
    EXPECT_EQ(F.Layer, Whole.Files[static_cast<std::size_t>(I)].Layer);
    EXPECT_EQ(F.Status, I < 2 ? TFileStatus::Missing : TFileStatus::Cancelled) << F.Path;
  }
  EXPECT_STREQ(FileStatusName(TFileStatus::Cancelled), "cancelled");

  // Side by side, a stop still leaves every file either checked or cancelled.
  Options.Jobs = 3;
  Options.Progress = [](int Done, int) { return Done < 1; };
  const TCheckResult Parallel = CheckOutputFiles(Board, Files, Options);
  EXPECT_TRUE(Parallel.CutShort);
  for (const TFileResult& F : Parallel.Files)
    EXPECT_TRUE(F.Status == TFileStatus::Missing || F.Status == TFileStatus::Cancelled) << F.Path;
}

// The reader's picture of a known square lies on the pixels this side draws.
TEST(CheckReader, PicturesLineUpWithTheReader) {
  if (!ReaderAvailable()) GTEST_SKIP() << "gerbv is not installed";
  const std::string Dir = std::filesystem::temp_directory_path() / "quillon-check-test";
  std::filesystem::create_directories(Dir);
  const std::string File = Dir + "/square.gbr";
  std::ofstream(File) << "%FSLAX46Y46*%\n%MOMM*%\n%ADD10C,0.500000*%\n%LPD*%\nG36*\n"
                         "X1000000Y1000000D02*\nG01X3000000Y1000000D01*\nX3000000Y2000000D01*\n"
                         "X1000000Y2000000D01*\nX1000000Y1000000D01*\nG37*\n"
                         "D10*\nX4000000Y3000000D03*\nM02*\n";
  for (const int Dpi : {254, 1000, 333}) {
    TWindow V = Window(0, 0, Dpi);
    V.Left = -0.254;
    V.Bottom = -0.508;
    V.Width = static_cast<int>(6 * V.PxPerMm);
    V.Height = static_cast<int>(5 * V.PxPerMm);
    TReadBack Back = ReadBack(File, V, Dpi, 30, Dir);
    ASSERT_EQ(Back.Status, TReadBack::Read) << Back.Message;
    ASSERT_EQ(Back.Picture.Width, V.Width);
    ASSERT_EQ(Back.Picture.Height, V.Height);
    TRaster Expected(V.Width, V.Height), Ignore(V.Width, V.Height);
    TRasterPainter P(Expected, V);
    P.Polygon(std::vector<preview::TPointMm>{{1, 1}, {3, 1}, {3, 2}, {1, 2}});
    P.Circle({4, 3}, 0.25);
    const TComparison C = ComparePictures(Expected, Back.Picture, Ignore);
    EXPECT_EQ(C.Pixels, 0) << Dpi << " dpi";
  }
  std::ofstream(File) << "nothing a reader knows\n";
  const TReadBack Bad = ReadBack(File, Window(10, 10), 254, 30, Dir);
  EXPECT_EQ(Bad.Status, TReadBack::Unreadable);
  EXPECT_NE(Bad.Message, "");
  std::filesystem::remove_all(Dir);
}

// A reader that hangs is stopped at the time limit, one that talks much does
// not stall, one that is not there is reported: none of them stops the check.
TEST(CheckReader, AHangingOrTalkativeReaderIsStopped) {
  const std::string Dir = std::filesystem::temp_directory_path() / "quillon-check-readers";
  std::filesystem::create_directories(Dir);
  auto Script = [&](const std::string& Name, const std::string& Body) {
    const std::string Path = Dir + "/" + Name;
    std::ofstream(Path) << "#!/bin/sh\n" << Body << "\n";
    std::filesystem::permissions(Path, std::filesystem::perms::owner_all);
    return Path;
  };
  const std::string Hangs = Script("hangs", "sleep 30");
  const std::string Talks = Script("talks", "yes 'CRITICAL **: no' | head -c 3000000; exit 1");
  const auto Start = std::chrono::steady_clock::now();
  const TReadBack Hung = ReadBack(Dir + "/any.gbr", Window(10, 10), 254, 0.5, Dir, Hangs);
  EXPECT_EQ(Hung.Status, TReadBack::TimedOut);
  EXPECT_LT(std::chrono::duration<double>(std::chrono::steady_clock::now() - Start).count(), 10);
  const TReadBack Talked = ReadBack(Dir + "/any.gbr", Window(10, 10), 254, 30, Dir, Talks);
  EXPECT_EQ(Talked.Status, TReadBack::Unreadable);
  EXPECT_NE(Talked.Message.find("no"), std::string::npos);
  const TReadBack Absent =
      ReadBack(Dir + "/any.gbr", Window(10, 10), 254, 30, Dir, Dir + "/none");
  EXPECT_EQ(Absent.Status, TReadBack::Unreadable);
  std::filesystem::remove_all(Dir);
}

// A macro read layer by layer is one file in the summary: it matches only
// when every layer does, and its worst layer names its status.
TEST(CheckReport, CountsAMacrosLayersAsOneFile) {
  TCheckResult Result;
  auto Add = [&](const char* Path, const char* Role, int Layer, TFileStatus Status) {
    TFileResult F;
    F.Path = Path;
    F.Role = Role;
    F.Layer = Layer;
    F.Status = Status;
    F.Message = Status == TFileStatus::Passed ? "" : "layer " + std::to_string(Layer);
    Result.Files.push_back(F);
  };
  Add("demo.GTL", "layer", 0, TFileStatus::Passed);
  Add("demo.scr", "main", 0, TFileStatus::Passed);
  Add("demo.scr", "main", 1, TFileStatus::Differs);
  Add("demo.scr", "main", 2, TFileStatus::Unreadable);
  Add("demo.drl", "drill", -1, TFileStatus::Passed);
  const std::vector<TFileVerdict> V = VerdictsByFile(Result);
  ASSERT_EQ(V.size(), 3u);
  EXPECT_EQ(V[1].Path, "demo.scr");
  EXPECT_EQ(V[1].Layer, -1);
  EXPECT_EQ(V[1].Status, TFileStatus::Unreadable);
  EXPECT_EQ(V[1].Message, "layer 1\nlayer 2");
  std::ostringstream Out;
  PrintCheckSummary(Out, Result);
  EXPECT_NE(Out.str().find("Check: 2 of 3 files match"), std::string::npos) << Out.str();
}

}  // namespace
}  // namespace quillon::check
