// SPDX-License-Identifier: MIT
#include "script/save/StreamedSave.h"

#include <stdexcept>

#include "save/AtomicFile.h"
#include "save/BackgroundWriter.h"
#include "save/OutputTarget.h"
#include "script/ScriptPcb.h"

namespace quillon {

// One file being written and the list that feeds it.
struct TStreamedSave::TStream final : TLineSink {
  TStream(const TOutputFile& Planned, TBackgroundWriter& Writer)
      : Planned(Planned), File(Planned.Path), Writer(Writer) {}
  void Take(TByteBuffer& Chunk) override { Writer.Write(File, Chunk); }

  TOutputFile Planned;
  TAtomicFile File;
  TBackgroundWriter& Writer;
};

namespace {

constexpr std::size_t MaxOpenFiles = 64;

// The list of the board that holds Planned's lines, or null for a kind of
// file that is written from memory.
TTextLines* ListOf(TScriptingPcb& Pcb, const TOutputFile& Planned) {
  switch (Planned.Role) {
    case TOutputRole::Main:
      return &Pcb.Output;
    case TOutputRole::Layer:
      if (Planned.Layer >= 0 && static_cast<std::size_t>(Planned.Layer) < Pcb.LayerOutputs.size())
        return &Pcb.LayerOutputs[static_cast<std::size_t>(Planned.Layer)];
      return nullptr;
    default:
      return nullptr;
  }
}

bool SameFile(const TOutputFile& A, const TOutputFile& B) {
  return A.Path == B.Path && A.Role == B.Role && A.Layer == B.Layer;
}

}  // namespace

bool TStreamedSave::Possible(const TScriptingPcb& Pcb, std::uint8_t Format,
                             const std::string& FileName) {
  if (Format == fmtGerber && Pcb.GerberProfile == TGerberProfile::Fab) return false;
  if (!Pcb.ZipPath.empty()) return false;
  try {
    return ResolveOutputTarget(FileName, true).Kind != TTargetKind::Stream;
  } catch (const TSaveError&) {
    return false;  // SaveToFile says why
  }
}

TStreamedSave::TStreamedSave(TScriptingPcb& Pcb, const std::string& FileName, std::uint8_t Format)
    : Pcb(Pcb), FileName(FileName) {
  // The lists Convert will fill, so that their files are known now; Convert
  // keeps lists that stream.
  Pcb.PrepareLayerOutputs(Format != fmtGerber);
  Pcb.Output.Clear();
  Pcb.MainLineEnd = Pcb.MainLineEndOf(Format);
  Pcb.PrepareSave(FileName);
  const std::vector<TOutputFile> PlannedFiles = Pcb.OutputFiles(FileName);
  Pcb.CheckOutputFiles(PlannedFiles);
  // Otherwise every file is written from memory at Commit.
  if (!Possible(Pcb, Format, FileName)) return;
  try {
    for (const TOutputFile& Planned : PlannedFiles) {
      // A board of thousands of layers would need as many open files: past
      // the first ones, the lists stay in memory and are written at Commit.
      if (Streams.size() >= MaxOpenFiles) break;
      TTextLines* List = ListOf(Pcb, Planned);
      if (!List) continue;
      if (!Writer) Writer = std::make_unique<TBackgroundWriter>();
      Streams.push_back(std::make_unique<TStream>(Planned, *Writer));
      List->StreamTo(Streams.back().get(), Planned.LineEnd);
    }
  } catch (...) {
    DetachAll();
    throw;
  }
}

TStreamedSave::~TStreamedSave() { DetachAll(); }

// The lists may have changed places during Convert (a layer is written in
// Output's place): every list of the board that streams is detached.
void TStreamedSave::DetachAll() {
  Pcb.Output.StreamTo(nullptr);
  for (TTextLines& List : Pcb.LayerOutputs) List.StreamTo(nullptr);
  Pcb.DrillOutput.StreamTo(nullptr);
}

void TStreamedSave::Commit() {
  Pcb.Output.Flush();
  for (TTextLines& List : Pcb.LayerOutputs) List.Flush();
  if (Writer) Writer->Finish();
  Pcb.PrepareSave(FileName);  // the job file of the conversion just made
  const std::vector<TOutputFile> Files = Pcb.OutputFiles(FileName);
  Pcb.CheckOutputFiles(Files);
  std::vector<TStream*> StreamOf(Files.size(), nullptr);
  for (std::size_t I = 0; I < Files.size(); ++I) {
    for (const auto& S : Streams)
      if (SameFile(S->Planned, Files[I])) StreamOf[I] = S.get();
    // A list that streamed holds no lines to write: it must be the one
    // that fed its planned file.
    if (!StreamOf[I] && Files[I].Lines->Streaming())
      throw std::logic_error("TStreamedSave: " + Files[I].Path +
                             " was streamed under another name");
  }
  std::string Chunk;    // one buffer for every file written from memory
  TFolderSync Folders;  // each folder flushed once, after the last rename
  for (std::size_t I = 0; I < Files.size(); ++I) {
    if (StreamOf[I])
      StreamOf[I]->File.Commit(Folders);
    else
      WriteLinesAtomically(*Files[I].Lines, Files[I].Path, Files[I].LineEnd, false, Chunk, Folders);
  }
  Folders.Sync();
}

}  // namespace quillon
