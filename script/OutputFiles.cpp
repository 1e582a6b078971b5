#include "script/OutputFiles.h"

#include "script/ScriptPcb.h"

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

}  // namespace

const char* OutputRoleName(TOutputRole Role) {
  switch (Role) {
    case TOutputRole::Main:
      return "main";
    case TOutputRole::Layer:
      return "layer";
    case TOutputRole::Drill:
      return "drill";
  }
  return "main";
}

std::string DrillFileName(const std::string& FileName) {
  const std::size_t NameStart =
      FileName.rfind('/') == std::string::npos ? 0 : FileName.rfind('/') + 1;
  const std::size_t Dot = FileName.rfind('.');
  // A leading dot starts a name, not an extension.
  const bool HasExtension = Dot != std::string::npos && Dot > NameStart;
  std::string Name = FileName.substr(0, HasExtension ? Dot : FileName.size()) + ".drl";
  // A main file that is itself named ".drl" must not be replaced by the drill file.
  if (Name == FileName) Name += ".drl";
  return Name;
}

std::vector<TOutputFile> TScriptingPcb::OutputFiles(const std::string& FileName) const {
  std::vector<TOutputFile> Files;
  Files.reserve(LayerOutputs.size() + 2);
  Files.push_back({FileName, TOutputRole::Main, -1, &Output});
  const std::string Folder = FolderOf(FileName);
  for (std::size_t I = 0; I < LayerOutputs.size(); ++I)
    Files.push_back({LayerFileName(*this, Folder, I), TOutputRole::Layer, static_cast<int>(I),
                     &LayerOutputs[I]});
  if (!DrillOutput.Empty())
    Files.push_back({DrillFileName(FileName), TOutputRole::Drill, -1, &DrillOutput});
  return Files;
}

}  // namespace quillon
