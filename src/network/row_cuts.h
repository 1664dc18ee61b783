// A band's drawn rows as curves to cut, the parts of them that are kept, and the cutting: each
// piece kept outside every other band's region, between the places where it passes their
// outlines.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <vector>

#include "network/network_regions.h"
#include "presets/presets.h"
#include "rows/row_pieces.h"

namespace tq58 {

inline constexpr long kUncut = -1;

// A kept part of a row piece, from s0 to s1 along it; ends moved to a corner carry the point.
struct Kept {
  double s0 = 0.0, s1 = 0.0;
  long cause0 = kUncut, cause1 = kUncut;  // the outline curve that cut the end there, if any
  std::optional<PointD> a, b;
  bool swallowed = false;  // by the fillet of a corner next to it
};

struct PieceCut {
  Curve curve;
  long outline = kUncut;  // the region outline curve that the piece draws, if any
  std::vector<Kept> kept;
};

struct LineCut {
  const TLineRow* row = nullptr;
  bool outer = false;
  double spacing = 0.0;
  std::vector<PieceCut> pieces;
  std::vector<RowPiece> corners;  // corner arcs drawn in this row's attributes
};

// Whether the part of band b's piece inside band s's region is left to it (an inner row of a
// band that runs through where s ends); given s, b and the part.
using InsideExempt = std::function<bool(std::size_t, std::size_t, const Curve&)>;

// Cuts the row pieces of a network's bands against their regions, one piece after another.
class RowCutter {
 public:
  RowCutter(const NetworkRegions& regions, double tolerance);

  // The parts of a piece of band b to keep: outside the regions of the other bands but where
  // `exempt` says; an outer row also not where its own band's region lies on both sides of it
  // (its outline folding over itself).
  std::vector<Kept> Cut(std::size_t b, const PieceCut& piece, bool outer,
                        const InsideExempt& exempt);

 private:
  // A place where a piece passes a region's outline: the curve there, and whether the piece
  // passes into the region (+1, the region lying left of its outline), out of it (-1), or
  // neither for certain (0: at a corner of the outline, or running along it).
  struct Passing {
    double s = 0.0;
    long curve = kUncut;
    int into = 0;
  };
  // A part of a piece from s0 to s1 along it, and the outline curves whose crossings bound it.
  struct Span {
    double s0 = 0.0, s1 = 0.0;
    long cause0 = kUncut, cause1 = kUncut;
  };

  void FindPassings(std::size_t b, const PieceCut& piece, bool outer, const geometry::Box& box);
  // What two segments tell at once: that they cannot meet, or where they clearly cross.
  enum class SegmentMeeting { None, Clear, Unclear };
  SegmentMeeting MeetSegments(const Curve& curve, double length, std::uint32_t other,
                              Passing& crossing) const;
  void RemoveInside(std::size_t s, std::size_t b, const Curve& curve,
                    const std::vector<Passing>& at, const InsideExempt& exempt);
  void RemoveOwnInterior(std::size_t b, const Curve& curve);
  std::vector<Kept> KeptBetween(double length);

  const NetworkRegions& regions_;
  double tolerance_;
  // Kept from piece to piece, so that cutting many pieces allocates little.
  std::vector<int> groupOfBand_;              // per band: its group of passings, or -1
  std::vector<std::size_t> groupBands_;       // per group: its band
  std::vector<std::vector<Passing>> groups_;  // per group: its passings
  std::vector<std::uint32_t> own_;            // the own outline's other curves near the piece
  std::vector<Span> removed_;
};

}  // namespace tq58
