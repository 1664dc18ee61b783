// The chains of a network made ready for its junctions: a chain that crosses itself split into
// bands that meet at seams, and the ends that stop within another chain's strip moved onto its
// centre line.
#pragma once

#include <array>
#include <cstddef>
#include <utility>
#include <vector>

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
};
SplitChains SplitSelfCrossings(const std::vector<BasePath>& chains, double tolerance);

// Moves each open end (but seams) that lies within another chain's strip between lo and hi onto
// that chain's centre line: back along its last piece, or on straight, whichever meets it
// nearest, within a band's width.
void MoveEndsOntoCentreLines(SplitChains& split, double lo, double hi, double tolerance);

}  // namespace tq58
