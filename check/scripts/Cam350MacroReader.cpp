// SPDX-License-Identifier: MIT
#include "check/scripts/Cam350MacroReader.h"

#include <array>
#include <cmath>
#include <map>
#include <string>

#include "check/scripts/ScriptSyntax.h"

namespace quillon::check::scripts {

namespace {

struct TAperture {
  int Shape = 1;  // 1 round, 2 square
  double Size = 0;
};

// What a drawing step collects between its command and its back@.
enum class TStep : std::uint8_t {
  None, Line, Rectangle, Circle, Arc, Padstack, Pouring, Void, VoidCircle, Text
};

constexpr std::int64_t MaxNumber = 1'000'000'000;

class TCam350Reader {
 public:
  explicit TCam350Reader(TDrawnFile& F) : File(F), Log(F) {}

  bool Line(std::int64_t Number, std::string_view Text);
  void Finish(std::int64_t LastLine);

 private:
  using THandler = void (TCam350Reader::*)(std::string_view Args);
  static const std::map<std::string_view, THandler>& Commands();

  void Problem(std::string Message) { Log.Add(At, std::move(Message)); }
  bool Integer(std::string_view S, std::int64_t Min, std::int64_t Max, std::int64_t& V,
               const char* What);
  bool Point(std::string_view A, std::string_view B, TPointMm& P);
  bool Layer(std::int64_t L, const char* Command);
  void Add(int L, TDrawnItem Item);
  double PenWidth();
  void Open(TStep Kind, const char* Command);

  void SetUnit(std::string_view Args);
  void EditLayer(std::string_view Args);
  void EditAperture(std::string_view Args);
  void EditPadstack(std::string_view Args);
  void SetLayer(std::string_view Args);
  void PolyLayer(std::string_view Args);
  void SetDCode(std::string_view Args);
  void SetPadstack(std::string_view Args);
  void Axy(std::string_view Args);
  void Back(std::string_view Args);
  void End(std::string_view Args);
  void TextJust(std::string_view Args);
  void TextMirror(std::string_view Args);
  void TextAngle(std::string_view Args);
  void TextHeight(std::string_view Args);
  void AddText(std::string_view Args);
  void Nothing(std::string_view) {}
  void AddLine(std::string_view) { Open(TStep::Line, "add_line@"); }
  void AddRectangle(std::string_view) { Open(TStep::Rectangle, "add_rectangle@"); }
  void AddCircle(std::string_view) { Open(TStep::Circle, "add_circle@"); }
  void AddArc(std::string_view) { Open(TStep::Arc, "add_arc@"); }
  void AddPadstack(std::string_view) { Open(TStep::Padstack, "add_padstack@"); }
  void AddPouring(std::string_view) { Open(TStep::Pouring, "add_pouring@"); }
  void AddVoid(std::string_view) { Open(TStep::Void, "add_polyvoid@"); }
  void AddVoidCircle(std::string_view) { Open(TStep::VoidCircle, "add_polyvoid_cir@"); }
  void CloseStep();

  TDrawnFile& File;
  TProblemLog Log;
  std::int64_t At = 0;
  std::size_t ItemCount = 0;
  std::map<std::int64_t, TAperture> Apertures;
  std::map<std::int64_t, std::map<int, std::int64_t>> Padstacks;  // layer -> D-code
  int CurrentLayer = -1, PourLayer = -1;
  std::int64_t DCode = -1;
  TStep Step = TStep::None;
  std::int64_t StepLine = 0;
  std::vector<TPointMm> Points;
  std::int64_t PadstackNumber = 0;
  bool PadstackNamed = false;
  bool AwaitingEnd = false;
  int Justification = 4;
  bool Mirror = false;
  double Angle = 0, Height = 0;
};

const std::map<std::string_view, TCam350Reader::THandler>& TCam350Reader::Commands() {
  static const std::map<std::string_view, THandler> Table = {
      {"setunit@", &TCam350Reader::SetUnit},
      {"edit_layer@", &TCam350Reader::EditLayer},
      {"edit_aperture@", &TCam350Reader::EditAperture},
      {"update_dcodebar@", &TCam350Reader::Nothing},
      {"edit_padstack_dcode@", &TCam350Reader::EditPadstack},
      {"setlayer@", &TCam350Reader::SetLayer},
      {"polylayer@", &TCam350Reader::PolyLayer},
      {"setdcode@", &TCam350Reader::SetDCode},
      {"add_padstack@", &TCam350Reader::AddPadstack},
      {"setpadstack@", &TCam350Reader::SetPadstack},
      {"add_line@", &TCam350Reader::AddLine},
      {"add_rectangle@", &TCam350Reader::AddRectangle},
      {"add_circle@", &TCam350Reader::AddCircle},
      {"add_arc@", &TCam350Reader::AddArc},
      // The pouring's fill settings: a solid fill is all the check draws.
      {"polyfilldcode@", &TCam350Reader::Nothing},
      {"polyclearance@", &TCam350Reader::Nothing},
      {"polyfillpattern@", &TCam350Reader::Nothing},
      {"polyfillmethod@", &TCam350Reader::Nothing},
      {"polyaddtype@", &TCam350Reader::Nothing},
      {"add_pouring@", &TCam350Reader::AddPouring},
      {"layer_alloff@", &TCam350Reader::Nothing},
      {"add_polyvoid@", &TCam350Reader::AddVoid},
      {"add_polyvoid_cir@", &TCam350Reader::AddVoidCircle},
      {"textjust@", &TCam350Reader::TextJust},
      {"textmirror@", &TCam350Reader::TextMirror},
      {"textangle@", &TCam350Reader::TextAngle},
      {"textfullheight@", &TCam350Reader::TextHeight},
      {"addtext@", &TCam350Reader::AddText},
      {"axy@", &TCam350Reader::Axy},
      {"back@", &TCam350Reader::Back},
      {"end@", &TCam350Reader::End},
      {"view_all@", &TCam350Reader::Nothing},
  };
  return Table;
}

bool TCam350Reader::Line(std::int64_t Number, std::string_view Text) {
  At = Number;
  const std::string_view T = Trimmed(Text);
  if (T.empty() || T.front() == ';') return true;
  const std::size_t Sign = T.find('@');
  if (Sign == std::string_view::npos) {
    Problem("expected a macro command (a word ending in @)");
    return true;
  }
  const std::string_view Word = T.substr(0, Sign + 1);
  std::string_view Args = T.substr(Sign + 1);
  if (!Args.empty() && Args.front() != ' ') {
    Problem("expected a blank after " + std::string(Word.substr(0, 40)));
    return true;
  }
  if (!Args.empty()) Args.remove_prefix(1);
  const auto Found = Commands().find(Word);
  if (Found == Commands().end()) {
    Problem("unknown command " + std::string(Word.substr(0, 40)));
    return true;
  }
  (this->*Found->second)(Args);
  return ItemCount < MaxItems;
}

bool TCam350Reader::Integer(std::string_view S, std::int64_t Min, std::int64_t Max,
                            std::int64_t& V, const char* What) {
  if (ReadInteger(S, Min, Max, V)) return true;
  Problem(std::string("expected ") + What + ", a whole number from " + std::to_string(Min) +
          " to " + std::to_string(Max) + ", not \"" + std::string(S.substr(0, 40)) + "\"");
  return false;
}

bool TCam350Reader::Point(std::string_view A, std::string_view B, TPointMm& P) {
  if (ReadNumber(A, P.X) && ReadNumber(B, P.Y)) return true;
  Problem("expected a point x,y in millimetres (at most a kilometre from the origin)");
  return false;
}

bool TCam350Reader::Layer(std::int64_t L, const char* Command) {
  if (L >= 0 && L < MaxLayers) return true;
  Problem(std::string(Command) + " names layer " + std::to_string(L) +
          ", outside the layers a macro may have");
  return false;
}

void TCam350Reader::Add(int L, TDrawnItem Item) {
  if (L < 0) {
    Problem("an item drawn before any setlayer@");
    return;
  }
  if (++ItemCount >= MaxItems) {
    File.Truncated = true;
    Problem("more items than the check reads; the rest of the macro is not read");
    return;
  }
  File.Layers[L].Items.push_back(std::move(Item));
}

double TCam350Reader::PenWidth() {
  const auto A = Apertures.find(DCode);
  if (A != Apertures.end()) return A->second.Size;
  Problem(DCode < 0 ? "an item drawn before any setdcode@"
                    : "D-code " + std::to_string(DCode) + " used before its edit_aperture@");
  return 0;
}

void TCam350Reader::Open(TStep Kind, const char* Command) {
  if (Step != TStep::None)
    Problem(std::string(Command) + " before the back@ of the drawing step of line " +
            std::to_string(StepLine) + "; that step is dropped");
  if (AwaitingEnd && Kind != TStep::Void && Kind != TStep::VoidCircle) AwaitingEnd = false;
  Step = Kind;
  StepLine = At;
  Points.clear();
  PadstackNamed = false;
}

void TCam350Reader::SetUnit(std::string_view Args) {
  std::int64_t U = 0;
  if (Integer(Args, 0, 9, U, "a unit code") && U != 1)
    Problem("setunit@ " + std::to_string(U) + ": only 1, millimetres, is read");
}

void TCam350Reader::EditLayer(std::string_view Args) {
  const std::vector<std::string_view> A = SplitCommas(Args);
  std::int64_t L = 0;
  if (A.size() < 6) {
    Problem("expected edit_layer@ number,plot number,plot number,4,0,\"name\"");
    return;
  }
  if (!Integer(A[0], 0, MaxLayers - 1, L, "a layer number")) return;
  // The name is the rest of the line: it may hold commas.
  const std::string_view Name = Args.substr(static_cast<std::size_t>(A[5].data() - Args.data()));
  if (Name.size() < 2 || Name.front() != '"' || Name.back() != '"') {
    Problem("expected the layer name between double quotes");
    return;
  }
  File.Layers[static_cast<int>(L)].Name = std::string(Name.substr(1, Name.size() - 2));
}

void TCam350Reader::EditAperture(std::string_view Args) {
  const std::vector<std::string_view> A = SplitCommas(Args);
  std::int64_t D = 0, Shape = 0;
  double X = 0, Y = 0;
  if (A.size() < 5) {
    Problem("expected edit_aperture@ D-code,shape,size,size,0,\"name\"");
    return;
  }
  if (!Integer(A[0], 0, MaxNumber, D, "a D-code") ||
      !Integer(A[1], 1, 2, Shape, "an aperture shape (1 round, 2 square)"))
    return;
  if (!ReadNumber(A[2], X, 1000) || !ReadNumber(A[3], Y, 1000) || X < 0 || X != Y) {
    Problem("expected the aperture's size twice, from 0 to 1000 mm");
    return;
  }
  if (Apertures.size() >= MaxItems) return;
  Apertures[D] = {static_cast<int>(Shape), X};
}

void TCam350Reader::EditPadstack(std::string_view Args) {
  const std::vector<std::string_view> A = SplitCommas(Args);
  std::int64_t P = 0, L = 0, D = 0;
  if (A.size() != 3) {
    Problem("expected edit_padstack_dcode@ padstack,layer,D-code");
    return;
  }
  if (!Integer(A[0], -MaxNumber, MaxNumber, P, "a padstack number") ||
      !Integer(A[1], 0, MaxLayers - 1, L, "a layer number") ||
      !Integer(A[2], 0, MaxNumber, D, "a D-code"))
    return;
  if (Padstacks.size() >= MaxItems) return;
  // A later definition of the same layer of a padstack replaces the earlier.
  Padstacks[P][static_cast<int>(L)] = D;
}

void TCam350Reader::SetLayer(std::string_view Args) {
  std::int64_t L = 0;
  if (Integer(Args, -MaxNumber, MaxNumber, L, "a layer number") && Layer(L, "setlayer@"))
    CurrentLayer = static_cast<int>(L);
}

void TCam350Reader::PolyLayer(std::string_view Args) {
  std::int64_t L = 0;
  if (Integer(Args, -MaxNumber, MaxNumber, L, "a layer number") && Layer(L, "polylayer@"))
    PourLayer = static_cast<int>(L);
}

void TCam350Reader::SetDCode(std::string_view Args) {
  std::int64_t D = 0;
  if (Integer(Args, 0, MaxNumber, D, "a D-code")) DCode = D;
}

void TCam350Reader::SetPadstack(std::string_view Args) {
  std::int64_t P = 0;
  if (!Integer(Args, -MaxNumber, MaxNumber, P, "a padstack number")) return;
  if (Step != TStep::Padstack)
    Problem("setpadstack@ outside an add_padstack@ step");
  else
    PadstackNumber = P, PadstackNamed = true;
}

void TCam350Reader::Axy(std::string_view Args) {
  const std::vector<std::string_view> A = SplitCommas(Args);
  TPointMm P;
  if (A.size() != 2) {
    Problem("expected axy@ x,y");
    return;
  }
  if (!Point(A[0], A[1], P)) return;
  if (Step == TStep::None || Step == TStep::Text) {
    Problem("axy@ outside a drawing step");
    return;
  }
  if (Points.size() >= MaxPointsPerContour) {
    Problem("more points in one step than the check reads");
    return;
  }
  Points.push_back(P);
}

void TCam350Reader::Back(std::string_view) {
  if (Step == TStep::None) {
    Problem("back@ without a drawing step");
    return;
  }
  CloseStep();
  Step = TStep::None;
}

void TCam350Reader::CloseStep() {
  const std::size_t N = Points.size();
  auto Need = [&](std::size_t Count, const char* What) {
    if (N == Count) return true;
    Problem(std::string("the step of line ") + std::to_string(StepLine) + " has " +
            std::to_string(N) + " point(s); expected " + What);
    return false;
  };
  switch (Step) {
    case TStep::Line:
      if (Need(2, "2 (start, end)")) Add(CurrentLayer, TDrawnLine{Points[0], Points[1], PenWidth()});
      break;
    case TStep::Rectangle:
      if (Need(2, "2 (opposite corners)")) {
        const TPointMm A = Points[0], C = Points[1], B{C.X, A.Y}, D{A.X, C.Y};
        const double W = PenWidth();
        for (const auto& [From, To] : std::array<std::pair<TPointMm, TPointMm>, 4>{
                 {{A, B}, {B, C}, {C, D}, {D, A}}})
          Add(CurrentLayer, TDrawnLine{From, To, W});
      }
      break;
    case TStep::Circle:
      if (Need(2, "2 (center, a point on the circle)"))
        Add(CurrentLayer, TDrawnArc{Points[0], Points[1], Points[1], PenWidth(), false});
      break;
    case TStep::Arc:
      if (Need(3, "3 (center, start, end)"))
        Add(CurrentLayer, TDrawnArc{Points[0], Points[1], Points[2], PenWidth(), false});
      break;
    case TStep::Padstack: {
      if (!Need(1, "1 (the padstack's place)")) break;
      if (!PadstackNamed) {
        Problem("the add_padstack@ of line " + std::to_string(StepLine) + " names no setpadstack@");
        break;
      }
      const auto Stack = Padstacks.find(PadstackNumber);
      // A padstack placed without a definition draws nothing.
      if (Stack == Padstacks.end()) break;
      for (const auto& [L, D] : Stack->second) {
        const auto A = Apertures.find(D);
        if (A == Apertures.end()) {
          Problem("padstack " + std::to_string(PadstackNumber) + " uses D-code " +
                  std::to_string(D) + ", which no edit_aperture@ defines");
          continue;
        }
        Add(L, TDrawnPad{Points[0], A->second.Shape == 2 ? TPadShape::Square : TPadShape::Round,
                         A->second.Size, false});
      }
      break;
    }
    case TStep::Pouring:
      if (N >= 3) Add(PourLayer, TDrawnSurface{Points, false});
      AwaitingEnd = true;
      break;
    case TStep::Void:
      // The first point only picks the pouring the void belongs to.
      if (N >= 4) Add(PourLayer, TDrawnSurface{{Points.begin() + 1, Points.end()}, true});
      break;
    case TStep::VoidCircle:
      if (Need(3, "3 (a point of the pouring, center, a point on the circle)")) {
        const double Dx = Points[2].X - Points[1].X, Dy = Points[2].Y - Points[1].Y;
        Add(PourLayer, TDrawnPad{Points[1], TPadShape::Round, 2 * std::hypot(Dx, Dy), true});
      }
      break;
    case TStep::Text:
    case TStep::None:
      break;
  }
}

void TCam350Reader::End(std::string_view) {
  if (!AwaitingEnd) Problem("end@ without a pouring to close");
  AwaitingEnd = false;
}

void TCam350Reader::TextJust(std::string_view Args) {
  std::int64_t J = 0;
  if (!Integer(Args, 0, 31, J, "a justification code")) return;
  if (PlotJustificationOfCam350(static_cast<int>(J)) == 0)
    Problem("textjust@ " + std::to_string(J) +
            ": not one of the nine justifications (1 left, 2 right, 8 top, 16 bottom, 4 "
            "centred on an axis with neither)");
  else
    Justification = static_cast<int>(J);
}

void TCam350Reader::TextMirror(std::string_view Args) {
  std::int64_t M = 0;
  if (Integer(Args, 0, 1, M, "0 or 1")) Mirror = M == 1;
}

void TCam350Reader::TextAngle(std::string_view Args) {
  std::int64_t A = 0;
  if (Integer(Args, -36000, 36000, A, "an angle in hundredths of a degree")) Angle = A / 100.0;
}

void TCam350Reader::TextHeight(std::string_view Args) {
  double H = 0;
  if (ReadNumber(Args, H, 10000) && H >= 0)
    Height = H;
  else
    Problem("expected a text height from 0 to 10000 mm");
}

void TCam350Reader::AddText(std::string_view Args) {
  Open(TStep::Text, "addtext@");
  const std::size_t Quote = Args.find('"');
  if (Quote == std::string_view::npos) {
    Problem("expected addtext@ x,y,x,y,\"text\"");
    return;
  }
  if (Args.size() < Quote + 2 || Args.back() != '"') {
    Problem("a text whose closing double quote is missing");
    return;
  }
  const std::vector<std::string_view> A = SplitCommas(Args.substr(0, Quote));
  TPointMm P, Again;
  if (A.size() != 5 || !Trimmed(A[4]).empty()) {
    Problem("expected addtext@ x,y,x,y,\"text\"");
    return;
  }
  if (!Point(A[0], A[1], P) || !Point(A[2], A[3], Again)) return;
  TDrawnText T;
  T.Anchor = P;
  T.Justification = PlotJustificationOfCam350(Justification);
  T.Size = Height;
  T.Rotation = Angle;
  T.Mirror = Mirror ? 1 : 0;
  T.Text = std::string(Args.substr(Quote + 1, Args.size() - Quote - 2));
  T.Width = PenWidth();
  Add(CurrentLayer, std::move(T));
}

void TCam350Reader::Finish(std::int64_t LastLine) {
  At = LastLine;
  if (Step != TStep::None)
    Problem("the macro ends inside the drawing step of line " + std::to_string(StepLine) +
            "; expected back@");
}

}  // namespace

std::uint8_t PlotJustificationOfCam350(int Code) {
  // Each axis sets its own bit, and 4 stands for centred on an axis that
  // sets none: 4 alone is centred both ways.
  const int Along = (Code & 1) ? 4 : (Code & 2) ? 5 : 3;
  const int Across = (Code & 8) ? 1 : (Code & 16) ? 2 : 3;
  const int Canonical = (Along == 4 ? 1 : Along == 5 ? 2 : 4) | (Across == 1 ? 8 : Across == 2 ? 16 : 4);
  if (Code != Canonical) return 0;
  return static_cast<std::uint8_t>(8 * Along + Across);
}

TDrawnFile ReadCam350Macro(std::string_view Text) {
  TDrawnFile File;
  TCam350Reader Reader(File);
  TProblemLog Log(File);
  std::int64_t Last = 0;
  ForEachLine(Text, Log, [&](std::int64_t Number, std::string_view Line) {
    Last = Number;
    return Reader.Line(Number, Line);
  });
  Reader.Finish(Last);
  return File;
}

}  // namespace quillon::check::scripts
