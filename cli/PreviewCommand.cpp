// SPDX-License-Identifier: MIT
#include <CLI/CLI.hpp>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cmath>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <memory>

#include "cli/Commands.h"
#include "cli/ConsolePrompts.h"
#include "cli/PinOptions.h"
#include "cli/PlotLoading.h"
#include "preview/LayerSelection.h"
#include "preview/SvgWriter.h"
#include "save/AtomicFile.h"
#include "script/ScriptPcb.h"
#include "text/NumberFormat.h"
#include "text/Units.h"
#ifdef QUILLON_HAVE_SVG_RASTER
#include "cli/raster/BoardRaster.h"
#endif

namespace quillon::cli {

namespace {

struct TPreviewOptions {
  std::string Plot;
  std::string Output;
  TPinOptions Pins;
  std::string Dbu = "inch";
  std::string Layers;
  bool Png = false;
  int Dpi = 150;
};

// Largest image side and area that --png will allocate.
constexpr double MaxPngSide = 20000;
constexpr double MaxPngPixels = 200e6;
int Fail(const std::string& Message) {
  std::cerr << "quillon-cli: " << Message << "\n";
  return ExitFailure;
}

std::string Mm(double V) { return fmt::Fixed(V, 2); }
std::string Count(std::size_t N, const char* Noun) {
  return fmt::Int(static_cast<std::int64_t>(N)) + " " + Noun + (N == 1 ? "" : "s");
}

int WritePng(const TPcb& Board, const preview::TSvgOptions& Svg, const preview::TBoxMm& View,
             const TPreviewOptions& Opt) {
  const std::string PngPath = std::filesystem::path(Opt.Output).replace_extension(".png").string();
#ifdef QUILLON_HAVE_SVG_RASTER
  // Rounded, not raised: 12.1 mm at 254 dpi is 121 pixels, not 121.0000001.
  const double W = std::max(1.0, std::round(View.Width() / 25.4 * Opt.Dpi));
  const double H = std::max(1.0, std::round(View.Height() / 25.4 * Opt.Dpi));
  if (W > MaxPngSide || H > MaxPngSide || W * H > MaxPngPixels)
    return Fail("a PNG of " + fmt::Fixed(W, 0) + " x " + fmt::Fixed(H, 0) +
                " pixels is too large; choose a lower --dpi");
  std::string Png;
  const std::string Error =
      RasterizeBoardToPng(Board, Svg, View, static_cast<int>(W), static_cast<int>(H), Png);
  if (!Error.empty()) return Fail(PngPath + ": " + Error);
  try {
    SaveFileAtomically(PngPath, Png);
  } catch (const TSaveError& E) {
    return Fail(E.what());
  }
  std::cout << "Wrote " << PngPath << ": " << fmt::Int(static_cast<std::int64_t>(W)) << " x "
            << fmt::Int(static_cast<std::int64_t>(H)) << " pixels at " << fmt::Int(Opt.Dpi)
            << " dpi\n";
#else
  (void)Board, (void)Svg, (void)View;
  std::cerr << "quillon-cli: this build has no Qt SVG to render " << PngPath
            << "; wrote the SVG only\n";
#endif
  return ExitOk;
}

int RunPreview(const TPreviewOptions& Opt) {
  const double Dbu = ParseDbuFactor(Opt.Dbu).value_or(DefaultDbuFactor);  // checked already
  TScriptingPcb Board;
  TConsolePrompts Prompts;
  Board.SetPrompts(&Prompts);
  if (!LoadPlotFile(Board, Opt.Plot)) return ExitFailure;

  preview::TSvgOptions Svg;
  Svg.Render.Scale = Dbu;
  if (!Opt.Pins.File.empty()) {
    try {
      LoadPins(Opt.Pins, Board.Pins);
    } catch (const std::exception& E) {
      return Fail(E.what());
    }
    Svg.Render.Pins = &Board.Pins;
  }
  std::string Error;
  if (!Opt.Layers.empty() && !preview::SelectLayers(Board, Opt.Layers, Svg.Layers, Error)) {
    std::cerr << "quillon-cli: --layers: " << Error << "\n";
    return ExitUsage;
  }

  preview::TSvgPicture Picture = preview::WriteSvg(Board, Svg);
  try {
    SaveFileAtomically(Opt.Output, Picture.Text);
  } catch (const TSaveError& E) {
    return Fail(E.what());
  }
  const std::size_t LayerCount =
      Svg.Layers.empty() ? static_cast<std::size_t>(Board.Layers.Count()) : Svg.Layers.size();
  std::cout << "Wrote " << Opt.Output << ": " << Count(LayerCount, "layer") << ", "
            << Count(Picture.Items, "item") << ", " << Mm(Picture.View.Width()) << " x "
            << Mm(Picture.View.Height()) << " mm\n";
  if (Picture.UndefinedPins > 0)
    std::cerr << "quillon-cli: warning: "
              << fmt::Int(static_cast<std::int64_t>(Picture.UndefinedPins))
              << (Picture.UndefinedPins == 1 ? " flash has" : " flashes have")
              << " no pin description row: marked with a magenta cross\n";
  // The PNG is drawn from the board, not from the SVG document: its memory
  // follows the picture's size.
  std::string().swap(Picture.Text);
  return Opt.Png ? WritePng(Board, Svg, Picture.View, Opt) : ExitOk;
}

}  // namespace

TCommand AddPreviewCommand(CLI::App& App) {
  auto Opt = std::make_shared<TPreviewOptions>();
  CLI::App* Sub = App.add_subcommand(
      "preview", "Draw a plot file's layers as SVG (and PNG) to check it before converting");
  Sub->add_option("PLOT", Opt->Plot, "the plot file (.plt)")->required();
  Sub->add_option("-o,--output", Opt->Output, "the SVG file to write")->required();
  Sub->add_option("--pins", Opt->Pins.File, "the pin description file that gives the pads");
  AddPinOptions(*Sub, Opt->Pins);
  Sub->add_option("--dbu", Opt->Dbu,
                  "millimetres per database unit: mm (0.01), inch (0.0254, the default), "
                  "pinch (0.025) or a positive number up to 1000")
      ->default_str("inch")
      ->check(CLI::Validator(
          [](std::string& Text) {
            return ParseDbuFactor(Text) ? std::string()
                                        : "expected mm, inch, pinch or a number above 0 and "
                                          "at most 1000, not '" +
                                              Text + "'";
          },
          "mm|inch|pinch|NUMBER"));
  Sub->add_option("--layers", Opt->Layers,
                  "the layers to draw, by index or name, separated by commas, the last on top "
                  "(default: all, top copper above bottom copper)");
  CLI::Option* Png = Sub->add_flag("--png", Opt->Png, "also write a PNG beside the SVG");
  Sub->add_option("--dpi", Opt->Dpi, "PNG resolution in dots per inch (default 150)")
      ->check(CLI::Range(1, 4800))
      ->needs(Png);
  return {Sub, [Opt] {
            if (std::filesystem::path(Opt->Output).extension() == ".png" && Opt->Png) {
              std::cerr << "quillon-cli: -o names the SVG file; the PNG is written "
                           "beside it with the extension .png\n";
              return ExitUsage;
            }
            return RunPreview(*Opt);
          }};
}

}  // namespace quillon::cli
