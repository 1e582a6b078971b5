// SPDX-License-Identifier: MIT
#pragma once
// A save that runs beside the conversion instead of after it: the files are
// opened (under temporary names) before Convert, the output lists hand their
// lines to them as they fill, and Commit renames each into place once the
// conversion is whole. Memory then no longer grows with the output. A
// conversion or save that stops half-way leaves no file under a real name:
// the temporary files go with this object.
//
//   TStreamedSave Save(Pcb, "board.scr", fmtCam350Macro);
//   Pcb.Convert(Options, fmtCam350Macro, Scale);
//   Save.Commit();

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace quillon {

class TBackgroundWriter;
class TScriptingPcb;

class TStreamedSave {
 public:
  // Whether a save of a Format conversion to FileName can stream: not for
  // the fab package (its names and job file follow from the conversion, its
  // zip needs every file whole) nor for a device or pipe (written whole, by
  // SaveToFile, only once the conversion has succeeded).
  static bool Possible(const TScriptingPcb& Pcb, std::uint8_t Format, const std::string& FileName);

  // Opens the files a save of a Format conversion to FileName writes, after
  // the checks SaveToFile makes (collisions, inputs, what each name is).
  // Throws TSaveError naming the file that is refused or cannot be created.
  TStreamedSave(TScriptingPcb& Pcb, const std::string& FileName, std::uint8_t Format);
  // Detaches the lists (they are left empty); uncommitted files are removed.
  ~TStreamedSave();
  TStreamedSave(const TStreamedSave&) = delete;
  TStreamedSave& operator=(const TStreamedSave&) = delete;

  // After Convert: every file of Pcb.OutputFiles(FileName) appears under its
  // name, in that order; a file that was not streamed (one the conversion
  // added) is written from the lines in memory. The whole list is checked
  // again first: a refused name leaves every file where it was. Until this
  // object goes, the lists still tell their line counts and sizes. Throws
  // TSaveError.
  void Commit();

 private:
  struct TStream;
  void DetachAll();

  TScriptingPcb& Pcb;
  std::string FileName;
  std::vector<std::unique_ptr<TStream>> Streams;
  // Writes the streams' chunks; after Streams, so that it stops before the
  // files it writes go.
  std::unique_ptr<TBackgroundWriter> Writer;
};

}  // namespace quillon
