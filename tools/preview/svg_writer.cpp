// SVG output: the view box around the scene, one element per shape, XML-escaped texts.
// SVG's y axis points down, so every y is written negated; angles change sign with it.
#include "preview/svg_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "preview/shift_jis_text.h"

namespace tq58::preview {

namespace {

constexpr double kMaxWidthPx = 960.0;
constexpr double kMaxHeightPx = 720.0;
constexpr double kMarginShare = 0.06;  // blank border, as a share of the larger extent
constexpr double kTitleBandPx = 28.0;
constexpr double kTitleFontPx = 16.0;
constexpr double kLabelFontPx = 12.0;
constexpr double kLabelOffsetPx = 5.0;
constexpr char kFontFamily[] = "IPAGothic, 'MS Gothic', sans-serif";
constexpr int kDigits = 10;  // significant digits of a number: far finer than a pixel
// Values below this share of a pixel are rounding noise (cos 90 degrees is 6E-17, not 0).
constexpr double kNoisePx = 1e-6;

// A number as SVG writes it, in at most kDigits significant digits.
std::string FormatNumber(double value) {
  char buffer[32];
  const auto result =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, kDigits);
  return std::string(buffer, result.ptr);
}

// Text content and attribute values: the five XML specials escaped, and control characters,
// which XML does not allow, dropped.
std::string Escaped(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      case '\'':
        out += "&apos;";
        break;
      default:
        if (static_cast<unsigned char>(c) >= 0x20) out += c;
    }
  }
  return out;
}

// Where the drawing lies in SVG units, and how many units make one pixel.
struct View {
  double x = 0.0, y = 0.0, width = 1.0, height = 1.0;  // the drawing, without the title
  double unitsPerPx = 1.0;
  double titleBand = 0.0;  // SVG units above the drawing for the title
};

View ViewOf(const Scene& scene) {
  Bounds bounds = SceneBounds(scene);
  if (bounds.empty) bounds.Add({0.0, 0.0});
  const double extent = std::max({bounds.max.x - bounds.min.x, bounds.max.y - bounds.min.y, 0.0});
  // A scene of one point still gets a box around it.
  const double margin = extent > 0.0 ? extent * kMarginShare : 1.0;
  View view;
  view.x = bounds.min.x - margin;
  view.y = -bounds.max.y - margin;
  view.width = bounds.max.x - bounds.min.x + 2.0 * margin;
  view.height = bounds.max.y - bounds.min.y + 2.0 * margin;
  view.unitsPerPx = std::max(view.width / kMaxWidthPx, view.height / kMaxHeightPx);
  if (!scene.title.empty()) view.titleBand = kTitleBandPx * view.unitsPerPx;
  return view;
}

class SvgBuilder {
 public:
  explicit SvgBuilder(const View& view) : view_(view) {}

  // A coordinate or size in SVG units, rounding noise written as 0.
  std::string Num(double value) const {
    return FormatNumber(std::fabs(value) < kNoisePx * view_.unitsPerPx ? 0.0 : value);
  }

  std::string& Out() { return out_; }

  void Element(const StyledShape& styled) {
    stroke_ = &styled.stroke;
    std::visit([this](const auto& shape) { Write(shape); }, styled.shape);
  }

 private:
  double Px(double pixels) const { return pixels * view_.unitsPerPx; }

  // The attributes that draw the shape's outline (or its inside, for filled shapes).
  std::string Paint() const {
    const Stroke& s = *stroke_;
    std::string a = " stroke=\"" + s.color + "\" stroke-width=\"" + Num(Px(s.widthPx)) + "\"";
    if (!s.dashPx.empty()) {
      a += " stroke-dasharray=\"";
      for (std::size_t i = 0; i < s.dashPx.size(); ++i) a += (i ? " " : "") + Num(Px(s.dashPx[i]));
      a += "\"";
    }
    if (s.filled) a += " fill=\"" + s.color + "\"";  // opaque, as the host fills solids
    if (s.host) {
      a += " data-lc=\"" + std::to_string(s.host->color) + "\" data-lt=\"" +
           std::to_string(s.host->lineType) + "\" data-lw=\"" + std::to_string(s.host->width) +
           "\"";
    }
    return a;
  }

  void Write(const SegmentShape& s) {
    out_ += "<line x1=\"" + Num(s.from.x) + "\" y1=\"" + Num(-s.from.y) + "\" x2=\"" + Num(s.to.x) +
            "\" y2=\"" + Num(-s.to.y) + "\"" + Paint() + "/>\n";
  }

  void Write(const CircleShape& c) {
    out_ += "<circle cx=\"" + Num(c.centre.x) + "\" cy=\"" + Num(-c.centre.y) + "\" r=\"" +
            Num(c.radius) + "\"" + Paint() + "/>\n";
  }

  void Write(const ArcShape& a) {
    const double rx = a.radius;
    const double ry = a.radius * std::fabs(a.flatness);
    const double sweep = ArcSweepDeg(a);
    if (sweep >= 360.0) {
      out_ += "<ellipse cx=\"" + Num(a.centre.x) + "\" cy=\"" + Num(-a.centre.y) + "\" rx=\"" +
              Num(rx) + "\" ry=\"" + Num(ry) + "\" transform=\"rotate(" + Num(-a.tiltDeg) + " " +
              Num(a.centre.x) + " " + Num(-a.centre.y) + ")\"" + Paint() + "/>\n";
      return;
    }
    const PointD from = PointOnArc(a, a.startDeg);
    const PointD to = PointOnArc(a, a.endDeg);
    // Counterclockwise with y up is the negative direction of SVG's y-down angles (sweep
    // flag 0); a negative flatness mirrors the ellipse and turns the direction round.
    const char* sweepFlag = a.flatness > 0.0 ? "0" : "1";
    const char* largeFlag = sweep > 180.0 ? "1" : "0";
    out_ += "<path d=\"M " + Num(from.x) + " " + Num(-from.y) + " A " + Num(rx) + " " + Num(ry) +
            " " + Num(-a.tiltDeg) + " " + largeFlag + " " + sweepFlag + " " + Num(to.x) + " " +
            Num(-to.y) + "\"" + Paint() + "/>\n";
  }

  void Write(const PolygonShape& p) {
    out_ += "<polygon points=\"";
    for (std::size_t i = 0; i < p.corners.size(); ++i) {
      out_ += (i ? " " : "") + Num(p.corners[i].x) + "," + Num(-p.corners[i].y);
    }
    out_ += "\"" + Paint() + "/>\n";
  }

  void Write(const DotShape& d) {
    out_ += "<circle cx=\"" + Num(d.at.x) + "\" cy=\"" + Num(-d.at.y) + "\" r=\"" +
            Num(Px(d.radiusPx)) + "\" fill=\"" + stroke_->color + "\" stroke=\"none\"/>\n";
  }

  void Write(const TextShape& t) {
    const bool label = t.height == 0.0;
    const double x = t.at.x + (label ? Px(kLabelOffsetPx) : 0.0);
    const double y = -t.at.y - (label ? Px(kLabelOffsetPx) : 0.0);
    out_ += "<text x=\"" + Num(x) + "\" y=\"" + Num(y) + "\" font-size=\"" +
            Num(label ? Px(kLabelFontPx) : t.height) + "\" fill=\"" + stroke_->color + "\"";
    if (t.angleDeg != 0.0) {
      out_ += " transform=\"rotate(" + Num(-t.angleDeg) + " " + Num(x) + " " + Num(y) + ")\"";
    }
    out_ += ">" + Escaped(ShiftJisToUtf8(t.text)) + "</text>\n";
  }

  const View& view_;
  const Stroke* stroke_ = nullptr;
  std::string out_;
};

}  // namespace

std::string RenderSvg(const Scene& scene) {
  const View view = ViewOf(scene);
  const double top = view.y - view.titleBand;
  const double height = view.height + view.titleBand;
  SvgBuilder svg(view);
  const auto Num = [&svg](double value) { return svg.Num(value); };
  std::string& out = svg.Out();
  out += "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  out += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" +
         Num(std::round(view.width / view.unitsPerPx)) + "\" height=\"" +
         Num(std::round(height / view.unitsPerPx)) + "\" viewBox=\"" + Num(view.x) + " " +
         Num(top) + " " + Num(view.width) + " " + Num(height) + "\" font-family=\"" + kFontFamily +
         "\">\n";
  out += "<rect id=\"sheet\" x=\"" + Num(view.x) + "\" y=\"" + Num(top) + "\" width=\"" +
         Num(view.width) + "\" height=\"" + Num(height) + "\" fill=\"#ffffff\" stroke=\"none\"/>\n";
  if (!scene.title.empty()) {
    out += "<text id=\"title\" x=\"" + Num(view.x + view.unitsPerPx * 8.0) + "\" y=\"" +
           Num(top + view.unitsPerPx * (kTitleBandPx - 8.0)) + "\" font-size=\"" +
           Num(view.unitsPerPx * kTitleFontPx) + "\" fill=\"#000000\">" +
           Escaped(ShiftJisToUtf8(scene.title)) + "</text>\n";
  }
  const std::pair<Layer, const char*> groups[] = {
      {Layer::Host, "host"}, {Layer::Indicated, "indicated"}, {Layer::Commands, "commands"}};
  for (const auto& [layer, id] : groups) {
    out += std::string("<g id=\"") + id + "\" fill=\"none\">\n";
    for (const StyledShape& styled : scene.In(layer)) svg.Element(styled);
    out += "</g>\n";
  }
  out += "</svg>\n";
  return out;
}

}  // namespace tq58::preview
