#include "recording_device.h"

#include <QFontInfo>
#include <QPen>
#include <QTextItem>

namespace {

constexpr double kMmPerPx = 25.4 / RecordingDevice::kDpi;

QRectF ToMm(const QRectF& px) { return {px.topLeft() * kMmPerPx, px.size() * kMmPerPx}; }

class RecordingEngine : public QPaintEngine {
 public:
  RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}

  bool begin(QPaintDevice*) override { return true; }
  bool end() override { return true; }
  Type type() const override { return QPaintEngine::User; }

  void updateState(const QPaintEngineState& state) override {
    const auto dirty = state.state();
    if (dirty & DirtyTransform) transform_ = state.transform();
    if (dirty & DirtyPen) pen_ = state.pen();
    if (dirty & DirtyBrush) brush_ = state.brush();
    if (dirty & DirtyClipEnabled) clip_ = state.isClipEnabled();
    if (dirty & (DirtyClipRegion | DirtyClipPath)) clip_ = state.clipOperation() != Qt::NoClip;
  }

  using QPaintEngine::drawRects;
  void drawRects(const QRectF* rects, int count) override {
    for (int i = 0; i < count; ++i) {
      const QRectF mm = ToMm(transform_.mapRect(rects[i]));
      if (brush_.style() != Qt::NoBrush) Add(PaintOp::Fill, mm, brush_.color());
      if (pen_.style() != Qt::NoPen) Add(PaintOp::Outline, mm, pen_.color());
    }
  }

  void drawTextItem(const QPointF& origin, const QTextItem& item) override {
    const QPointF px = transform_.map(origin);
    const QRectF mm(px.x() * kMmPerPx, (px.y() - item.ascent()) * kMmPerPx,
                    item.width() * kMmPerPx, (item.ascent() + item.descent()) * kMmPerPx);
    PaintOp& op = Add(PaintOp::Text, mm, pen_.color(), item.text());
    const QFont font = item.font();
    op.family = font.family();
    op.usedFamily = QFontInfo(font).family();
    op.pointSize = font.pointSizeF();
  }

  void drawPixmap(const QRectF& r, const QPixmap&, const QRectF&) override {
    Add(PaintOp::Fill, ToMm(transform_.mapRect(r)), {}, "pixmap");
  }

  std::vector<PaintOp> ops;

 private:
  PaintOp& Add(PaintOp::Kind kind, const QRectF& mm, const QColor& color, const QString& text = {}) {
    PaintOp& op = ops.emplace_back();
    op.kind = kind;
    op.mm = mm;
    op.color = color;
    op.text = text;
    op.clipped = clip_;
    return op;
  }

  QTransform transform_;
  QPen pen_;
  QBrush brush_;
  bool clip_ = false;
};

}  // namespace

RecordingDevice::RecordingDevice() : engine_(std::make_unique<RecordingEngine>()) {}
RecordingDevice::~RecordingDevice() = default;

QPaintEngine* RecordingDevice::paintEngine() const { return engine_.get(); }

const std::vector<PaintOp>& RecordingDevice::ops() const {
  return static_cast<const RecordingEngine&>(*engine_).ops;
}

int RecordingDevice::metric(PaintDeviceMetric metric) const {
  switch (metric) {
    case PdmWidth:
      return qRound(210 / 25.4 * kDpi);
    case PdmHeight:
      return qRound(297 / 25.4 * kDpi);
    case PdmWidthMM:
      return 210;
    case PdmHeightMM:
      return 297;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
      return kDpi;
    case PdmDepth:
      return 32;
    case PdmNumColors:
      return 0x7fffffff;
    case PdmDevicePixelRatio:
      return 1;
    case PdmDevicePixelRatioScaled:
      return qRound(devicePixelRatioFScale());
    default:
      return QPaintDevice::metric(metric);
  }
}
