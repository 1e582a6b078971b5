// SPDX-License-Identifier: MIT
#include "app/FabZipSave.h"

#include <stdexcept>
#include <vector>

#include "save/AtomicFile.h"
#include "script/save/OutputCollisions.h"
#include "script/save/OutputFiles.h"
#include "save/OutputTarget.h"
#include "save/SaveError.h"
#include "script/fab/FabZip.h"

namespace quillon::app {

namespace {

std::string BaseNameOf(const std::string& Path) {
  const std::size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

}  // namespace

bool IsZipName(const QString& FileName) {
  return FileName.endsWith(QStringLiteral(".zip"), Qt::CaseInsensitive);
}

void SaveFabPackageZip(TScriptingPcb& Board, const std::string& ZipPath) {
  // Named as a save of "<archive's base name>.gbr" beside it would name them.
  Board.PrepareSave(StemOf(ZipPath) + ".gbr");
  std::vector<TOutputFile> Files = Board.OutputFiles(StemOf(ZipPath) + ".gbr");
  Files.erase(Files.begin());  // the text macro is no file of the package
  if (const auto Collision = FindOutputCollision(Files, Board.Layers))
    throw TOutputCollision(ZipPath, *Collision);
  // The archive replaces a file whole: never the plot or the description.
  RefuseInputAsOutput(ZipPath, Board.InputFiles);
  std::vector<fab::TZipEntry> Entries;
  Entries.reserve(Files.size());
  for (const TOutputFile& File : Files)
    Entries.push_back({BaseNameOf(File.Path), File.Lines->Join(File.LineEnd)});
  std::string Bytes;
  try {
    Bytes = fab::ZipArchive(Entries);
  } catch (const std::runtime_error& E) {
    throw TSaveError(ZipPath, E.what());
  }
  SaveFileAtomically(ZipPath, Bytes);
}

}  // namespace quillon::app
