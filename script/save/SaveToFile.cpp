// SPDX-License-Identifier: MIT
#include <stdexcept>

#include "save/AtomicFile.h"
#include "script/ScriptPcb.h"
#include "script/fab/FabZip.h"
#include "script/save/OutputCollisions.h"

namespace quillon {

namespace {

// Only the single file of a CAM350 or Genesis conversion may go to a device or
// a pipe: Gerber files are written beside it, in its folder.
bool MayStream(const TOutputFile& File, const std::vector<TOutputFile>& Files) {
  return File.Role == TOutputRole::Main && Files.size() == 1;
}

std::string BaseNameOf(const std::string& Path) {
  const std::size_t Slash = Path.rfind('/');
  return Slash == std::string::npos ? Path : Path.substr(Slash + 1);
}

// Every file of the package but the main output, at the archive's root.
void WriteZip(const std::vector<TOutputFile>& Files, const std::string& ZipPath,
              TFolderSync& Folders) {
  std::vector<fab::TZipEntry> Entries;
  for (const TOutputFile& File : Files)
    if (File.Role != TOutputRole::Main)
      Entries.push_back({BaseNameOf(File.Path), File.Lines->Join()});
  std::string Bytes;
  try {
    Bytes = fab::ZipArchive(Entries);
  } catch (const std::runtime_error& E) {
    throw TSaveError(ZipPath, E.what());
  }
  TAtomicFile Zip(ZipPath);
  Zip.Write(Bytes.data(), Bytes.size());
  Zip.Commit(Folders);
}

}  // namespace

void TScriptingPcb::CheckOutputFiles(const std::vector<TOutputFile>& Files) const {
  if (const auto Collision = FindOutputCollision(Files, Layers))
    throw TOutputCollision(Files.front().Path, *Collision);
  for (const TOutputFile& File : Files) {
    RefuseInputAsOutput(File.Path, InputFiles);
    ResolveOutputTarget(File.Path, MayStream(File, Files));
  }
}

void TScriptingPcb::SaveToFile(const std::string& FileName) {
  PrepareSave(FileName);
  const std::vector<TOutputFile> Files = OutputFiles(FileName);
  const bool Zip = !ZipPath.empty() && FabPackageMade;
  // The archive is checked as one more file of the save: nothing is written
  // when any name would be refused.
  std::vector<TOutputFile> Checked = Files;
  if (Zip) Checked.push_back({ZipPath, TOutputRole::Zip});
  CheckOutputFiles(Checked);
  std::string Chunk;
  TFolderSync Folders;  // each folder flushed once, after the last rename
  for (const TOutputFile& File : Files)
    WriteLinesAtomically(*File.Lines, File.Path, File.LineEnd, MayStream(File, Files), Chunk,
                         Folders);
  if (Zip) WriteZip(Files, ZipPath, Folders);
  Folders.Sync();
}

}  // namespace quillon
