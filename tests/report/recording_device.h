// A paint device that keeps what is painted on it, in paper millimetres,
// so tests can check places without rasterising or parsing a PDF.
#pragma once

#include <QColor>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QRectF>
#include <QString>
#include <QTransform>

#include <memory>
#include <vector>

struct PaintOp {
  enum Kind { Text, Fill, Outline };
  Kind kind = Text;
  QRectF mm;             // Text: left at the pen start, top at baseline - ascent
  QString text;          // Text only
  QString family;        // as requested by the painter
  QString usedFamily;    // as resolved on this system
  double pointSize = 0;
  QColor color;          // brush colour of a fill, pen colour otherwise
  bool clipped = false;  // clipping was on when this was painted

  bool operator==(const PaintOp&) const = default;
};

class RecordingDevice : public QPaintDevice {
 public:
  static constexpr int kDpi = 600;

  RecordingDevice();
  ~RecordingDevice() override;

  QPaintEngine* paintEngine() const override;
  const std::vector<PaintOp>& ops() const;

 protected:
  int metric(PaintDeviceMetric metric) const override;

 private:
  std::unique_ptr<QPaintEngine> engine_;
};
