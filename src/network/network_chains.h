// The chains of a network made ready for its junctions: a chain that crosses itself split into
// bands that meet at seams, and the ends that stop within another chain's strip moved onto its
// centre line.
#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

#include "network/chain_regions.h"
#include "path/base_path.h"

namespace tq58 {

// The first or last point of a path, and the direction from there into the path.
PointD EndPoint(const BasePath& path, bool atEnd);
PointD IntoPath(const BasePath& path, bool atEnd);

// Whether the path has two ends: not closed, at least one piece.
bool IsOpenPath(const BasePath& path);

// The fewest pieces to split in the middle so that each range [first, last] of pieces holds
// one of them, in order: each as late as the earliest-ending range without one allows.
std::vector<std::size_t> SeamPieces(std::vector<std::pair<std::size_t, std::size_t>> ranges);

// The path split halfway along its pieces first to last, the same place whichever way it
// runs: at a vertex, or inside a piece; but not where the rows turn a corner (within
// `cornerReach` of its vertex, times the tangent of half its turn, and a margin), so that
// each half's rows end where the whole band's pass: then at the nearest place clear of the
// corners, the lower-left of two as near. Also the piece it is split in, as SplitInMiddles
// numbers its seams (at a vertex, the piece before it).
std::pair<std::vector<BasePath>, std::size_t> SplitHalfway(
    const BasePath& path, const std::pair<std::size_t, std::size_t>& range, double cornerReach,
    double tolerance);

// The path split in the middle of each of the pieces `seams` (in order), its parts in order; a
// closed path is opened in the middle of the last, its first part running on from there.
std::vector<BasePath> SplitInMiddles(const BasePath& path, std::vector<std::size_t> seams);

// The chains with each one that crosses itself split at seams, each in the middle of a piece,
// so that of every two of its pieces that cross (and do not follow each other) one lies before
// a seam and one after; `seams` tells which ends (start, end) are seams, `origin` which given
// chain each came from.
struct SplitChains {
  std::vector<BasePath> chains;
  std::vector<std::array<bool, 2>> seams;
  std::vector<std::size_t> origin;
  // Once the prepared chains' regions are drawn: per chain, the one whose region it lies in.
  std::vector<std::size_t> region;

  // Appends `chain`, a part of chain i of `from`, with its own seams.
  void AddPartOf(const SplitChains& from, std::size_t i, BasePath chain, std::array<bool, 2> ends) {
    chains.push_back(std::move(chain));
    seams.push_back(ends);
    origin.push_back(from.origin[i]);
    if (!from.region.empty()) region.push_back(from.region[i]);
  }
};
SplitChains SplitSelfCrossings(const std::vector<BasePath>& chains, double tolerance);

// Moves each open end (but seams) that lies in the region of another prepared chain, and on no
// other centre line, onto the centre line of a chain of that region: back along its last piece,
// or on straight, whichever meets it nearest, within a band's width; an end past such a region
// by less than `reach` (the larger outer spacing) only back. A chain of one piece that would be
// cut back to nothing, and a dead end shorter than `reach` from a junction, are removed.
void MoveEndsOntoCentreLines(SplitChains& split, const ChainRegions& regions, double width,
                             double reach, double tolerance);

}  // namespace tq58
