// One offset line of a multi-line: its vertices, the length each segment has left for
// rounding, which segment ends are rounded, and its pieces: segments and fillet arcs.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "exchange/model.h"
#include "multiline/base_path.h"
#include "multiline/corner_radii.h"
#include "multiline/row_pieces.h"
#include "util/geometry.h"

namespace tq58 {

using MyFunc::SegmentD;

// Bits of a segment's corner flags.
inline constexpr int32_t kRoundStart = 1;  // the corner at the segment's start is rounded
inline constexpr int32_t kRoundEnd = 2;    // the corner at the segment's end is rounded

// Working lists of one construction, sized once and overwritten by every row. For a base
// path of n points, segment m (0 .. n-2) runs from vertices[m] to vertices[m + 1].
struct OffsetLineLists {
  std::vector<PointD> vertices;
  std::vector<uint8_t> intersected;  // per vertex, 1 where it is the meeting of two moved lines
  std::vector<double> lengths;       // per segment, the length still free for rounding
  std::vector<double> fitLengths;    // per segment, the length still free for fillet tangents
  std::vector<uint8_t> against;      // per segment, 1 where it runs against its base segment
  std::vector<int32_t> cornerFlags;  // per segment, kRoundStart | kRoundEnd or 0

  // Room for `basePointCount` + 1 entries in each list.
  explicit OffsetLineLists(std::size_t basePointCount);
};

// Vertices of the base path moved by `spacing` along each segment's left normal, each corner
// at the intersection of the two moved lines that meet there (unless they are parallel). A
// closed path repeats vertex 0 as its last vertex. Needs at least two base points.
void BuildOffsetVertices(const BasePath& path, double spacing, OffsetLineLists& lists);

// Segment lengths and the corners to round, each with its radius: inner corners in path
// order, then the closing corner of a closed path. A corner is rounded where both of its
// segments have more than its radius left and more than its fillet's tangent length (radius
// times the reach at its vertex) left of what the corners rounded before took; each rounded
// corner uses up both of both segments. A corner whose moved lines are parallel (the path
// goes straight on or turns back) can get no fillet and needs no tangent length.
void MarkRoundedCorners(const BasePath& path, const CornerRadii& radii,
                        const std::vector<FilletReach>& reaches, OffsetLineLists& lists);

// The side of the segment where `inner` lies, a point on its line counting as its left: the
// fillet's centre goes there.
MyFunc::Side FilletSideToward(const SegmentD& segment, PointD inner);

// Appends every segment of the offset line, each followed by the fillet arc at its end if any.
void AppendOffsetLine(const BasePath& path, const CornerRadii& radii, const OffsetLineLists& lists,
                      std::vector<RowPiece>& pieces);

}  // namespace tq58
