#include "app/LayersView.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QHash>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPushButton>
#include <QTimer>
#include <QTransform>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

#include "app/Cp1251.h"
#include "pins/Pins.h"
#include "preview/HitTest.h"
#include "preview/ItemDescription.h"
#include "preview/Palette.h"
#include "preview/SpatialIndex.h"
#include "script/ScriptPcb.h"

namespace quillon::app {

using preview::TBoxMm;
using preview::TItemKind;
using preview::TItemRef;
using preview::TPointMm;

namespace {

// Zoom limits in pixels per millimetre; the upper one also keeps every
// coordinate of a board in view well inside what the painter can address.
constexpr double MinZoom = 1e-6;
constexpr double MaxZoom = 1e4;
constexpr double MaxBoardPixels = 1e7;
// How close the mouse must come to an item to describe it, in pixels.
constexpr double HoverPixels = 3.0;
// The smallest an undefined pin's mark is drawn, in pixels: it is a warning.
constexpr double MinMarkPixels = 10.0;
// Below this height in pixels a text is only its box: no letter would read.
constexpr double MinTextPixels = 5.0;
// What one key press of +, - or an arrow does.
constexpr double KeyZoomFactor = 1.25;
constexpr double KeyPanShare = 0.125;
// How long zoom and pan steps must pause before the board is drawn again.
constexpr int SharpDelayMs = 150;

QColor ToQColor(preview::TRgb C) { return QColor(C.R, C.G, C.B); }

// The outlines of each text string met, at one size: a board repeats few
// strings many times, and laying out the letters anew for each would cost
// more than filling them.
class TLetterCache {
 public:
  struct TLetters {
    QPainterPath Outline;
    QRectF Own;  // baseline from (0, 0) to (Width, 0), cap height upwards
  };
  const TLetters& Of(std::string_view Bytes) {
    const QByteArray Key(Bytes.data(), static_cast<qsizetype>(Bytes.size()));
    auto Found = Cache.constFind(Key);
    if (Found != Cache.constEnd()) return *Found;
    QFont Font;
    Font.setPixelSize(64);
    const QFontMetricsF Metrics(Font);
    const QString Text = FromCp1251(Bytes);
    TLetters Letters;
    Letters.Outline.addText(QPointF(0, 0), Font, Text);
    Letters.Own =
        QRectF(0, -std::max(Metrics.capHeight(), 1.0),
               std::max(Metrics.horizontalAdvance(Text), 1.0), std::max(Metrics.capHeight(), 1.0));
    return *Cache.insert(Key, std::move(Letters));
  }
  void Clear() { Cache.clear(); }

 private:
  QHash<QByteArray, TLetters> Cache;
};

// Draws primitives with a painter, board millimetres (Y up) to widget pixels.
class TPainterSink final : public preview::TPrimitiveSink {
 public:
  TPainterSink(QPainter& Painter, double Zoom, QPointF Offset, QColor Colour, TLetterCache& Letters)
      : P(Painter), Zoom(Zoom), Offset(Offset), Colour(Colour), Letters(Letters) {}

  void Stroke(const preview::TStroke& S) override {
    P.setPen(StrokePen(S.Width));
    P.setBrush(Qt::NoBrush);
    const QPolygonF Poly = Polygon(S.Points);
    if (S.Closed)
      P.drawPolygon(Poly);
    else
      P.drawPolyline(Poly);
  }

  void Fill(const preview::TFill& F) override {
    P.setPen(Qt::NoPen);
    P.setBrush(Colour);
    P.drawPolygon(Polygon(F.Points));
  }

  void Arc(const preview::TArc& A) override {
    const double R = A.Radius * Zoom;
    const QRectF Box(Px(A.Center) - QPointF(R, R), QSizeF(2 * R, 2 * R));
    QPainterPath Path;
    // Qt counts angles counter-clockwise as seen, as the board does.
    Path.arcMoveTo(Box, A.StartDeg);
    Path.arcTo(Box, A.StartDeg, A.SweepDeg);
    P.strokePath(Path, StrokePen(A.Width));
  }

  void Region(const preview::TRegion& G) override {
    QPainterPath Path;
    Path.setFillRule(Qt::OddEvenFill);
    std::uint32_t Begin = 0;
    for (std::uint32_t End : G.RingEnds) {
      Path.addPolygon(Polygon(G.Points.subspan(Begin, End - Begin)));
      Path.closeSubpath();
      Begin = End;
    }
    for (const preview::TCircleMm& C : G.Voids)
      Path.addEllipse(Px(C.Center), C.Radius * Zoom, C.Radius * Zoom);
    P.fillPath(Path, Colour);
  }

  void TextBox(const preview::TTextBox& T) override {
    if (T.Height * Zoom >= MinTextPixels && DrawLetters(T)) return;
    P.setPen(StrokePen(0));
    P.setBrush(Qt::NoBrush);
    P.drawPolygon(Polygon(T.Corners));
    const double Dot = std::max(T.Height / 12 * Zoom, 1.5);
    P.setPen(Qt::NoPen);
    P.setBrush(Colour);
    P.drawEllipse(Px(T.Anchor), Dot, Dot);
  }

  void Pad(const preview::TPad& Pad) override {
    const preview::TPadLook Look = preview::PadLook(Pad);
    const QPointF C = Px(Pad.Center);
    if (Look.Pad) {
      QPainterPath Path;
      Path.setFillRule(Qt::OddEvenFill);
      const double Half = Pad.Size / 2 * Zoom;
      if (Pad.Shape == shapeSquare)
        Path.addRect(QRectF(C - QPointF(Half, Half), QSizeF(2 * Half, 2 * Half)));
      else
        Path.addEllipse(C, Half, Half);
      if (Look.CutHole) Path.addEllipse(C, Pad.Hole / 2 * Zoom, Pad.Hole / 2 * Zoom);
      P.fillPath(Path, Colour);
    }
    if (Look.HoleRing) {
      const double R = preview::HoleRingRadius(Pad.Hole) * Zoom;
      P.setPen(QPen(Colour, preview::HoleRingWidth(Pad.Hole) * Zoom));
      P.setBrush(Qt::NoBrush);
      P.drawEllipse(C, R, R);
    }
  }

  void UndefinedPin(const preview::TUndefinedPin& U) override {
    const bool Small = U.MarkSize * Zoom < MinMarkPixels;
    const double Half = std::max(U.MarkSize * Zoom, MinMarkPixels) / 2;
    P.setPen(QPen(ToQColor(preview::UndefinedPinColour), std::max(Half / 4, 1.5)));
    P.setBrush(Qt::NoBrush);
    const QPointF C = Px(U.Center);
    // Zoomed out, thousands of them may be on screen: the cross alone says it.
    if (!Small) P.drawEllipse(C, Half, Half);
    P.drawLine(C + QPointF(-Half, -Half), C + QPointF(Half, Half));
    P.drawLine(C + QPointF(-Half, Half), C + QPointF(Half, -Half));
  }

 private:
  QPointF Px(TPointMm Mm) const { return {Mm.X * Zoom + Offset.x(), -Mm.Y * Zoom + Offset.y()}; }
  // The letters stretched onto the text's box: its corners already carry
  // size, rotation, mirror and justification, so one mapping of the string's
  // own rectangle onto them draws all four.
  bool DrawLetters(const preview::TTextBox& T) {
    const TLetterCache::TLetters& Shape = Letters.Of(T.Text);
    if (Shape.Outline.isEmpty()) return false;
    const QRectF& Own = Shape.Own;
    const QPolygonF From({Own.bottomLeft(), Own.bottomRight(), Own.topRight(), Own.topLeft()});
    QTransform Onto;
    if (!QTransform::quadToQuad(From, Polygon(T.Corners), Onto)) return false;
    P.save();
    P.setTransform(Onto, true);
    P.fillPath(Shape.Outline, Colour);
    P.restore();
    return true;
  }

  QPolygonF Polygon(std::span<const TPointMm> Points) const {
    QPolygonF Poly;
    Poly.reserve(static_cast<qsizetype>(Points.size()));
    for (const TPointMm& Mm : Points) Poly.append(Px(Mm));
    return Poly;
  }
  // Width 0 is a hairline: one pixel whatever the zoom.
  QPen StrokePen(double Width) const {
    QPen Pen(Colour, Width > 0 ? Width * Zoom : 0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    Pen.setCosmetic(Width <= 0);
    return Pen;
  }

  QPainter& P;
  double Zoom;
  QPointF Offset;
  QColor Colour;
  TLetterCache& Letters;
};

}  // namespace

// The zoomable, pannable picture of the board.
class TBoardCanvas final : public QWidget {
 public:
  explicit TBoardCanvas(TLayersView* Owner) : QWidget(Owner), Owner(Owner) {
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    SharpTimer.setSingleShot(true);
    SharpTimer.setInterval(SharpDelayMs);
    connect(&SharpTimer, &QTimer::timeout, this, [this] { Redraw(); });
  }

  // The picture drawn again now when a step left it scaled or moved.
  void Sharpen() {
    if (SharpTimer.isActive()) Redraw();
  }

  // Indexes the board anew. Returns whether its layers differ from before.
  bool Load(const TScriptingPcb* NewBoard, double Dbu) {
    std::vector<std::string> Names;
    if (NewBoard)
      for (const TLayer& L : NewBoard->Layers) Names.push_back(L.Name);
    const bool NewLayers = Names != LayerNames;
    LayerNames = std::move(Names);
    Board = NewBoard;
    Options = {Dbu, Board ? &Board->Pins : nullptr};
    Index.Clear();
    Letters.Clear();
    Order.clear();
    Colours.clear();
    if (Board) {
      Index.Build(*Board, Options);
      Order = preview::StackingOrder(*Board);
      for (int L = 0; L < Board->Layers.Count(); ++L)
        Colours.push_back(ToQColor(preview::LayerColour(*Board, L)));
    }
    if (NewLayers) Visible.assign(LayerNames.size(), true);
    Hovered.reset();
    Redraw();
    return NewLayers;
  }

  void SetLayerVisible(int L, bool Shown) {
    if (L < 0 || static_cast<std::size_t>(L) >= Visible.size()) return;
    Visible[static_cast<std::size_t>(L)] = Shown;
    Redraw();
  }

  void Fit() {
    const TBoxMm Box = Index.Bounds();
    const double W = std::max(width(), 1), H = std::max(height(), 1);
    if (Box.Empty()) {
      Zoom = 10;
      Offset = QPointF(W / 2, H / 2);
    } else {
      const double Bw = Box.Width(), Bh = Box.Height();
      double Z = std::min(Bw > 0 ? W / Bw : INFINITY, Bh > 0 ? H / Bh : INFINITY) * 0.95;
      if (!std::isfinite(Z)) Z = 10;
      Zoom = ClampZoom(Z);
      const TPointMm Centre{(Box.Left + Box.Right) / 2, (Box.Bottom + Box.Top) / 2};
      Offset = QPointF(W / 2 - Centre.X * Zoom, H / 2 + Centre.Y * Zoom);
    }
    AutoFit = true;
    Redraw();
  }

  // Zooms by Factor keeping the board point under At where it is.
  void ZoomAbout(QPointF At, double Factor) {
    const TPointMm Mm = ToMm(At);
    AutoFit = false;
    Zoom = ClampZoom(Zoom * Factor);
    Offset = QPointF(At.x() - Mm.X * Zoom, At.y() + Mm.Y * Zoom);
    RedrawSoon();
  }

  // Moves the board by Delta pixels (an arrow key: the view's eighth).
  void PanBy(QPointF Delta) {
    AutoFit = false;
    Offset += Delta;
    RedrawSoon();
  }

  // A zoom or pan step shows the last picture moved and scaled at once; the
  // board is drawn again when the steps pause, so that a run of wheel turns
  // or key presses costs one drawing, not one each.
  void RedrawSoon() {
    if (!CacheValid) return Redraw();
    update();
    SharpTimer.start();
  }

  void Redraw() {
    SharpTimer.stop();
    CacheValid = false;
    update();
  }

  double CurrentZoom() const { return Zoom; }
  QPointF ToPx(TPointMm Mm) const { return {Mm.X * Zoom + Offset.x(), -Mm.Y * Zoom + Offset.y()}; }
  TPointMm ToMm(QPointF Px) const {
    return {(Px.x() - Offset.x()) / Zoom, (Offset.y() - Px.y()) / Zoom};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    if (!CacheValid && !Dragging) RenderCache();
    QPainter P(this);
    P.fillRect(rect(), ToQColor(preview::BackgroundColour));
    // Cache pixel c shows the board point that now lies at
    // Offset + (c - CacheOffset) * Zoom / CacheZoom.
    P.translate(Offset);
    P.scale(Zoom / CacheZoom, Zoom / CacheZoom);
    P.drawImage(-CacheOffset, Cache);
  }

  // Until the user zooms or pans, the board stays fitted to the view.
  void resizeEvent(QResizeEvent*) override {
    if (AutoFit)
      Fit();
    else
      Redraw();
  }

  void wheelEvent(QWheelEvent* E) override {
    ZoomAbout(E->position(), std::pow(1.0015, E->angleDelta().y()));
    E->accept();
  }

  void keyPressEvent(QKeyEvent* E) override {
    const QPointF Centre(width() / 2.0, height() / 2.0);
    const double StepX = width() * KeyPanShare, StepY = height() * KeyPanShare;
    if (E->key() == Qt::Key_0 && E->modifiers().testFlag(Qt::ControlModifier)) return Fit();
    switch (E->key()) {
      case Qt::Key_Plus:
      case Qt::Key_Equal:
        return ZoomAbout(Centre, KeyZoomFactor);
      case Qt::Key_Minus:
        return ZoomAbout(Centre, 1 / KeyZoomFactor);
      case Qt::Key_Left:
        return PanBy(QPointF(StepX, 0));
      case Qt::Key_Right:
        return PanBy(QPointF(-StepX, 0));
      case Qt::Key_Up:
        return PanBy(QPointF(0, StepY));
      case Qt::Key_Down:
        return PanBy(QPointF(0, -StepY));
      default:
        QWidget::keyPressEvent(E);
    }
  }

  void mousePressEvent(QMouseEvent* E) override {
    setFocus(Qt::MouseFocusReason);
    if (E->button() != Qt::LeftButton) return;
    Dragging = true;
    AutoFit = false;
    DragStart = E->position();
    DragOffset = Offset;
    setCursor(Qt::ClosedHandCursor);
  }

  void mouseMoveEvent(QMouseEvent* E) override {
    const TPointMm At = ToMm(E->position());
    emit Owner->CursorText(
        TLayersView::tr("X %1  Y %2 mm").arg(At.X, 0, 'f', 3).arg(At.Y, 0, 'f', 3));
    if (Dragging) {
      // The rendered picture moves along; the board is drawn again on release.
      Offset = DragOffset + (E->position() - DragStart);
      update();
      return;
    }
    Hover(E->position());
  }

  void mouseReleaseEvent(QMouseEvent* E) override {
    if (E->button() != Qt::LeftButton || !Dragging) return;
    Dragging = false;
    setCursor(Qt::OpenHandCursor);
    Redraw();
  }

  void leaveEvent(QEvent*) override {
    Tell(std::nullopt);
    emit Owner->CursorText(QString());
  }

 private:
  double ClampZoom(double Z) const {
    const TBoxMm Box = Index.Bounds();
    const double Side = std::max(Box.Width(), Box.Height());
    const double Upper = Side > 0 ? std::min(MaxZoom, MaxBoardPixels / Side) : MaxZoom;
    return std::clamp(Z, MinZoom, std::max(Upper, MinZoom));
  }

  TBoxMm VisibleBox() const {
    TBoxMm Box;
    Box.Add(ToMm(QPointF(0, 0)));
    Box.Add(ToMm(QPointF(width(), height())));
    return Box;
  }

  // The board may be half loaded again while a message box of the reader
  // lets the view paint: every look-up goes through the bounds checks.
  bool UndefinedFlash(const TItemRef& Item) const {
    if (Item.Kind != TItemKind::Flash || Item.Layer >= Board->Layers.Count()) return false;
    const TPcbFlash* F = preview::FindItem(Board->Layers.Items(Item.Layer).Flashes, Item.Index);
    return F && (!Options.Pins || !Options.Pins->Exists(PinRowOf(F->PinNumber)));
  }

  // Draws every visible layer into Cache, bottom first, each at the preview's
  // layer opacity. Items under a pixel are one pixel of their colour.
  void RenderCache() {
    const qreal Ratio = devicePixelRatioF();
    const QSize Pixels = size() * Ratio;
    Cache = QImage(Pixels, QImage::Format_ARGB32_Premultiplied);
    Cache.setDevicePixelRatio(Ratio);
    Cache.fill(ToQColor(preview::BackgroundColour));
    CacheOffset = Offset;
    CacheZoom = Zoom;
    CacheValid = true;
    if (!Board || Pixels.isEmpty()) return;
    QImage Layer(Pixels, QImage::Format_ARGB32_Premultiplied);
    Layer.setDevicePixelRatio(Ratio);
    preview::TBoardRenderer Renderer(*Board, Options);
    const TBoxMm View = VisibleBox();
    std::vector<std::size_t> Dots;
    for (int L : Order) {
      if (!Visible[static_cast<std::size_t>(L)] || Index.Layer(L).Count() == 0) continue;
      Layer.fill(Qt::transparent);
      Dots.clear();
      {
        QPainter P(&Layer);
        P.setRenderHint(QPainter::Antialiasing);
        TPainterSink Sink(P, Zoom, Offset, Colours[static_cast<std::size_t>(L)], Letters);
        Index.Layer(L).Query(View, [&](const TItemRef& Item, const preview::TBoxF& Box) {
          if (Box.Width() * Zoom < 1 && Box.Height() * Zoom < 1 && !UndefinedFlash(Item)) {
            const double X = ((Box.Left + Box.Right) / 2.0 * Zoom + Offset.x()) * Ratio;
            const double Y = (-(Box.Bottom + Box.Top) / 2.0 * Zoom + Offset.y()) * Ratio;
            if (X >= 0 && Y >= 0 && X < Pixels.width() && Y < Pixels.height())
              Dots.push_back(static_cast<std::size_t>(Y) *
                                 static_cast<std::size_t>(Pixels.width()) +
                             static_cast<std::size_t>(X));
            return;
          }
          Renderer.RenderItem(Item, Sink);
        });
      }
      const QRgb Dot = Colours[static_cast<std::size_t>(L)].rgba();
      QRgb* Bits = reinterpret_cast<QRgb*>(Layer.bits());
      for (std::size_t At : Dots) Bits[At] = Dot;
      QPainter C(&Cache);
      C.setOpacity(preview::LayerOpacity);
      C.drawImage(QPointF(0, 0), Layer);
    }
  }

  void Hover(QPointF At) {
    if (!Board) return Tell(std::nullopt);
    preview::TBoardRenderer Renderer(*Board, Options);
    Tell(preview::HitTest(Index, Renderer, ToMm(At), HoverPixels / Zoom, Visible));
  }

  void Tell(std::optional<TItemRef> Item) {
    if (Item == Hovered) return;
    Hovered = Item;
    emit Owner->StatusText(
        Item && Board ? QString::fromStdString(preview::DescribeItem(*Board, Options, *Item))
                      : QString());
  }

  TLayersView* Owner;
  const TScriptingPcb* Board = nullptr;
  preview::TRenderOptions Options;
  preview::TBoardIndex Index;
  std::vector<std::string> LayerNames;
  std::vector<bool> Visible;
  std::vector<int> Order;
  std::vector<QColor> Colours;
  std::optional<TItemRef> Hovered;

  double Zoom = 10;  // pixels per millimetre
  QPointF Offset;    // where the board's origin is, in widget pixels
  bool AutoFit = true;
  QImage Cache;
  QPointF CacheOffset;
  double CacheZoom = 10;
  TLetterCache Letters;
  QTimer SharpTimer;
  bool CacheValid = false;
  bool Dragging = false;
  QPointF DragStart, DragOffset;

  friend class TLayersView;
};

TLayersView::TLayersView(QWidget* Parent) : QWidget(Parent) {
  List = new QListWidget;
  List->setObjectName(QStringLiteral("LayerList"));
  List->setMaximumWidth(220);
  FitBtn = new QPushButton(tr("Fit"));
  FitBtn->setObjectName(QStringLiteral("FitBtn"));
  Canvas = new TBoardCanvas(this);
  Canvas->setObjectName(QStringLiteral("BoardView"));

  auto* Side = new QVBoxLayout;
  Side->addWidget(List, 1);
  Side->addWidget(FitBtn);
  Side->addWidget(new QLabel(tr("Wheel, +, -: zoom\nDrag, arrows: pan\nCtrl+0: fit")));
  auto* Row = new QHBoxLayout(this);
  Row->setContentsMargins(0, 0, 0, 0);
  Row->addLayout(Side);
  Row->addWidget(Canvas, 1);

  connect(FitBtn, &QPushButton::clicked, this, &TLayersView::Fit);
  connect(List, &QListWidget::itemChanged, this, &TLayersView::LayerItemChanged);
}

TLayersView::~TLayersView() = default;

QWidget* TLayersView::View() const { return Canvas; }

QPointF TLayersView::ViewPoint(double XMm, double YMm) const { return Canvas->ToPx({XMm, YMm}); }

void TLayersView::SetBoard(const TScriptingPcb* NewBoard) { Board = NewBoard; }

double TLayersView::DbuFactor() const { return Dbu; }

bool TLayersView::SetDbuFactor(double Factor) {
  if (!(Factor > 0) || !std::isfinite(Factor) || Factor == Dbu) return false;
  Dbu = Factor;
  return true;
}

void TLayersView::Refresh() {
  const bool NewLayers = Canvas->Load(Board, DbuFactor());
  const QSignalBlocker Quiet(List);
  List->clear();
  if (Board) {
    for (int L = 0; L < Board->Layers.Count(); ++L) {
      const TLayer& Layer = Board->Layers.Items(L);
      QPixmap Swatch(14, 14);
      Swatch.fill(Canvas->Colours[static_cast<std::size_t>(L)]);
      auto* Item = new QListWidgetItem(QIcon(Swatch),
                                       QStringLiteral("%1  %2").arg(L).arg(FromCp1251(Layer.Name)));
      Item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
      Item->setCheckState(Canvas->Visible[static_cast<std::size_t>(L)] ? Qt::Checked
                                                                       : Qt::Unchecked);
      Item->setToolTip(QString::fromLatin1(RoleId(RoleOfLayerName(Layer.Name))));
      List->addItem(Item);
    }
  }
  if (NewLayers) Fit();
}

void TLayersView::Fit() { Canvas->Fit(); }

void TLayersView::Sharpen() { Canvas->Sharpen(); }

void TLayersView::LayerItemChanged(QListWidgetItem* Item) {
  Canvas->SetLayerVisible(List->row(Item), Item->checkState() == Qt::Checked);
}

}  // namespace quillon::app
