// SPDX-License-Identifier: MIT
// Writes the seed corpora of the fuzz harnesses, so that each run starts from
// inputs that already reach every record kind, every polygon piece, both
// pin layouts and every writer instead of rediscovering the signature:
//   load/     plot files: the demo board and small boards of every kind
//   parse/    a choice byte (layout, units) and a pin description
//   convert/  FuzzConvert's input: 8 choice bytes, the pin text's length as
//             two bytes (low first), the pin text, the plot file
//
// Usage: MakeFuzzCorpus SOURCE_DIR CORPUS_DIR
// Every file is written anew; keep the whole corpus small (well under 1 MB).

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <stdexcept>
#include <string>
#include <vector>

#include "PlotBuilder.h"

namespace {

namespace fs = std::filesystem;
using quillon::test::PlotBuilder;
using quillon::test::PlotPolygon;

std::string ReadAll(const fs::path& File) {
  std::ifstream In(File, std::ios::binary);
  if (!In) throw std::runtime_error("cannot read " + File.string());
  return {std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
}

void WriteAll(const fs::path& File, const std::string& Bytes) {
  std::ofstream Out(File, std::ios::binary | std::ios::trunc);
  Out.write(Bytes.data(), static_cast<std::streamsize>(Bytes.size()));
  if (!Out) throw std::runtime_error("cannot write " + File.string());
}

// ------------------------------------------------------------ plot files

PlotBuilder SmallExample() {
  PlotBuilder P;
  P.Header(4, {0, 0, 10000, 10000}, 1000).Layers({{"TOP", 1}}).SelectLayer(1);
  P.Line(100, 200, 300, 200, 10);
  return P;
}

PlotBuilder EveryRecord() {
  PlotBuilder P;
  P.Header(3, {0, 0, 5000, 4000}, 254).Layers({{"COMP", 1}, {"SOLDER", 2, 3}, {"PIN", 4}});
  P.Line(10, 20, 30, 40, 12).SelectLayer(2).Rectangle(-5, -6, 70, 80, 0, 9);
  P.FilledRectangle(1, 2, 3, 4, 0x55AA).ArcByPoints({0, 0}, {10, 0}, {0, 10}, 8);
  P.ArcByAngles({100, 100}, 50, 0, 360, 4);
  P.ArcByAngles({-100, 100}, 50, 90, 270, 0, 0, PlotBuilder::TagArcByAnglesAlt);
  P.Text(5, 5, "ODD", {.Rotation = 90, .Size = 138});
  P.Text(6, 6, "EV", {.Rotation = 270, .Mirror = true, .Justification = 25});
  P.Text(7, 7, "");
  P.SelectLayer(9);  // no such layer: items stay on SOLDER
  P.Polygon({{{{0, 0}, {900, 0}, {900, 900}, {0, 0}}, {{100, 100}, {200, 100}, {100, 100}}},
             {{400, 400, 50}, {600, 600, 25}},
             7});
  P.SelectLayer(4).Flash(1, 500, -500, 1).Flash(2, 600, 600).Flash(7, -32768, 32767, 3);
  return P;
}

PlotBuilder PolygonPieces() {
  PlotBuilder P;
  P.Header().Layers({{"GND", 1}});
  // Only circles after the first point; a coordinate that looks like a tag as
  // the first point of an outline; an unexpected piece tag.
  P.BeginPolygon({5, 5}).Circle({0, 0, 100}).Circle({1, 1, -3}).EndPolygon();
  P.BeginPolygon({-32642, -32640}).Point({1, 2}).NextOutline({-32641, 0}).Point({3, 4});
  P.EndPolygon(0xFFFF);
  P.BeginPolygon({0, 0}).Point({10, 10}).Circle({1, 1, 1}).Word(0x1234).Word(0);
  P.Line(0, 0, 1, 1, 0);
  return P;
}

PlotBuilder UnknownTags() {
  PlotBuilder P;
  P.Header(9).Layers({{"A", 1}});
  for (std::uint16_t W : {0x0000, 0xFFFF, 0x80A1, 0x8096, 0x807B}) P.Word(W);
  P.Flash(3, 1, 1).Byte(0x11).Line(1, 1, 2, 2, 1);
  return P.Byte(0xA8);  // one trailing byte
}

PlotBuilder OddLayerNames() {
  PlotBuilder P;
  P.Header(2);
  P.Layers({{"../x", 1},
            {"a/b\\c", 2},
            {std::string("\x01\x7F\xE4", 3), 3},
            {"..", 4},
            {"TOOLNG", 5},
            {"", 6}});
  for (int L = 1; L <= 6; ++L) P.SelectLayer(L).Line(L, L, 10 * L, 10 * L, L).Flash(L, L, -L);
  return P;
}

PlotBuilder Extremes() {
  PlotBuilder P;
  P.Header(4, {65535, 65535, 0, 0}, 65535).Layers({{"EXT", 255, 255}});
  P.SelectLayer(255).Line(-32768, -32768, 32767, 32767, 255);
  P.ArcByAngles({32767, -32768}, 65535, 65535, 45, 255);
  P.Text(-32768, 32767, std::string(40, '\xFF'), {.Size = 32895, .Justification = 255});
  P.Flash(255, 32767, 32767, 255);
  return P;
}

PlotBuilder StoppingErrors() {
  PlotBuilder P;  // a non-zero word where a polygon demands 0
  P.Header().Layers({{"TOP", 1}}).Line(1, 2, 3, 4, 5);
  P.BeginPolygon({0, 0}).Point({1, 1}).NextOutline({2, 2}, 7);
  return P;
}

std::string ZeroLayers() {
  PlotBuilder P;
  P.Header().LayerCount(0);
  return P.Str();
}

std::string BadSignature() {
  return std::string("\x4E\x81\x04\x00", 4) + SmallExample().Str().substr(4);
}

// ------------------------------------------------------- pin descriptions

const char* const SpecLines =
    "1  0.9  1.6\n"
    "1,2;3   0,9   1,6   1,6\r\n"
    "4  0.9  1.6  2\r"
    "7  1.5  0.8  1\n"
    "9  1.0 rect\n"
    "12 \xEA\xE2\xE0\xE4 1.2 1.8\n"
    "5 1.2 1.8\n"
    "3  1.2.5  1.8\n"
    "Pin# Hole Aper\n"
    "\t8\td=0,5\tD=1,2\n"
    "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15  0.3  0.6\n"
    "2147483647  1  2\n"
    "1,,3;  0  0  0\n";

std::string ChoiceByte(bool AperHole, int ApertureUnit, int HoleUnit) {
  return std::string(1,
                     static_cast<char>((AperHole ? 1 : 0) | (ApertureUnit << 1) | (HoleUnit << 4)));
}

// ----------------------------------------------------------- conversions

// Choice bytes of FuzzConvert: answer seed and factor, layout and units
// (their bits joined also give the item switches), then the five layers.
std::string ConvertInput(std::uint8_t Answers, std::uint8_t C1, std::uint8_t C2,
                         const std::vector<std::uint8_t>& Roles, const std::string& Pins,
                         const std::string& Plot) {
  std::string S;
  S += static_cast<char>(Answers);
  S += static_cast<char>(C1);
  S += static_cast<char>(C2);
  for (std::uint8_t R : Roles) S += static_cast<char>(R);
  S += static_cast<char>(Pins.size() & 0xFF);
  S += static_cast<char>(Pins.size() >> 8);
  return S + Pins + Plot;
}

void WriteCorpus(const fs::path& Source, const fs::path& Out) {
  const fs::path Load = Out / "load", Parse = Out / "parse", Convert = Out / "convert";
  for (const fs::path& Dir : {Load, Parse, Convert}) fs::create_directories(Dir);

  const std::string Demo = ReadAll(Source / "examples/demo.plt");
  const std::string DemoPins = ReadAll(Source / "examples/demo-pins.txt");

  WriteAll(Load / "demo.plt", Demo);
  WriteAll(Load / "small-example.plt", SmallExample().Str());
  WriteAll(Load / "every-record.plt", EveryRecord().Str());
  WriteAll(Load / "polygon-pieces.plt", PolygonPieces().Str());
  WriteAll(Load / "unknown-tags.plt", UnknownTags().Str());
  WriteAll(Load / "odd-layer-names.plt", OddLayerNames().Str());
  WriteAll(Load / "extremes.plt", Extremes().Str());
  WriteAll(Load / "stopping-error.plt", StoppingErrors().Str());
  WriteAll(Load / "zero-layers.plt", ZeroLayers());
  WriteAll(Load / "bad-signature.plt", BadSignature());
  WriteAll(Load / "demo-cut.plt", Demo.substr(0, Demo.size() / 2 + 1));

  WriteAll(Parse / "demo-hole-aper", ChoiceByte(false, 0, 0) + DemoPins);
  WriteAll(Parse / "demo-aper-hole-inch", ChoiceByte(true, 1, 5) + DemoPins);
  WriteAll(Parse / "grammar-cases", ChoiceByte(false, 4, 3) + SpecLines);
  WriteAll(Parse / "grammar-cases-aper-hole", ChoiceByte(true, 2, 0) + SpecLines);

  // Demo layers: COMP 0, SOLDER 1, SILK 2, PIN 3, MSKGTP 4, MSKGBT 5.
  const std::vector<std::uint8_t> DemoRoles = {0, 1, 4, 5, 3};
  // 0x78 | 0x84 switches every item on; both bytes leave the units at "MM".
  WriteAll(Convert / "demo-all", ConvertInput(1, 0x78, 0x84, DemoRoles, DemoPins, Demo));
  WriteAll(Convert / "demo-no-pins", ConvertInput(4, 0x48, 0x30, DemoRoles, "", Demo));
  WriteAll(Convert / "every-record",
           ConvertInput(2, 0x79, 0xA8, {2, 1, 0, 0, 2}, SpecLines, EveryRecord().Str()));
  WriteAll(Convert / "polygons",
           ConvertInput(3, 0x08, 0x80, {0, 0, 0, 0, 0}, "0  1  2\n", PolygonPieces().Str()));
  WriteAll(Convert / "odd-names",
           ConvertInput(5, 0xF8, 0x06, {0, 1, 2, 3, 4}, "0;1;2;3;4;5  0,4  0,8  2\n",
                        OddLayerNames().Str()));
  WriteAll(Convert / "extremes",
           ConvertInput(0, 0xF8, 0x80, {0, 0, 0, 0, 0}, "254  1e3  99999\n2147483646  0.1  0.2\n",
                        Extremes().Str()));
}

}  // namespace

int main(int Argc, char** Argv) {
  if (Argc != 3) {
    std::cerr << "usage: MakeFuzzCorpus SOURCE_DIR CORPUS_DIR\n";
    return 2;
  }
  try {
    WriteCorpus(Argv[1], Argv[2]);
    return 0;
  } catch (const std::exception& E) {
    std::cerr << "MakeFuzzCorpus: " << E.what() << '\n';
    return 1;
  }
}
