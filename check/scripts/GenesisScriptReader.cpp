// SPDX-License-Identifier: MIT
#include "check/scripts/GenesisScriptReader.h"

#include <cmath>
#include <map>
#include <numbers>
#include <optional>
#include <set>
#include <string>

#include "check/scripts/ScriptSyntax.h"

namespace quillon::check::scripts {

namespace {

using TKeys = std::map<std::string, std::string_view, std::less<>>;

// A symbol of a pad or a pen: r round, s square, bfr a round butterfly, each
// followed by its size in thousandths of the script's unit (micrometres or
// mils).
struct TSymbol {
  TPadShape Shape = TPadShape::Round;
  double Size = 0;
};

std::optional<TSymbol> SymbolOf(std::string_view S) {
  TSymbol Sym;
  std::size_t Digits = 0;
  if (S.starts_with("bfr")) {
    Sym.Shape = TPadShape::Butterfly;
    Digits = 3;
  } else if (S.starts_with("r")) {
    Digits = 1;
  } else if (S.starts_with("s")) {
    Sym.Shape = TPadShape::Square;
    Digits = 1;
  } else {
    return std::nullopt;
  }
  std::int64_t Micrometres = 0;
  if (!ReadInteger(S.substr(Digits), 0, 1'000'000'000, Micrometres)) return std::nullopt;
  Sym.Size = Micrometres;
  return Sym;
}

// What the C shell hands the COM command of a line: its words, unquoted
// (single quotes keep everything but \! literally, double quotes keep their
// text, a backslash outside quotes keeps the next character), joined by
// single blanks. False for a quote left open.
bool ShellWords(std::string_view Line, std::string& Out) {
  Out.clear();
  bool InWord = false, Pending = false;
  for (std::size_t I = 0; I < Line.size(); ++I) {
    const char C = Line[I];
    if (C == ' ' || C == '\t') {
      if (InWord) Pending = true;
      InWord = false;
      continue;
    }
    if (Pending) Out += ' ';
    Pending = false;
    InWord = true;
    if (C == '\'') {
      const std::size_t End = Line.find('\'', I + 1);
      if (End == std::string_view::npos) return false;
      for (std::size_t K = I + 1; K < End; ++K)
        if (!(Line[K] == '\\' && K + 1 < End && Line[K + 1] == '!')) Out += Line[K];
      I = End;
    } else if (C == '"') {
      const std::size_t End = Line.find('"', I + 1);
      if (End == std::string_view::npos) return false;
      Out.append(Line.substr(I + 1, End - I - 1));
      I = End;
    } else if (C == '\\' && I + 1 < Line.size()) {
      Out += Line[++I];
    } else {
      Out += C;
    }
  }
  return true;
}

class TGenesisReader {
 public:
  explicit TGenesisReader(TDrawnFile& F) : File(F), Log(F) {}

  bool Line(std::int64_t Number, std::string_view Text);
  void Finish(std::int64_t LastLine);

 private:
  using THandler = void (TGenesisReader::*)(const TKeys& Keys);
  static const std::map<std::string_view, THandler>& Commands();

  void Problem(std::string Message) { Log.Add(At, std::move(Message)); }
  bool ShellLine(std::string_view T) const;
  bool Keys(std::string_view Args, TKeys& Out);
  bool Number(const TKeys& K, const char* Key, double& V);
  bool Point(const TKeys& K, const char* X, const char* Y, TPointMm& P);
  std::optional<std::string_view> Value(const TKeys& K, const char* Key);
  std::optional<int> LayerNamed(std::string_view Name);
  std::optional<double> Pen(const TKeys& K);
  void Add(TDrawnItem Item);

  void Nothing(const TKeys&) {}
  void Units(const TKeys& K);
  void MatrixAddLayer(const TKeys& K);
  void WorkLayer(const TKeys& K);
  void AffectedLayer(const TKeys& K);
  void AddPad(const TKeys& K);
  void AddLine(const TKeys& K);
  void PolylineStart(const TKeys&);
  void PolylinePoint(const TKeys& K);
  void PolylineEnd(const TKeys& K);
  void AddArc(const TKeys& K);
  void SurfaceStart(const TKeys&);
  void ContourStart(const TKeys& K);
  void ContourSegment(const TKeys& K);
  void ContourCurve(const TKeys& K);
  void ContourEnd(const TKeys&);
  void SurfaceEnd(const TKeys& K);
  void AddText(std::string_view Args);

  TDrawnFile& File;
  TProblemLog Log;
  std::int64_t At = 0;
  std::size_t ItemCount = 0;
  double Unit = 1;  // millimetres per unit of the script
  std::map<std::string, int, std::less<>> Matrix;
  std::optional<int> Work;
  std::set<int> Affected;
  std::optional<std::vector<TPointMm>> Polyline;
  std::int64_t PolylineLine = 0;
  bool InSurface = false;
  std::int64_t SurfaceLine = 0;
  std::vector<std::vector<TPointMm>> Contours;
  bool InContour = false;
};

const std::map<std::string_view, TGenesisReader::THandler>& TGenesisReader::Commands() {
  static const std::map<std::string_view, THandler> Table = {
      // The job, its step and the view: nothing drawn.
      {"info", &TGenesisReader::Nothing},
      {"open_job", &TGenesisReader::Nothing},
      {"close_job", &TGenesisReader::Nothing},
      {"delete_entity", &TGenesisReader::Nothing},
      {"create_entity", &TGenesisReader::Nothing},
      {"open_entity", &TGenesisReader::Nothing},
      {"matrix_page_close", &TGenesisReader::Nothing},
      {"zoom_home", &TGenesisReader::Nothing},
      {"display_layer", &TGenesisReader::Nothing},
      {"units", &TGenesisReader::Units},
      {"matrix_add_layer", &TGenesisReader::MatrixAddLayer},
      {"work_layer", &TGenesisReader::WorkLayer},
      {"affected_layer", &TGenesisReader::AffectedLayer},
      {"add_pad", &TGenesisReader::AddPad},
      {"add_line", &TGenesisReader::AddLine},
      {"add_polyline_strt", &TGenesisReader::PolylineStart},
      {"add_polyline_xy", &TGenesisReader::PolylinePoint},
      {"add_polyline_end", &TGenesisReader::PolylineEnd},
      {"add_arc", &TGenesisReader::AddArc},
      {"add_surf_strt", &TGenesisReader::SurfaceStart},
      {"add_surf_poly_strt", &TGenesisReader::ContourStart},
      {"add_surf_poly_seg", &TGenesisReader::ContourSegment},
      {"add_surf_poly_crv", &TGenesisReader::ContourCurve},
      {"add_surf_poly_end", &TGenesisReader::ContourEnd},
      {"add_surf_end", &TGenesisReader::SurfaceEnd},
  };
  return Table;
}

// The prologue's C shell: the variable of the job, the question whether it
// exists and the block that deletes it.
bool TGenesisReader::ShellLine(std::string_view T) const {
  return T.starts_with("set ") || T.starts_with("source ") || T.starts_with("if (") ||
         T == "endif" || T == "echo" || T.starts_with("echo ");
}

bool TGenesisReader::Line(std::int64_t Number, std::string_view Text) {
  At = Number;
  const std::string_view T = Trimmed(Text);
  if (T.empty() || T.front() == '#' || ShellLine(T)) return true;
  if (!T.starts_with("COM ")) {
    Problem("expected a COM command, an echo, a comment or a line of the prologue");
    return true;
  }
  std::string Received;
  if (!ShellWords(T.substr(4), Received)) {
    Problem("a quoted string whose closing quote is missing");
    return true;
  }
  const std::string_view Rest = Received;
  const std::size_t Comma = Rest.find(',');
  const std::string_view Name = Trimmed(Rest.substr(0, Comma));
  const std::string_view Args = Comma == std::string_view::npos ? "" : Rest.substr(Comma + 1);
  if (Name == "add_text") {
    AddText(Args);
  } else {
    const auto Found = Commands().find(Name);
    if (Found == Commands().end()) {
      Problem("unknown command COM " + std::string(Name.substr(0, 40)));
      return true;
    }
    TKeys K;
    if (Keys(Args, K)) (this->*Found->second)(K);
  }
  return ItemCount < MaxItems;
}

bool TGenesisReader::Keys(std::string_view Args, TKeys& Out) {
  if (Trimmed(Args).empty()) return true;
  for (const std::string_view Piece : SplitCommas(Args)) {
    const std::size_t Eq = Piece.find('=');
    if (Eq == std::string_view::npos) {
      Problem("expected key=value, not \"" + std::string(Piece.substr(0, 40)) + "\"");
      return false;
    }
    Out[std::string(Trimmed(Piece.substr(0, Eq)))] = Trimmed(Piece.substr(Eq + 1));
  }
  return true;
}

std::optional<std::string_view> TGenesisReader::Value(const TKeys& K, const char* Key) {
  const auto Found = K.find(Key);
  if (Found != K.end()) return Found->second;
  Problem(std::string("expected the key ") + Key);
  return std::nullopt;
}

bool TGenesisReader::Number(const TKeys& K, const char* Key, double& V) {
  const std::optional<std::string_view> S = Value(K, Key);
  if (!S) return false;
  if (ReadNumber(*S, V, MaxCoordinateMm / Unit)) {
    V *= Unit;
    return true;
  }
  Problem(std::string(Key) + "=" + std::string(S->substr(0, 40)) +
          ": expected a number within a kilometre");
  return false;
}

bool TGenesisReader::Point(const TKeys& K, const char* X, const char* Y, TPointMm& P) {
  return Number(K, X, P.X) && Number(K, Y, P.Y);
}

std::optional<int> TGenesisReader::LayerNamed(std::string_view Name) {
  const auto Found = Matrix.find(Name);
  if (Found != Matrix.end()) return Found->second;
  Problem("layer " + std::string(Name.substr(0, 40)) + " is not in the matrix");
  return std::nullopt;
}

std::optional<double> TGenesisReader::Pen(const TKeys& K) {
  const std::optional<std::string_view> S = Value(K, "symbol");
  if (!S) return std::nullopt;
  const std::optional<TSymbol> Sym = SymbolOf(*S);
  if (Sym && Sym->Shape == TPadShape::Round) return Sym->Size * Unit / 1000;
  Problem("symbol=" + std::string(S->substr(0, 40)) + ": expected a round pen r<micrometres>");
  return std::nullopt;
}

void TGenesisReader::Add(TDrawnItem Item) {
  if (!Work) {
    Problem("an item added before any work_layer");
    return;
  }
  std::set<int> Targets = Affected;
  Targets.insert(*Work);
  for (const int L : Targets) {
    if (++ItemCount >= MaxItems) {
      File.Truncated = true;
      Problem("more items than the check reads; the rest of the script is not read");
      return;
    }
    File.Layers[L].Items.push_back(Item);
  }
}

void TGenesisReader::Units(const TKeys& K) {
  const std::optional<std::string_view> Type = Value(K, "type");
  if (!Type) return;
  if (*Type == "mm")
    Unit = 1;
  else if (*Type == "inch")
    Unit = 25.4;
  else
    Problem("units type=" + std::string(Type->substr(0, 20)) + ": expected mm or inch");
}

void TGenesisReader::MatrixAddLayer(const TKeys& K) {
  const std::optional<std::string_view> Name = Value(K, "layer"), Row = Value(K, "row");
  std::int64_t R = 0;
  if (!Name || !Row) return;
  if (!ReadInteger(*Row, 1, MaxLayers, R)) {
    Problem("row=" + std::string(Row->substr(0, 20)) + ": expected a row from 1 to " +
            std::to_string(MaxLayers));
    return;
  }
  Matrix[std::string(*Name)] = static_cast<int>(R - 1);
  File.Layers[static_cast<int>(R - 1)].Name = std::string(*Name);
}

void TGenesisReader::WorkLayer(const TKeys& K) {
  if (const std::optional<std::string_view> Name = Value(K, "name"))
    if (const std::optional<int> L = LayerNamed(*Name)) Work = *L;
}

void TGenesisReader::AffectedLayer(const TKeys& K) {
  const std::optional<std::string_view> Name = Value(K, "name"), Mode = Value(K, "mode"),
                                        On = Value(K, "affected");
  if (!Name || !Mode || !On) return;
  if (*Mode == "all") {
    if (*On == "no") Affected.clear();
    else for (const auto& [N, L] : Matrix) Affected.insert(L);
    return;
  }
  if (const std::optional<int> L = LayerNamed(*Name)) {
    if (*On == "yes") Affected.insert(*L);
    else Affected.erase(*L);
  }
}

void TGenesisReader::AddPad(const TKeys& K) {
  TPointMm P;
  const std::optional<std::string_view> S = Value(K, "symbol");
  if (!S || !Point(K, "x", "y", P)) return;
  const std::optional<TSymbol> Sym = SymbolOf(*S);
  if (!Sym) {
    Problem("symbol=" + std::string(S->substr(0, 40)) + ": expected r, s or bfr and a size");
    return;
  }
  Add(TDrawnPad{P, Sym->Shape, Sym->Size * Unit / 1000, false});
}

void TGenesisReader::AddLine(const TKeys& K) {
  TPointMm A, B;
  if (!Point(K, "xs", "ys", A) || !Point(K, "xe", "ye", B)) return;
  if (const std::optional<double> W = Pen(K)) Add(TDrawnLine{A, B, *W});
}

void TGenesisReader::PolylineStart(const TKeys&) {
  if (Polyline) Problem("add_polyline_strt inside the polyline of line " +
                        std::to_string(PolylineLine) + "; that one is dropped");
  Polyline.emplace();
  PolylineLine = At;
}

void TGenesisReader::PolylinePoint(const TKeys& K) {
  TPointMm P;
  if (!Point(K, "x", "y", P)) return;
  if (!Polyline) {
    Problem("add_polyline_xy outside a polyline");
  } else if (Polyline->size() >= MaxPointsPerContour) {
    Problem("more points in one polyline than the check reads");
  } else {
    Polyline->push_back(P);
  }
}

void TGenesisReader::PolylineEnd(const TKeys& K) {
  if (!Polyline) {
    Problem("add_polyline_end without add_polyline_strt");
    return;
  }
  const std::vector<TPointMm> Points = std::move(*Polyline);
  Polyline.reset();
  if (const std::optional<double> W = Pen(K))
    for (std::size_t I = 1; I < Points.size(); ++I) Add(TDrawnLine{Points[I - 1], Points[I], *W});
}

void TGenesisReader::AddArc(const TKeys& K) {
  TPointMm C, S, E;
  if (!Point(K, "xc", "yc", C) || !Point(K, "xs", "ys", S) || !Point(K, "xe", "ye", E)) return;
  const std::optional<std::string_view> Direction = Value(K, "direction");
  if (!Direction) return;
  if (*Direction != "cw" && *Direction != "ccw") {
    Problem("direction=" + std::string(Direction->substr(0, 20)) + ": expected cw or ccw");
    return;
  }
  if (const std::optional<double> W = Pen(K)) Add(TDrawnArc{C, S, E, *W, *Direction == "cw"});
}

void TGenesisReader::SurfaceStart(const TKeys&) {
  if (InSurface) Problem("add_surf_strt inside the surface of line " + std::to_string(SurfaceLine) +
                         "; that one is dropped");
  InSurface = true;
  SurfaceLine = At;
  Contours.clear();
  InContour = false;
}

void TGenesisReader::ContourStart(const TKeys& K) {
  TPointMm P;
  if (!Point(K, "x", "y", P)) return;
  if (!InSurface) {
    Problem("add_surf_poly_strt outside a surface (add_surf_strt)");
    return;
  }
  if (InContour) Problem("add_surf_poly_strt before the add_surf_poly_end of the contour before");
  Contours.push_back({P});
  InContour = true;
}

void TGenesisReader::ContourSegment(const TKeys& K) {
  TPointMm P;
  if (!Point(K, "x", "y", P)) return;
  if (!InContour) {
    Problem("add_surf_poly_seg outside a contour (add_surf_poly_strt)");
    return;
  }
  if (Contours.back().size() < MaxPointsPerContour)
    Contours.back().push_back(P);
  else
    Problem("more points in one contour than the check reads");
}

// A curve from the contour's last point about a centre to an end point; a
// full circle when the end is where it starts.
void TGenesisReader::ContourCurve(const TKeys& K) {
  TPointMm C, E;
  if (!Point(K, "xc", "yc", C) || !Point(K, "xe", "ye", E)) return;
  const std::optional<std::string_view> Cw = Value(K, "cw");
  if (!Cw) return;
  if (!InContour) {
    Problem("add_surf_poly_crv outside a contour (add_surf_poly_strt)");
    return;
  }
  std::vector<TPointMm>& Points = Contours.back();
  const TPointMm S = Points.back();
  const double Radius = std::hypot(S.X - C.X, S.Y - C.Y);
  const double A0 = std::atan2(S.Y - C.Y, S.X - C.X), A1 = std::atan2(E.Y - C.Y, E.X - C.X);
  const double Turn = 2 * std::numbers::pi;
  const bool Clockwise = *Cw == "yes";
  double Sweep = Clockwise ? A0 - A1 : A1 - A0;
  Sweep = std::fmod(std::fmod(Sweep, Turn) + Turn, Turn);
  if (Sweep == 0) Sweep = Turn;
  const int Steps = std::max(8, static_cast<int>(std::ceil(Sweep / Turn * 720)));
  for (int I = 1; I <= Steps && Points.size() < MaxPointsPerContour; ++I) {
    const double A = A0 + (Clockwise ? -1 : 1) * Sweep * I / Steps;
    Points.push_back({C.X + Radius * std::cos(A), C.Y + Radius * std::sin(A)});
  }
}

void TGenesisReader::ContourEnd(const TKeys&) {
  if (!InContour) Problem("add_surf_poly_end without a contour");
  InContour = false;
}

void TGenesisReader::SurfaceEnd(const TKeys& K) {
  const std::optional<std::string_view> Polarity = Value(K, "polarity");
  if (!InSurface) {
    Problem("add_surf_end without add_surf_strt");
    return;
  }
  InSurface = false;
  if (InContour) Problem("add_surf_end inside a contour; expected add_surf_poly_end first");
  InContour = false;
  if (!Polarity) return;
  if (*Polarity != "positive" && *Polarity != "negative") {
    Problem("polarity=" + std::string(Polarity->substr(0, 20)) + ": expected positive or negative");
    return;
  }
  for (std::vector<TPointMm>& Contour : Contours)
    if (Contour.size() >= 3) Add(TDrawnSurface{std::move(Contour), *Polarity == "negative"});
  Contours.clear();
}

// A string: its text runs from "text=" to the size keys and may hold commas.
void TGenesisReader::AddText(std::string_view Args) {
  const std::size_t Begin = Args.find("text=");
  const std::size_t End = Args.rfind(",x_size");
  if (Begin == std::string_view::npos || End == std::string_view::npos || End < Begin + 5) {
    Problem("expected add_text with x=,y=,text=, then x_size and y_size");
    return;
  }
  TKeys K;
  if (!Keys(Args.substr(0, Begin == 0 ? 0 : Begin - 1), K) || !Keys(Args.substr(End + 1), K))
    return;
  TPointMm P;
  double Height = 0, Angle = 0;
  const std::optional<std::string_view> Mirror = Value(K, "mirror");
  if (!Point(K, "x", "y", P) || !Number(K, "y_size", Height) || !Mirror) return;
  const std::optional<std::string_view> A = Value(K, "angle");
  if (!A || !ReadNumber(*A, Angle, 3600)) {
    if (A) Problem("angle=" + std::string(A->substr(0, 20)) + ": expected degrees");
    return;
  }
  TDrawnText T;
  T.Anchor = P;
  T.Justification = 34;  // the string starts at x,y on its foot line
  T.Size = Height / 0.808;
  T.Mirror = *Mirror == "yes" ? 1 : 0;
  // The script turns a string clockwise by its angle and then mirrors it.
  T.Rotation = T.Mirror ? Angle : 360 - Angle;
  T.Rotation = std::fmod(std::fmod(T.Rotation, 360) + 360, 360);
  T.Text = std::string(Args.substr(Begin + 5, End - Begin - 5));
  T.Width = GenesisTextPen(T.Size);
  Add(std::move(T));
}

void TGenesisReader::Finish(std::int64_t LastLine) {
  At = LastLine;
  if (Polyline) Problem("the script ends inside the polyline of line " + std::to_string(PolylineLine));
  if (InSurface) Problem("the script ends inside the surface of line " + std::to_string(SurfaceLine));
}

}  // namespace

TDrawnFile ReadGenesisScript(std::string_view Text) {
  TDrawnFile File;
  TGenesisReader Reader(File);
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
