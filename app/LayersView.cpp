// SPDX-License-Identifier: MIT
#include "app/LayersView.h"

#include <QElapsedTimer>
#include <QEventLoop>
#include <QFuture>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRegion>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <QtConcurrent/QtConcurrentRun>
#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <optional>
#include <vector>

#include "app/Cp1251.h"
#include "app/ItemText.h"
#include "app/RoleNames.h"
#include "pins/Pins.h"
#include "preview/HitTest.h"
#include "preview/Palette.h"
#include "preview/SpatialIndex.h"
#include "preview/qt/PainterSink.h"
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
// What one key press of +, - or an arrow does.
constexpr double KeyZoomFactor = 1.25;
constexpr double KeyPanShare = 0.125;
// How long the sharp picture may be waited for before "Drawing…" shows.
constexpr int DrawingSignMs = 150;

using TStopFlag = std::shared_ptr<std::atomic<bool>>;

TStopFlag NewStopFlag() { return std::make_shared<std::atomic<bool>>(false); }

// What the pictures are drawn from: made on a worker from the board, then
// only read, by the window's thread (hovering) and by one drawing at a time.
struct TScene {
  const TScriptingPcb* Board = nullptr;
  // A copy: the window may read a new pin table while a picture is drawn.
  TPins Pins;
  preview::TRenderOptions Options;
  preview::TBoardIndex Index;
  std::vector<int> Order;
};

// Null when Stop turned true before the index was complete.
std::shared_ptr<const TScene> BuildScene(const TScriptingPcb* Board, TPins Pins, double Dbu,
                                         std::vector<int> Order, const TStopFlag& Stop) {
  auto Scene = std::make_shared<TScene>();
  Scene->Board = Board;
  Scene->Pins = std::move(Pins);
  Scene->Options = {Dbu, &Scene->Pins};
  if (!Scene->Index.Build(*Board, Scene->Options, Stop.get())) return nullptr;
  Scene->Order = std::move(Order);
  return Scene;
}

// A flash whose pin has no description row is a warning: never a mere dot.
bool UndefinedFlash(const TScene& Scene, const TItemRef& Item) {
  if (Item.Kind != TItemKind::Flash || Item.Layer >= Scene.Board->Layers.Count()) return false;
  const TPcbFlash* F = preview::FindItem(Scene.Board->Layers.Items(Item.Layer).Flashes, Item.Index);
  return F && !Scene.Pins.Exists(PinRowOf(F->PinNumber));
}

TBoxMm BoxMm(const preview::TBoxF& B) { return {B.Left, B.Bottom, B.Right, B.Top}; }

// The board area a view of Size logical pixels shows.
TBoxMm VisibleBox(const preview::TPaintView& View, QSizeF Size) {
  TBoxMm Box;
  Box.Add({-View.Offset.x() / View.Zoom, View.Offset.y() / View.Zoom});
  Box.Add({(Size.width() - View.Offset.x()) / View.Zoom,
           (View.Offset.y() - Size.height()) / View.Zoom});
  return Box;
}

// One picture to draw: everything it needs, copied, so that the window may
// zoom, pan and toggle layers while it is drawn.
struct TPictureJob {
  std::shared_ptr<const TScene> Scene;
  // One cache a drawing thread: a cache is used by one thread at a time.
  std::vector<preview::TLetterCache>* Letters = nullptr;
  QThreadPool* Helpers = nullptr;  // the threads beside the job's own; none: it draws alone
  std::vector<bool> Visible;
  std::vector<QColor> Colours;
  preview::TPaintView View;
  QSize Size;  // logical pixels
  qreal Ratio = 1;
  TStopFlag Stop;
  // The last picture, when it shows the same layers at the same zoom moved by
  // whole pixels (a pan): its pixels land at ReusedAt (device pixels) and
  // only what it does not cover is drawn.
  QImage Reused;
  QPoint ReusedAt;
};

// Draws the part Piece (device pixels) of the job's picture into an image of
// its own: every visible layer, bottom first, each at the preview's layer
// opacity; only the items the index finds in view, and those under a pixel
// as that pixel. Returns a null image when stopped.
QImage DrawPiece(const TPictureJob& Job, const QRect& Piece, preview::TLetterCache& Letters) {
  QImage Picture(Piece.size(), QImage::Format_ARGB32_Premultiplied);
  Picture.setDevicePixelRatio(Job.Ratio);
  Picture.fill(preview::ToQColor(preview::BackgroundColour));
  if (!Job.Scene) return Picture;
  const TScene& Scene = *Job.Scene;
  QImage Layer(Piece.size(), QImage::Format_ARGB32_Premultiplied);
  Layer.setDevicePixelRatio(Job.Ratio);
  preview::TBoardRenderer Renderer(*Scene.Board, Scene.Options);
  const preview::TPaintView View{Job.View.Zoom,
                                 Job.View.Offset - QPointF(Piece.topLeft()) / Job.Ratio};
  // An item may reach a few pixels beyond its box (an undefined pin's mark,
  // a pen's width of at least a pixel): one that ends just outside the piece
  // is still drawn into its edge, as it would be in one whole picture.
  TBoxMm Box = VisibleBox(View, QSizeF(Piece.size()) / Job.Ratio);
  const double Reach = (MinMarkPixels + 2) / View.Zoom;
  Box = {Box.Left - Reach, Box.Bottom - Reach, Box.Right + Reach, Box.Top + Reach};
  const preview::TPaintStyle Style{&Letters, MinMarkPixels};
  std::size_t Seen = 0;
  bool Stopped = false;
  for (const int L : Scene.Order) {
    const auto At = static_cast<std::size_t>(L);
    if (At >= Job.Visible.size() || At >= Job.Colours.size() || !Job.Visible[At] ||
        Scene.Index.Layer(L).Count() == 0)
      continue;
    preview::PaintLayer(
        Picture, Layer, Job.Colours[At], View, Style, [&](preview::TPainterSink& Sink) {
          Scene.Index.Layer(L).Query(Box, [&](const TItemRef& Item, const preview::TBoxF& B) {
            if (Job.Stop && ++Seen % preview::StopCheckItems == 0 &&
                Job.Stop->load(std::memory_order_relaxed))
              Stopped = true;
            if (Stopped || (!UndefinedFlash(Scene, Item) && Sink.Dot(BoxMm(B)))) return;
            Renderer.RenderItem(Item, Sink);
          });
        });
    if (Stopped) return QImage();
  }
  return Picture;
}

// Copies From (or the part of it that fits) into Into with its top-left
// corner at At, pixel for pixel.
void CopyPixels(QImage& Into, const QImage& From, QPoint At) {
  const QRect Target = QRect(At, From.size()) & Into.rect();
  if (Target.isEmpty()) return;
  const auto Bytes = static_cast<std::size_t>(Target.width()) * 4;
  for (int Y = Target.top(); Y <= Target.bottom(); ++Y)
    std::memcpy(Into.scanLine(Y) + static_cast<std::size_t>(Target.left()) * 4,
                From.constScanLine(Y - At.y()) + static_cast<std::size_t>(Target.left() - At.x()) * 4,
                Bytes);
}

// The parts of the picture to draw anew, in bands of a few rows each, so
// that the drawing threads share them out evenly.
std::vector<QRect> PiecesToDraw(const TPictureJob& Job, QSize Pixels) {
  QRegion Left(QRect(QPoint(0, 0), Pixels));
  if (!Job.Reused.isNull()) Left -= QRect(Job.ReusedAt, Job.Reused.size());
  // The same pieces however many threads draw them.
  constexpr int Bands = 8;
  const int Rows = std::max(32, (Pixels.height() + Bands - 1) / Bands);
  std::vector<QRect> Pieces;
  for (const QRect& Part : Left)
    for (int Top = Part.top(); Top <= Part.bottom(); Top += Rows)
      Pieces.emplace_back(Part.left(), Top, Part.width(), std::min(Rows, Part.bottom() + 1 - Top));
  return Pieces;
}

// The job's picture: the reused pixels of the last one and the rest drawn
// by the job's thread and its helpers together, each taking the next piece
// until none is left. Returns a null image when stopped.
QImage DrawBoardPicture(const TPictureJob& Job) {
  const QSize Pixels = Job.Size * Job.Ratio;
  QImage Picture(Pixels, QImage::Format_ARGB32_Premultiplied);
  Picture.setDevicePixelRatio(Job.Ratio);
  Picture.fill(preview::ToQColor(preview::BackgroundColour));
  if (!Job.Scene || Pixels.isEmpty()) return Picture;
  if (!Job.Reused.isNull()) CopyPixels(Picture, Job.Reused, Job.ReusedAt);
  const std::vector<QRect> Pieces = PiecesToDraw(Job, Pixels);
  std::vector<QImage> Drawn(Pieces.size());
  std::atomic<std::size_t> Next{0};
  std::atomic<bool> Failed{false};
  const auto Work = [&](preview::TLetterCache& Letters) {
    for (std::size_t I = Next++; I < Pieces.size() && !Failed; I = Next++) {
      Drawn[I] = DrawPiece(Job, Pieces[I], Letters);
      if (Drawn[I].isNull()) Failed = true;
    }
  };
  std::vector<QFuture<void>> Beside;
  const std::size_t Threads = std::min<std::size_t>(Job.Letters->size(), Pieces.size());
  for (std::size_t T = 1; T < Threads && Job.Helpers; ++T)
    Beside.push_back(QtConcurrent::run(Job.Helpers, [&, T] { Work((*Job.Letters)[T]); }));
  Work(Job.Letters->front());
  for (QFuture<void>& F : Beside) F.waitForFinished();
  if (Failed) return QImage();
  for (std::size_t I = 0; I < Pieces.size(); ++I) CopyPixels(Picture, Drawn[I], Pieces[I].topLeft());
  return Picture;
}

}  // namespace

// The zoomable, pannable picture of the board. The index and every picture
// are made on worker threads, one at a time: the window shows the last
// picture, moved and scaled to the newest view, until the next one is ready,
// and a view that changes again stops the drawing of the older one.
class TBoardCanvas final : public QWidget {
 public:
  explicit TBoardCanvas(TLayersView* Owner) : QWidget(Owner), Owner(Owner) {
    setMouseTracking(true);
    setMinimumSize(200, 150);
    setCursor(Qt::OpenHandCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // The picture is drawn by as many threads as there are cores: the job's
    // own and its helpers.
    const int Threads = std::max(1, QThread::idealThreadCount());
    Letters.resize(static_cast<std::size_t>(Threads));
    Helpers.setMaxThreadCount(std::max(1, Threads - 1));
    SignDelay.setSingleShot(true);
    SignDelay.setInterval(DrawingSignMs);
    connect(&SignDelay, &QTimer::timeout, this, [this] { update(); });
  }

  ~TBoardCanvas() override { StopWork(); }

  // Takes the board anew; its index is made on a worker when the view is
  // next shown. Returns whether its layers differ from before.
  bool Load(const TScriptingPcb* NewBoard, double Dbu, const std::vector<TLayerRole>& Roles) {
    StopWork();
    std::vector<std::string> Names;
    if (NewBoard)
      for (const TLayer& L : NewBoard->Layers) Names.push_back(L.Name);
    const bool NewLayers = Names != LayerNames;
    LayerNames = std::move(Names);
    Board = NewBoard;
    DbuFactor = Dbu;
    Scene.reset();
    ++Content;
    for (preview::TLetterCache& Cache : Letters) Cache.Clear();
    Colours.clear();
    LayerRoles.clear();
    if (Board) {
      // The roles chosen for the conversion; by the layers' names until then.
      LayerRoles = Roles.size() == static_cast<std::size_t>(Board->Layers.Count())
                       ? Roles
                       : preview::RolesByName(*Board);
      for (int L = 0; L < Board->Layers.Count(); ++L)
        Colours.push_back(preview::ToQColor(preview::LayerColour(LayerRoles, L)));
    }
    if (NewLayers) {
      Visible.assign(LayerNames.size(), true);
      Picture = QImage();  // another board's picture would mislead
    }
    SceneWanted = Board != nullptr;
    Hovered.reset();
    Redraw();
    return NewLayers;
  }

  void SetLayerVisible(int L, bool Shown) {
    if (L < 0 || static_cast<std::size_t>(L) >= Visible.size()) return;
    Visible[static_cast<std::size_t>(L)] = Shown;
    ++Content;
    Redraw();
  }

  void Fit() {
    AutoFit = true;
    Mark.reset();
    if (!Scene && (SceneWanted || SceneRunning)) {
      FitWhenReady = true;  // the board's extent is known with its index
      return Redraw();
    }
    FitWhenReady = false;
    const TBoxMm Box = Scene ? Scene->Index.Bounds() : TBoxMm();
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
    Redraw();
  }

  // Centres the view on a board point, near enough to tell one pad from the
  // next, and marks it.
  void ShowPoint(TPointMm Point) {
    AutoFit = false;
    FitWhenReady = false;
    const double W = std::max(width(), 1), H = std::max(height(), 1);
    constexpr double SpanMm = 20;
    Zoom = ClampZoom(std::max(Zoom, std::min(W, H) / SpanMm));
    Offset = QPointF(W / 2 - Point.X * Zoom, H / 2 + Point.Y * Zoom);
    Mark = Point;
    Redraw();
  }
  std::optional<TPointMm> Mark;

  // Zooms by Factor keeping the board point under At where it is.
  void ZoomAbout(QPointF At, double Factor) {
    const TPointMm Mm = ToMm(At);
    AutoFit = false;
    FitWhenReady = false;
    Zoom = ClampZoom(Zoom * Factor);
    Offset = QPointF(At.x() - Mm.X * Zoom, At.y() + Mm.Y * Zoom);
    Redraw();
  }

  // Moves the board by Delta pixels (an arrow key: the view's eighth).
  void PanBy(QPointF Delta) {
    AutoFit = false;
    FitWhenReady = false;
    Offset += Delta;
    Redraw();
  }

  // The picture no longer shows the view: the last one is shown moved and
  // scaled at once, and a new one is drawn. One being drawn is stopped, so
  // that a run of wheel turns or key presses ends in one drawing of the view
  // they reached, not in one per step.
  void Redraw() {
    if (!Pending.isValid()) {
      Pending.start();
      SignDelay.start();
    }
    PictureWanted = true;
    if (PictureStop) PictureStop->store(true);
    update();
  }

  // Starts what the view waits for, unless the board may be changing.
  void StartWork() {
    if (Paused || Dragging || SceneRunning || PictureRunning) return;
    if (SceneWanted) return StartScene();
    if (Scene && PictureWanted) StartPicture();
    if (!Scene && PictureWanted) {
      // Nothing to draw: the empty picture is the newest at once.
      Picture = QImage();
      PictureView = {Zoom, Offset};
      PictureWanted = false;
      Pending.invalidate();
      emit Owner->PictureReady();
    }
  }

  // Stops the workers and waits for them: for a moment only, as they look
  // at their stop flags every few thousand items.
  void StopWork() {
    if (SceneStop) SceneStop->store(true);
    if (PictureStop) PictureStop->store(true);
    SceneJob.waitForFinished();
    PictureJob.waitForFinished();
    ++SceneRound;
    ++PictureRound;
    if (SceneRunning) SceneWanted = true;
    if (PictureRunning) PictureWanted = true;
    SceneRunning = PictureRunning = false;
    SceneStop.reset();
    PictureStop.reset();
  }

  // While paused nothing is drawn on the workers: the board is being changed.
  void SetPaused(bool Pause) {
    Paused = Pause;
    if (Pause)
      StopWork();
    else
      update();
  }

  bool PictureCurrent() const {
    return !SceneWanted && !SceneRunning && !PictureWanted && !PictureRunning;
  }

  // Whether "Drawing…" is shown: the sharp picture has been waited for
  // longer than a blink, which a small board never makes the user see.
  bool DrawingSignShown() const {
    return Board && !PictureCurrent() && Pending.isValid() && Pending.elapsed() >= DrawingSignMs;
  }

  // The view's picture drawn here and now, as a worker would draw it.
  QImage DrawNow() {
    std::vector<preview::TLetterCache> Own(1);  // the workers' caches may be in use
    TPictureJob Job = NewJob();
    Job.Letters = &Own;
    Job.Helpers = nullptr;
    return DrawBoardPicture(Job);
  }

  double CurrentZoom() const { return Zoom; }
  QPointF ToPx(TPointMm Mm) const { return {Mm.X * Zoom + Offset.x(), -Mm.Y * Zoom + Offset.y()}; }
  TPointMm ToMm(QPointF Px) const {
    return {(Px.x() - Offset.x()) / Zoom, (Offset.y() - Px.y()) / Zoom};
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    StartWork();
    QPainter P(this);
    P.fillRect(rect(), preview::ToQColor(preview::BackgroundColour));
    if (!Picture.isNull()) {
      // Picture pixel c shows the board point that now lies at
      // Offset + (c - PictureOffset) * Zoom / PictureZoom.
      const double Scale = Zoom / PictureView.Zoom;
      P.save();
      P.translate(Offset);
      P.scale(Scale, Scale);
      P.drawImage(-PictureView.Offset, Picture);
      P.restore();
    }
    if (Board && Picture.isNull() && !PictureCurrent()) {
      P.setPen(palette().color(QPalette::BrightText));
      P.drawText(rect(), Qt::AlignCenter, TLayersView::tr("Drawing…"));
    } else if (DrawingSignShown()) {
      // The picture shown is the last one moved or scaled: coarse until the
      // sharp one is ready.
      const QString Sign = TLayersView::tr("Drawing…");
      const QRect Box = P.fontMetrics().boundingRect(Sign).adjusted(-6, -3, 6, 3);
      const QRect At(QPoint(8, 8), Box.size());
      P.fillRect(At, QColor(0, 0, 0, 160));
      P.setPen(Qt::white);
      P.drawText(At, Qt::AlignCenter, Sign);
    }
    if (Mark) {
      constexpr double Radius = 12;
      const QPointF At = ToPx(*Mark);
      P.setRenderHint(QPainter::Antialiasing);
      P.setPen(QPen(QColor(255, 64, 255), 2));
      P.drawEllipse(At, Radius, Radius);
      P.drawLine(At - QPointF(Radius * 1.6, 0), At + QPointF(Radius * 1.6, 0));
      P.drawLine(At - QPointF(0, Radius * 1.6), At + QPointF(0, Radius * 1.6));
    }
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
    // Whole pixels: the last picture moved so is kept, only the strip it
    // leaves is drawn.
    const double StepX = std::round(width() * KeyPanShare),
                 StepY = std::round(height() * KeyPanShare);
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
    FitWhenReady = false;
    DragStart = E->position();
    DragOffset = Offset;
    setCursor(Qt::ClosedHandCursor);
  }

  void mouseMoveEvent(QMouseEvent* E) override {
    const TPointMm At = ToMm(E->position());
    emit Owner->CursorText(
        TLayersView::tr("X %1  Y %2 mm").arg(At.X, 0, 'f', 3).arg(At.Y, 0, 'f', 3));
    if (Dragging) {
      // The picture moves along; the board is drawn again on release.
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
    const TBoxMm Box = Scene ? Scene->Index.Bounds() : TBoxMm();
    const double Side = std::max(Box.Width(), Box.Height());
    const double Upper = Side > 0 ? std::min(MaxZoom, MaxBoardPixels / Side) : MaxZoom;
    return std::clamp(Z, MinZoom, std::max(Upper, MinZoom));
  }

  void StartScene() {
    SceneWanted = false;
    SceneRunning = true;
    SceneStop = NewStopFlag();
    const quint64 Round = ++SceneRound;
    // Read here, on the window's thread, where the table changes.
    TPins Pins = Board->Pins;
    SceneJob =
        QtConcurrent::run([this, Round, Target = Board, Dbu = DbuFactor, Pins = std::move(Pins),
                           Order = preview::StackingOrder(LayerRoles), Stop = SceneStop]() mutable {
          std::shared_ptr<const TScene> Made =
              BuildScene(Target, std::move(Pins), Dbu, std::move(Order), Stop);
          QMetaObject::invokeMethod(
              this, [this, Round, Made] { SceneReady(Round, Made); }, Qt::QueuedConnection);
        });
  }

  void SceneReady(quint64 Round, const std::shared_ptr<const TScene>& Made) {
    if (Round != SceneRound) return;  // stopped and superseded
    SceneRunning = false;
    SceneStop.reset();
    if (!Made) {
      SceneWanted = true;
      return update();
    }
    Scene = Made;
    ++Content;
    if (FitWhenReady) Fit();
    Redraw();
  }

  TPictureJob NewJob() {
    TPictureJob Job;
    Job.Scene = Scene;
    Job.Letters = &Letters;
    Job.Helpers = Letters.size() > 1 ? &Helpers : nullptr;
    Job.Visible = Visible;
    Job.Colours = Colours;
    Job.View = {Zoom, Offset};
    Job.Size = size();
    Job.Ratio = devicePixelRatioF();
    return Job;
  }

  void StartPicture() {
    PictureWanted = false;
    PictureRunning = true;
    PictureStop = NewStopFlag();
    TPictureJob Job = NewJob();
    Job.Stop = PictureStop;
    ReuseLastPicture(Job);
    const QSize Pixels = Job.Size * Job.Ratio;
    DrawnShare = Pixels.isEmpty() ? 1.0 : PiecesArea(PiecesToDraw(Job, Pixels)) /
                                             (static_cast<double>(Pixels.width()) * Pixels.height());
    const quint64 Round = ++PictureRound;
    PictureJob = QtConcurrent::run([this, Round, Job = std::move(Job), Of = Content] {
      QImage Drawn = DrawBoardPicture(Job);
      QMetaObject::invokeMethod(
          this, [this, Round, Drawn, View = Job.View, Of] { PictureDone(Round, Drawn, View, Of); },
          Qt::QueuedConnection);
    });
  }

  static double PiecesArea(const std::vector<QRect>& Pieces) {
    double Area = 0;
    for (const QRect& R : Pieces) Area += static_cast<double>(R.width()) * R.height();
    return Area;
  }

  // After a pan the last picture still holds most of the new one: at the
  // same zoom, of the same layers, moved by whole device pixels.
  void ReuseLastPicture(TPictureJob& Job) const {
    if (Picture.isNull() || PictureContent != Content || PictureView.Zoom != Job.View.Zoom ||
        Picture.devicePixelRatio() != Job.Ratio)
      return;
    const QPointF Moved = (Job.View.Offset - PictureView.Offset) * Job.Ratio;
    const QPoint Whole = Moved.toPoint();
    if (std::abs(Moved.x() - Whole.x()) > 1e-6 || std::abs(Moved.y() - Whole.y()) > 1e-6) return;
    Job.Reused = Picture;
    Job.ReusedAt = Whole;
  }

  // A picture of a view that has changed since is dropped: the newest view
  // is being drawn already, or is about to be.
  void PictureDone(quint64 Round, const QImage& Drawn, const preview::TPaintView& View,
                   quint64 Of) {
    if (Round != PictureRound) return;
    PictureRunning = false;
    const bool Stale = PictureStop && PictureStop->load();
    PictureStop.reset();
    if (!Stale && !Drawn.isNull()) {
      Picture = Drawn;
      PictureView = View;
      PictureContent = Of;
    }
    update();
    if (PictureCurrent()) {
      Pending.invalidate();
      emit Owner->PictureReady();
    }
  }

  void Hover(QPointF At) {
    if (!Scene || !Board) return Tell(std::nullopt);
    preview::TBoardRenderer Renderer(*Scene->Board, Scene->Options);
    Tell(preview::HitTest(Scene->Index, Renderer, ToMm(At), HoverPixels / Zoom, Visible));
  }

  void Tell(std::optional<TItemRef> Item) {
    if (Item == Hovered) return;
    Hovered = Item;
    emit Owner->StatusText(Item && Scene ? TItemText::Describe(*Scene->Board, Scene->Options, *Item)
                                         : QString());
  }

  TLayersView* Owner;
  const TScriptingPcb* Board = nullptr;
  double DbuFactor = DefaultDbuFactor;
  std::shared_ptr<const TScene> Scene;
  std::vector<std::string> LayerNames;
  std::vector<bool> Visible;
  std::vector<QColor> Colours;
  std::vector<TLayerRole> LayerRoles;  // of the board loaded, one a layer
  std::optional<TItemRef> Hovered;
  std::vector<preview::TLetterCache> Letters;  // one a drawing thread
  QThreadPool Helpers;
  // Counts every change of what the pictures show other than the view (the
  // scene, the layers shown, their colours): a picture of an older content
  // is never reused.
  quint64 Content = 0, PictureContent = 0;
  // The share of the last picture started that is drawn anew, not reused.
  double DrawnShare = 1;
  // Since when the sharp picture is waited for; invalid while it is shown.
  QElapsedTimer Pending;
  QTimer SignDelay;

  double Zoom = 10;  // pixels per millimetre
  QPointF Offset;    // where the board's origin is, in widget pixels
  bool AutoFit = true;
  bool FitWhenReady = false;
  bool Dragging = false;
  QPointF DragStart, DragOffset;

  // The last picture drawn and the view it shows.
  QImage Picture;
  preview::TPaintView PictureView;

  // The workers: one index and one picture at most, each with its flag
  // asking it to stop and a round number that tells its result from an
  // older one's.
  bool Paused = false;
  bool SceneWanted = false, SceneRunning = false;
  bool PictureWanted = false, PictureRunning = false;
  QFuture<void> SceneJob, PictureJob;
  TStopFlag SceneStop, PictureStop;
  quint64 SceneRound = 0, PictureRound = 0;

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
  // What the marks mean: a flash of a pin the description lacks is drawn in
  // this colour, never as a mere dot.
  auto* Legend = new QLabel(tr("<span style=\"color:%1\">\u25A0</span> undefined pin")
                                .arg(preview::ToQColor(preview::UndefinedPinColour).name()));
  Legend->setObjectName(QStringLiteral("Legend"));
  Legend->setToolTip(tr("A flash whose pin the description lacks: the conversion asks about it."));
  Side->addWidget(Legend);
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

void TLayersView::SetLayerRoles(std::vector<TLayerRole> NewRoles) { Roles = std::move(NewRoles); }

double TLayersView::DbuFactor() const { return Dbu; }

bool TLayersView::SetDbuFactor(double Factor) {
  if (!(Factor > 0) || !std::isfinite(Factor) || Factor == Dbu) return false;
  Dbu = Factor;
  return true;
}

void TLayersView::Refresh() {
  const bool NewLayers = Canvas->Load(Board, DbuFactor(), Roles);
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
      Item->setToolTip(RoleName(Canvas->LayerRoles[static_cast<std::size_t>(L)]));
      List->addItem(Item);
    }
  }
  if (NewLayers) Fit();
}

void TLayersView::Fit() { Canvas->Fit(); }

void TLayersView::Sharpen() { Canvas->StartWork(); }

void TLayersView::ShowPoint(double XMm, double YMm) { Canvas->ShowPoint({XMm, YMm}); }

std::optional<QPointF> TLayersView::MarkedPoint() const {
  if (!Canvas->Mark) return std::nullopt;
  return QPointF(Canvas->Mark->X, Canvas->Mark->Y);
}

void TLayersView::SetPaused(bool Pause) { Canvas->SetPaused(Pause); }

bool TLayersView::PictureCurrent() const { return Canvas->PictureCurrent(); }

bool TLayersView::WaitForPicture(int TimeoutMs) {
  QElapsedTimer Clock;
  Clock.start();
  QEventLoop Loop;
  QTimer Look;
  Look.setInterval(2);
  connect(&Look, &QTimer::timeout, &Loop, [&] {
    // A hidden view is not painted, which is where the drawing starts.
    Canvas->StartWork();
    if (Canvas->PictureCurrent() || Canvas->Paused || Clock.hasExpired(TimeoutMs)) Loop.quit();
  });
  Look.start();
  Canvas->StartWork();
  if (!Canvas->PictureCurrent() && !Canvas->Paused) Loop.exec();
  return Canvas->PictureCurrent();
}

QImage TLayersView::DrawPictureNow() const { return Canvas->DrawNow(); }

QImage TLayersView::ShownPicture() const { return Canvas->Picture; }

bool TLayersView::DrawingSignShown() const { return Canvas->DrawingSignShown(); }

double TLayersView::LastDrawnShare() const { return Canvas->DrawnShare; }

void TLayersView::LayerItemChanged(QListWidgetItem* Item) {
  Canvas->SetLayerVisible(List->row(Item), Item->checkState() == Qt::Checked);
}

}  // namespace quillon::app
