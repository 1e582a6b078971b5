// SPDX-License-Identifier: MIT
#include "script/fab/FabGerberBody.h"

namespace quillon::fab {

void TFabGerberBody::Select(std::int32_t DCode) {
  if (DCode == Aperture) return;
  Aperture = DCode;
  LineBuilder(Out) << 'D' << static_cast<std::int64_t>(DCode) << '*';
}

void TFabGerberBody::SetMode(TMode NewMode) {
  if (NewMode == Mode) return;
  Mode = NewMode;
  Out.Add(NewMode == TMode::Linear ? "G01*" : "G03*");
}

void TFabGerberBody::Reach(std::int64_t Value) {
  const std::int64_t Magnitude = Value < 0 ? -Value : Value;
  if (Magnitude > FarthestUnits) FarthestUnits = Magnitude;
}

void TFabGerberBody::Operation(TFabPoint P, const char* Code) {
  Reach(P.X);
  Reach(P.Y);
  // Built in place: a big board's texts make millions of these lines.
  LineBuilder(Out) << 'X' << P.X << 'Y' << P.Y << Code;
  Current = P;
}

void TFabGerberBody::Move(TFabPoint To) { Operation(To, "D02*"); }

void TFabGerberBody::Draw(TFabPoint To) {
  if (To == Current) return;
  SetMode(TMode::Linear);
  Operation(To, "D01*");
}

void TFabGerberBody::Arc(TFabPoint To, TFabPoint Center) {
  SetMode(TMode::CounterClockwise);
  const TFabPoint From = Current;
  Reach(To.X);
  Reach(To.Y);
  Reach(Center.X - From.X);
  Reach(Center.Y - From.Y);
  std::string& Line = Out.Open();
  AppendXY(Line, To);
  AppendAxis(Line, 'I', Center.X - From.X);
  AppendAxis(Line, 'J', Center.Y - From.Y);
  Line += "D01*";
  Out.Close();
  Current = To;
}

void TFabGerberBody::Flash(TFabPoint At) { Operation(At, "D03*"); }

// Some readers forget the interpolation mode at the start and the end of a
// region: the first draw inside and the first draw after it state theirs.
void TFabGerberBody::BeginRegion() {
  Out.Add("G36*");
  Mode = TMode::Unset;
}

void TFabGerberBody::EndRegion() {
  Out.Add("G37*");
  Mode = TMode::Unset;
}

void TFabGerberBody::SetClear(bool Clear) {
  if (Clear == ClearPolarity) return;
  ClearPolarity = Clear;
  Out.Add(Clear ? "%LPC*%" : "%LPD*%");
}

}  // namespace quillon::fab
