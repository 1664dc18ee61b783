// A band's region outline: the row of smallest spacing forward, the closing of the end, the row
// of largest spacing backward, the closing of the start; each curve turned to run on from where
// the one before ended.
#include "region/band_region.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "geometry/geometry.h"
#include "path/path_edit.h"

namespace tq58 {

EndClosing FreeEndClosing(bool capsDrawn, CapStyle cap) {
  return capsDrawn && cap != CapStyle::None ? EndClosing::Cap : EndClosing::Open;
}

namespace {

using geometry::PointDistance;

class OutlineBuilder {
 public:
  OutlineBuilder(const DrawnBand& band, double tolerance) : band_(band), tolerance_(tolerance) {}

  BuiltBandRegion Build() {
    const BasePath& path = *band_.path;
    const bool open = !path.closed;
    const auto& ends = *band_.rowEnds;
    const std::optional<RowEnds>& lo = ends[band_.smallest];
    const std::optional<RowEnds>& hi = ends[band_.largest];
    const PointD loStart = lo ? lo->start : path.points.front();
    const PointD loEnd = lo ? lo->end : path.points.back();
    const PointD hiStart = hi ? hi->start : path.points.front();
    const PointD hiEnd = hi ? hi->end : path.points.back();

    // An open band's outline is one loop; a closed band's two, its rings.
    at_ = loStart;
    AddRow(band_.smallest, lo.has_value(), true);
    if (open) {
      Close(band_.end, false, loEnd, hiEnd);
    } else {
      // A closed row runs from its start round to its start again.
      Bridge(loStart);
      at_ = hiStart;
    }
    AddRow(band_.largest, hi.has_value(), false);
    if (open) Close(band_.start, true, hiStart, loStart);
    Bridge(open ? loStart : hiStart);

    if (!region_.outline.empty()) {
      region_.box = BoxOf(region_.outline.front().curve, 0.0);
      for (const OutlineCurve& c : region_.outline) {
        region_.curves.push_back(c.curve);
        region_.box = geometry::Union(region_.box, BoxOf(c.curve, 0.0));
      }
    }
    return {std::move(region_), std::move(closings_)};
  }

 private:
  // A row's pieces in travel order (or against it), or the centre line where it draws nothing;
  // on a closed band nothing there: its region is then all within the other ring.
  void AddRow(std::size_t line, bool drawn, bool forward) {
    const BasePath& path = *band_.path;
    if (!drawn && path.closed) return;
    std::vector<OutlineCurve> curves;
    if (drawn) {
      // The row as it will be drawn: its pieces, then the closing segments given to it so far.
      const std::vector<RowPiece>& pieces = (*band_.lines)[line].pieces;
      for (std::size_t k = 0; k < pieces.size(); ++k) {
        curves.push_back({pieces[k], static_cast<int>(line), static_cast<int>(k)});
      }
      for (const ClosingSegment& c : closings_) {
        if (c.line != line) continue;
        curves.push_back({c.segment, static_cast<int>(line), static_cast<int>(c.piece)});
      }
    } else {
      for (std::size_t k = 0; k + 1 < path.points.size(); ++k) {
        curves.push_back({BaseCurve(path, k), -1, -1});
      }
    }
    if (!forward) std::reverse(curves.begin(), curves.end());
    // A full circle has no ends to tell its sense by: it runs as the path does.
    const Curve* arc = PathArc(path, 0);
    const bool clockwise = arc != nullptr && RunsClockwise(*arc);
    for (OutlineCurve& c : curves) {
      const bool full = c.curve.arc && std::fabs(c.curve.sweep) >= 2.0 * std::numbers::pi;
      if (full) {
        if (clockwise == forward) c.curve = c.curve.Reversed();
      } else if (PointDistance(c.curve.end, at_) < PointDistance(c.curve.start, at_)) {
        c.curve = c.curve.Reversed();
      }
      Bridge(c.curve.start);
      at_ = c.curve.end;
      region_.outline.push_back(c);
    }
  }

  // From the outer row ending at `from` to the one at `to`; at the start from the row of
  // largest spacing to that of smallest.
  void Close(EndClosing closing, bool atStart, PointD from, PointD to) {
    Bridge(from);
    if (closing == EndClosing::Cap) {
      const std::vector<RowPiece>& caps = (*band_.lines)[band_.capsLine].pieces;
      const std::size_t k = atStart || band_.start != EndClosing::Cap ? 0 : 1;
      if (k < caps.size()) {
        region_.outline.push_back({caps[k], static_cast<int>(band_.capsLine), static_cast<int>(k)});
        at_ = region_.outline.back().curve.end;
      }
    } else if (closing == EndClosing::Junction) {
      // At the start the closing runs from the left row to the right one, at the end back.
      const std::optional<BackClosing>& back = atStart ? band_.startBack : band_.endBack;
      const PointD middle = geometry::Midpoint(from, to);
      // A half from a row's end (or to it): on a fold's back drawn by none, or, where this end
      // draws the back, the row run on to the other end's and back to the middle by none.
      const auto half = [&](bool left, PointD a, PointD b, bool fromRowEnd) {
        if (!back || back->left != left) return AddClosing(left, a, b);
        if (!back->to) return AddUndrawn(a, b);
        if (fromRowEnd) {
          AddClosing(left, a, *back->to);
          AddUndrawn(*back->to, b);
        } else {
          AddUndrawn(a, *back->to);
          AddClosing(left, *back->to, b);
        }
      };
      half(atStart, from, middle, true);
      half(!atStart, middle, to, false);
    }
    Bridge(to);
  }

  // A closing segment drawn by the left (largest spacing) or the right outer row: the next
  // piece of its line after those the line has and the closing segments given to it before.
  void AddClosing(bool left, PointD from, PointD to) {
    const std::size_t line = left ? band_.largest : band_.smallest;
    std::size_t piece = (*band_.lines)[line].pieces.size();
    for (const ClosingSegment& c : closings_) piece += c.line == line ? 1 : 0;
    closings_.push_back({line, piece, Curve::Segment(from, to)});
    region_.outline.push_back(
        {Curve::Segment(from, to), static_cast<int>(line), static_cast<int>(piece)});
    at_ = to;
  }

  void AddUndrawn(PointD from, PointD to) {
    Bridge(from);
    region_.outline.push_back({Curve::Segment(from, to)});
    at_ = to;
  }

  // A segment drawn by none over a gap from where the outline has got to.
  void Bridge(PointD to) {
    if (PointDistance(at_, to) > tolerance_) region_.outline.push_back({Curve::Segment(at_, to)});
    at_ = to;
  }

  const DrawnBand& band_;
  double tolerance_;
  PointD at_;
  BandRegion region_;
  std::vector<ClosingSegment> closings_;
};

}  // namespace

BuiltBandRegion BuildBandRegion(const DrawnBand& band, double tolerance) {
  return OutlineBuilder(band, tolerance).Build();
}

void AddClosings(MultiLine& lines, const std::vector<ClosingSegment>& closings) {
  for (const ClosingSegment& c : closings) lines[c.line].pieces.push_back(c.segment);
}

}  // namespace tq58
