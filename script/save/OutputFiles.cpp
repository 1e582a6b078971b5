// SPDX-License-Identifier: MIT
#include "script/save/OutputFiles.h"

#include <stdexcept>
#include <utility>

#include "script/LayerRoles.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabJobFile.h"

namespace quillon {

namespace {

// The folder part of FileName with its final "/", or nothing.
std::string FolderOf(const std::string& FileName) {
  const std::size_t Slash = FileName.rfind('/');
  return Slash == std::string::npos ? std::string() : FileName.substr(0, Slash + 1);
}

// A layer name is whatever the plot file holds: a separator, a ".." or a
// control character in it must not move the file out of the chosen folder or
// give it a name nobody expects, so each becomes "_" here (only here: the
// "%LN" line keeps the name as read).
void AppendFileSafeName(std::string& Out, const std::string& Name) {
  for (std::size_t I = 0; I < Name.size(); ++I) {
    const unsigned char C = static_cast<unsigned char>(Name[I]);
    const bool InDots =
        C == '.' && ((I > 0 && Name[I - 1] == '.') || (I + 1 < Name.size() && Name[I + 1] == '.'));
    const bool Unsafe = C == '/' || C == '\\' || C < 0x20 || C == 0x7F || InDots;
    Out += Unsafe ? '_' : static_cast<char>(C);
  }
}

std::string LayerFileName(const TScriptingPcb& Board, const std::string& Folder, std::size_t I) {
  std::string Name = Folder + Board.LayerFilePrefix;
  // After a Gerber conversion the user may open a plot file with fewer
  // layers before saving: the layers beyond have no name any more.
  if (I < static_cast<std::size_t>(Board.Layers.Count())) {
    fmt::AppendInt(Name, static_cast<std::int64_t>(I));
    AppendFileSafeName(Name, Board.Layers.Items(static_cast<int>(I)).Name);
  } else {
    Name += "layer";
    fmt::AppendInt(Name, static_cast<std::int64_t>(I));
  }
  Name += ".gbr";
  return Name;
}

// The extension board houses recognise for a layer of Role; none for a
// role that has no such name.
std::string_view ProtelExtension(TLayerRole Role) {
  switch (Role) {
    case TLayerRole::PadTop:
      return ".GTL";
    case TLayerRole::PadBottom:
      return ".GBL";
    case TLayerRole::MaskTop:
      return ".GTS";
    case TLayerRole::MaskBottom:
      return ".GBS";
    case TLayerRole::SilkTop:
      return ".GTO";
    case TLayerRole::SilkBottom:
      return ".GBO";
    case TLayerRole::Outline:
      return ".GKO";
    default:
      return {};
  }
}

// <stem>.GTL and the like for a layer with a recognised role, else
// <stem>-<layer name>.gbr.
std::string ProtelLayerFileName(const TScriptingPcb& Board, const std::string& Stem,
                                std::size_t I) {
  const std::string_view Extension = ProtelExtension(FabRoleOf(Board, static_cast<int>(I)));
  if (!Extension.empty()) return Stem + std::string(Extension);
  std::string Name = Stem + "-";
  if (I < static_cast<std::size_t>(Board.Layers.Count()) &&
      !Board.Layers.Items(static_cast<int>(I)).Name.empty())
    AppendFileSafeName(Name, Board.Layers.Items(static_cast<int>(I)).Name);
  else
    Name += "layer" + std::to_string(I);
  return Name + ".gbr";
}

std::string BaseNameOf(const std::string& Path) {
  const std::size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

}  // namespace

std::string StemOf(const std::string& FileName) {
  const std::size_t NameStart =
      FileName.rfind('/') == std::string::npos ? 0 : FileName.rfind('/') + 1;
  const std::size_t Dot = FileName.rfind('.');
  const bool HasExtension = Dot != std::string::npos && Dot > NameStart;
  return FileName.substr(0, HasExtension ? Dot : FileName.size());
}

const char* OutputRoleName(TOutputRole Role) {
  switch (Role) {
    case TOutputRole::Main:
      return "main";
    case TOutputRole::Layer:
      return "layer";
    case TOutputRole::Drill:
      return "drill";
    case TOutputRole::NonPlatedDrill:
      return "npth-drill";
    case TOutputRole::Outline:
      return "outline";
    case TOutputRole::Job:
      return "job";
    case TOutputRole::Zip:
      return "zip";
  }
  return "main";
}

std::string DrillFileName(const std::string& FileName) {
  std::string Name = StemOf(FileName) + ".drl";
  // A main file that is itself named ".drl" must not be replaced by the drill file.
  if (Name == FileName) Name += ".drl";
  return Name;
}

namespace {

// The files a save to FileName writes beside the main output and the job file.
void AddPackageFiles(const TScriptingPcb& Board, const std::string& FileName,
                     std::vector<TOutputFile>& Files) {
  const std::string Folder = FolderOf(FileName);
  const std::string Stem = StemOf(FileName);
  const bool Protel = Board.FabPackageMade && Board.FabNames == TFabNames::Protel;
  for (std::size_t I = 0; I < Board.LayerOutputs.size(); ++I)
    Files.push_back({Protel ? ProtelLayerFileName(Board, Stem, I) : LayerFileName(Board, Folder, I),
                     TOutputRole::Layer, static_cast<int>(I), &Board.LayerOutputs[I]});
  if (!Board.OutlineOutput.Empty())
    Files.push_back({Stem + (Protel ? ".GKO" : "-outline.gbr"), TOutputRole::Outline, -1,
                     &Board.OutlineOutput});
  if (!Board.DrillOutput.Empty())
    Files.push_back({Protel ? Stem + "-PTH.drl" : DrillFileName(FileName), TOutputRole::Drill, -1,
                     &Board.DrillOutput});
  if (!Board.NonPlatedDrillOutput.Empty())
    Files.push_back(
        {Stem + "-NPTH.drl", TOutputRole::NonPlatedDrill, -1, &Board.NonPlatedDrillOutput});
}

// The entries of the job file of a save to FileName: each file as seen from
// the job file's folder, with its function.
std::vector<fab::TJobEntry> JobEntries(const TScriptingPcb& Board, const std::string& FileName) {
  std::vector<TOutputFile> Files;
  AddPackageFiles(Board, FileName, Files);
  std::vector<fab::TJobEntry> Entries;
  Entries.reserve(Files.size());
  for (const TOutputFile& File : Files)
    Entries.push_back({BaseNameOf(File.Path), fab::X2FunctionOf(Board, File)});
  return Entries;
}

// What the job file's text follows from besides the conversion: the entries,
// the project and the date.
std::string JobKey(const TScriptingPcb& Board, const std::vector<fab::TJobEntry>& Entries) {
  std::string Key = Board.ProjectName + '\n' + Board.CreationDate + '\n';
  for (const fab::TJobEntry& Entry : Entries) Key += Entry.Path + '\t' + Entry.FileFunction + '\n';
  return Key;
}

}  // namespace

void TScriptingPcb::PrepareSave(const std::string& FileName) {
  if (!FabPackageMade) return;
  const std::vector<fab::TJobEntry> Entries = JobEntries(*this, FileName);
  std::string Key = JobKey(*this, Entries);
  if (JobOutputBuilds > 0 && Key == JobOutputKey) return;
  fab::WriteJobFile(*this, Entries, JobOutput);
  JobOutputKey = std::move(Key);
  ++JobOutputBuilds;
}

std::vector<TOutputFile> TScriptingPcb::OutputFiles(const std::string& FileName) const {
  std::vector<TOutputFile> Files;
  Files.reserve(LayerOutputs.size() + 5);
  Files.push_back({FileName, TOutputRole::Main, -1, &Output, MainLineEnd});
  AddPackageFiles(*this, FileName, Files);
  if (FabPackageMade) {
    if (JobOutputBuilds == 0 || JobKey(*this, JobEntries(*this, FileName)) != JobOutputKey)
      throw std::logic_error("the job file was not prepared for a save to " + FileName);
    Files.push_back({StemOf(FileName) + ".gbrjob", TOutputRole::Job, -1, &JobOutput});
  }
  return Files;
}

}  // namespace quillon
