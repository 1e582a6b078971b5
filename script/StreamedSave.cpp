#include "script/StreamedSave.h"

#include "script/AtomicFile.h"
#include "script/ScriptPcb.h"

namespace quillon {

// One file being written and the list that feeds it.
struct TStreamedSave::TStream final : TLineSink {
  explicit TStream(const TOutputFile& Planned) : Planned(Planned), File(Planned.Path) {}
  void Write(std::string_view Bytes) override { File.Write(Bytes.data(), Bytes.size()); }

  TOutputFile Planned;
  TAtomicFile File;
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

// A file whose lines stayed in memory, through the same chunked writing.
void WriteFromMemory(const TOutputFile& File) {
  struct TSink final : TLineSink {
    explicit TSink(const std::string& Name) : File(Name) {}
    void Write(std::string_view Bytes) override { File.Write(Bytes.data(), Bytes.size()); }
    TAtomicFile File;
  } Sink(File.Path);
  TTextLines Through;
  Through.StreamTo(&Sink);
  Through.AddAll(*File.Lines);
  Through.Flush();
  Sink.File.Commit();
}

}  // namespace

TStreamedSave::TStreamedSave(TScriptingPcb& Pcb, const std::string& FileName, std::uint8_t Format)
    : Pcb(Pcb), FileName(FileName) {
  // The lists Convert will fill, so that their files are known now; Convert
  // keeps lists that stream.
  Pcb.PrepareLayerOutputs(Format != fmtGerber);
  Pcb.Output.Clear();
  try {
    for (const TOutputFile& Planned : Pcb.OutputFiles(FileName)) {
      // A board of thousands of layers would need as many open files: past
      // the first ones, the lists stay in memory and are written at Commit.
      if (Streams.size() >= MaxOpenFiles) break;
      TTextLines* List = ListOf(Pcb, Planned);
      if (!List) continue;
      Streams.push_back(std::make_unique<TStream>(Planned));
      List->StreamTo(Streams.back().get());
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
  for (const TOutputFile& File : Pcb.OutputFiles(FileName)) {
    TStream* Streamed = nullptr;
    for (const auto& S : Streams)
      if (SameFile(S->Planned, File)) Streamed = S.get();
    if (Streamed)
      Streamed->File.Commit();
    else
      WriteFromMemory(File);
  }
}

}  // namespace quillon
