// GDI pens from strokes, and each shape of a scene as polylines, filled shapes and texts.
#include "ui/win32/scene_painter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "preview/pixel_view.h"
#include "ui/win32/scoped_handles.h"
#include "util/shift_jis_text.h"

namespace tq58::ui::win32 {
namespace {

using preview::PointD;
using util::ShiftJisToWide;

constexpr int kMarginPx = 14;     // room for the labels beside the points on the border
constexpr int kTitleBandPx = 18;  // the title's line above the drawing
constexpr int kTitleInsetPx = 4;
constexpr int kLabelOffsetPx = 5;  // a label sits this far right of and above its point

// "#rrggbb" as a GDI colour; anything else is black.
COLORREF ColorOf(const std::string& rgb) {
  unsigned value = 0;
  if (rgb.size() == 7 && rgb[0] == '#') std::from_chars(rgb.data() + 1, rgb.data() + 7, value, 16);
  return RGB((value >> 16) & 0xFF, (value >> 8) & 0xFF, value & 0xFF);
}

// Whole pixels, never less than one.
DWORD AtLeastOnePixel(double px) { return static_cast<DWORD>(std::max(1L, std::lround(px))); }

POINT Pixel(PointD p) { return {std::lround(p.x), std::lround(p.y)}; }

// A geometric pen, so that its width and dash pattern are both kept: solid lines with round
// ends and joins as the host draws them, dashed ones with flat ends so that dots stay dots.
ScopedPen PenOf(const preview::Stroke& stroke) {
  const LOGBRUSH brush{BS_SOLID, ColorOf(stroke.color), 0};
  const DWORD width = AtLeastOnePixel(stroke.widthPx);
  if (stroke.dashPx.empty()) {
    return ScopedPen(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_ROUND | PS_JOIN_ROUND, width,
                                  &brush, 0, nullptr));
  }
  std::vector<DWORD> dashes;
  for (double length : stroke.dashPx) dashes.push_back(AtLeastOnePixel(length));
  return ScopedPen(ExtCreatePen(PS_GEOMETRIC | PS_USERSTYLE | PS_ENDCAP_FLAT | PS_JOIN_ROUND, width,
                                &brush, static_cast<DWORD>(dashes.size()), dashes.data()));
}

// Paints shapes one after the other, making a pen only when the stroke changes, as it does
// only between rows.
class ShapePainter {
 public:
  ShapePainter(HDC dc, const preview::PixelView& view)
      : dc_(dc), view_(view), keptPen_(SelectObject(dc, GetStockObject(BLACK_PEN))) {}
  ~ShapePainter() { SelectObject(dc_, keptPen_); }
  ShapePainter(const ShapePainter&) = delete;
  ShapePainter& operator=(const ShapePainter&) = delete;

  void Paint(const preview::StyledShape& styled) {
    stroke_ = &styled.stroke;
    std::visit(*this, styled.shape);
  }

  void operator()(const preview::SegmentShape& s) { Polyline({s.from, s.to}); }
  void operator()(const preview::CircleShape& c) {
    Polyline(preview::ArcPoints({c.centre, c.radius, 0.0, 360.0}, view_.pixelsPerUnit));
  }
  void operator()(const preview::ArcShape& a) {
    Polyline(preview::ArcPoints(a, view_.pixelsPerUnit));
  }
  void operator()(const preview::PolygonShape& p) {
    const std::vector<POINT> points = Pixels(p.corners);
    const ScopedBrush brush(CreateSolidBrush(ColorOf(stroke_->color)));
    const ScopedSelection fill(dc_, stroke_->filled ? brush.get() : GetStockObject(NULL_BRUSH));
    UsePen();
    ::Polygon(dc_, points.data(), static_cast<int>(points.size()));
  }
  // Texts of the drawing, like labels, in the window's font: a preview shows where they are.
  void operator()(const preview::TextShape& t) {
    const POINT at = Pixel(view_.ToPixels(t.at));
    const std::wstring text = ShiftJisToWide(t.text);
    SetTextColor(dc_, ColorOf(stroke_->color));
    TextOutW(dc_, at.x + kLabelOffsetPx, at.y - kLabelOffsetPx, text.c_str(),
             static_cast<int>(text.size()));
  }
  void operator()(const preview::DotShape& d) {
    const POINT at = Pixel(view_.ToPixels(d.at));
    const int r = static_cast<int>(AtLeastOnePixel(d.radiusPx));
    const ScopedBrush brush(CreateSolidBrush(ColorOf(stroke_->color)));
    const ScopedSelection fill(dc_, brush.get());
    const ScopedSelection noOutline(dc_, GetStockObject(NULL_PEN));
    Ellipse(dc_, at.x - r, at.y - r, at.x + r + 1, at.y + r + 1);
  }

 private:
  std::vector<POINT> Pixels(const std::vector<PointD>& points) const {
    std::vector<POINT> pixels;
    pixels.reserve(points.size());
    for (PointD p : points) pixels.push_back(Pixel(view_.ToPixels(p)));
    return pixels;
  }

  void Polyline(const std::vector<PointD>& points) {
    const std::vector<POINT> pixels = Pixels(points);
    UsePen();
    ::Polyline(dc_, pixels.data(), static_cast<int>(pixels.size()));
  }

  void UsePen() {
    const preview::Stroke& s = *stroke_;
    if (pen_ && s.color == penStroke_.color && s.widthPx == penStroke_.widthPx &&
        s.dashPx == penStroke_.dashPx) {
      return;
    }
    ScopedPen next = PenOf(s);
    SelectObject(dc_, next.get());  // the pen before is no longer selected, so it may go
    pen_ = std::move(next);
    penStroke_ = s;
  }

  HDC dc_;
  const preview::PixelView& view_;
  HGDIOBJ keptPen_;  // the context's pen before painting, selected back at the end
  const preview::Stroke* stroke_ = nullptr;
  ScopedPen pen_;
  preview::Stroke penStroke_;
};

}  // namespace

void PaintScene(HDC dc, const RECT& area, const preview::Scene& scene, HFONT font) {
  FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  const ScopedSelection text(dc, font);
  SetBkMode(dc, TRANSPARENT);
  const int titleBand = scene.title.empty() ? 0 : kTitleBandPx;
  if (!scene.title.empty()) {
    const std::wstring title = ShiftJisToWide(scene.title);
    SetTextColor(dc, RGB(0, 0, 0));
    TextOutW(dc, area.left + kTitleInsetPx, area.top + kTitleInsetPx, title.c_str(),
             static_cast<int>(title.size()));
  }

  const preview::PixelArea drawing{static_cast<double>(area.left),
                                   static_cast<double>(area.top + titleBand),
                                   static_cast<double>(area.right - area.left),
                                   static_cast<double>(area.bottom - area.top - titleBand)};
  const preview::PixelView view =
      preview::FitInArea(preview::SceneBounds(scene), drawing, kMarginPx);
  SetTextAlign(dc, TA_LEFT | TA_BASELINE);
  {
    ShapePainter painter(dc, view);
    for (preview::Layer layer :
         {preview::Layer::Host, preview::Layer::Indicated, preview::Layer::Commands}) {
      for (const preview::StyledShape& styled : scene.In(layer)) painter.Paint(styled);
    }
  }
  SetTextAlign(dc, TA_LEFT | TA_TOP);
}

}  // namespace tq58::ui::win32
