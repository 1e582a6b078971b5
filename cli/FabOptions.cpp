// SPDX-License-Identifier: MIT
#include "cli/FabOptions.h"

#include <CLI/CLI.hpp>
#include <filesystem>
#include <iostream>
#include <variant>

#include "cli/LayerChoice.h"
#include "script/LayerRoles.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabProvenance.h"
#include "text/AsciiCase.h"

namespace quillon::cli {

void AddFabOptions(CLI::App& Sub, TFabArgs& Args) {
  Sub.add_option("--silk-top", Args.SilkTop,
                 "With the fab profile: top silkscreen layer, or none (default: the last named "
                 "SILK, SILKTOP, TOPSILK or LEGEND)");
  Sub.add_option("--silk-bottom", Args.SilkBottom,
                 "With the fab profile: bottom silkscreen layer, or none (default: the last "
                 "named SILKBOT, SILKBOTTOM or BOTSILK)");
  Sub.add_option("--outline", Args.Outline,
                 "With the fab profile: board outline layer, or none (default: the last named "
                 "BOARD, OUTLINE, BRD or PROFILE)");
  Sub.add_flag("--outline-from-extents", Args.OutlineFromExtents,
               "With the fab profile: an outline file with the rectangle of the plot's header "
               "extents (a guess to check) instead of an outline layer");
  Sub.add_option("--fab-names", Args.Names,
                 "With the fab profile: protel (default: <base>.GTL, .GBL, .GTS, .GBS, .GTO, "
                 ".GBO, .GKO, <base>-<layer>.gbr, <base>-PTH.drl, <base>-NPTH.drl) or indexed "
                 "(<index><layer>.gbr, as the legacy files)")
      ->check(CLI::IsMember({"protel", "indexed"}, CLI::ignore_case));
  Sub.add_option("--zip", Args.Zip,
                 "With the fab profile: also every file of the package (all but the text "
                 "macro) at the root of this zip archive");
}

std::string CheckFabOptions(const TFabArgs& Args, bool FabProfile) {
  if (FabProfile) return {};
  const struct {
    bool Given;
    const char* Option;
  } Options[] = {
      {Args.SilkTop.has_value(), "--silk-top"}, {Args.SilkBottom.has_value(), "--silk-bottom"},
      {Args.Outline.has_value(), "--outline"},  {Args.OutlineFromExtents, "--outline-from-extents"},
      {Args.Names.has_value(), "--fab-names"},  {!Args.Zip.empty(), "--zip"}};
  for (const auto& O : Options)
    if (O.Given) return std::string(O.Option) + " needs --gerber-profile fab";
  return {};
}

namespace {

std::string ChoosePackageRole(const std::optional<std::string>& Value, const char* Option,
                              TLayerRole Role, std::optional<std::uint8_t>& Field,
                              const TLayers& Layers) {
  Field.reset();
  if (!Value) {
    // A role is stored as a byte: only the first 256 layers can take one.
    if (const auto L = PreselectLayer(Layers, Role, 255)) Field = static_cast<std::uint8_t>(*L);
    return {};
  }
  if (LowerAscii(*Value) == "none") return {};
  const auto Resolved = ResolveLayer(Layers, *Value);
  if (const auto* Error = std::get_if<std::string>(&Resolved))
    return std::string(Option) + ": " + *Error;
  Field = std::get<std::uint8_t>(Resolved);
  return {};
}

}  // namespace

std::string ApplyFabOptions(const TFabArgs& Args, const std::string& Plot, TScriptingPcb& Pcb) {
  const struct {
    const std::optional<std::string>& Value;
    const char* Option;
    TLayerRole Role;
    std::optional<std::uint8_t>& Field;
  } Choices[] = {{Args.SilkTop, "--silk-top", TLayerRole::SilkTop, Pcb.SilkTopLayer},
                 {Args.SilkBottom, "--silk-bottom", TLayerRole::SilkBottom, Pcb.SilkBottomLayer},
                 {Args.Outline, "--outline", TLayerRole::Outline, Pcb.OutlineLayer}};
  for (const auto& C : Choices)
    if (std::string Error = ChoosePackageRole(C.Value, C.Option, C.Role, C.Field, Pcb.Layers);
        !Error.empty())
      return Error;
  Pcb.OutlineFromExtents = Args.OutlineFromExtents;
  Pcb.FabNames =
      Args.Names && LowerAscii(*Args.Names) == "indexed" ? TFabNames::Indexed : TFabNames::Protel;
  Pcb.ZipPath = Args.Zip;
  Pcb.ProjectName = std::filesystem::path(Plot).stem().string();
  Pcb.CreationDate = fab::CreationDateNow();
  return {};
}

void PrintZipSummary(const std::string& ZipPath) {
  std::error_code Error;
  const auto Bytes = std::filesystem::file_size(ZipPath, Error);
  if (!Error) std::cerr << "quillon-cli: wrote " << ZipPath << ": " << Bytes << " bytes\n";
}

}  // namespace quillon::cli
