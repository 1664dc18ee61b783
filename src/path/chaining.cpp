// Chaining selected pieces: their ends joined through a grid of cells one tolerance wide (so
// that only ends in neighbouring cells are compared, never all pairs), the joined ends made
// nodes, and the pieces followed through the nodes where exactly two ends meet.
#include "path/chaining.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <tuple>
#include <utility>

#include "geometry/point_grid.h"
#include "geometry/tolerances.h"
#include "geometry/union_find.h"
#include "util/portable_math.h"

namespace tq58 {
namespace {

// Ends of piece i are numbered 2i (its start) and 2i + 1 (its end).
PointD EndPoint(const std::vector<ChainPiece>& pieces, std::size_t end) {
  const ChainPiece& piece = pieces[end / 2];
  return end % 2 == 0 ? piece.start : piece.end;
}

double SweepRadians(const Curve& arc) { return geometry::Radians(ArcSweepDeg(arc)); }

// A circle, or an arc of a full turn: a closed chain by itself, whose ends join only those of
// other full turns.
bool IsFullTurn(const ChainPiece& piece) { return piece.arc && ArcSweepDeg(*piece.arc) == 360.0; }

// The point halfway along a piece.
PointD PieceMidpoint(const ChainPiece& piece) {
  if (!piece.arc) return geometry::Midpoint(piece.start, piece.end);
  const Curve& arc = *piece.arc;
  return geometry::PointAtAngle(arc.centre, arc.radius,
                                arc.degrees->start + ArcSweepDeg(arc) / 2.0);
}

// Sets of joined ends (or of pieces the same as each other), each named by its smallest member.
using JoinedEnds = geometry::UnionFind;

// Calls join(a, b) for every two of the points 0 .. count - 1 of the same class (classOf) that
// lie within `tolerance` of each other, or for enough of those pairs that the sets they make
// are the same. Points of one class at the very same place (the many ends of a fan) are joined
// in a row and compared with the others once, not pair by pair; the others are compared
// through a grid of cells one tolerance wide.
template <typename PointOf, typename ClassOf, typename Join>
void JoinNearPoints(std::size_t count, double tolerance, PointOf pointOf, ClassOf classOf,
                    Join join) {
  struct Entry {
    uint64_t kind;
    PointD p;
    std::size_t k;
  };
  std::vector<Entry> entries(count);
  for (std::size_t k = 0; k < count; ++k) entries[k] = {classOf(k), pointOf(k), k};
  const auto place = [](const Entry& e) { return std::tie(e.kind, e.p.x, e.p.y); };
  std::sort(entries.begin(), entries.end(), [&](const Entry& a, const Entry& b) {
    return std::tuple_cat(place(a), std::tie(a.k)) < std::tuple_cat(place(b), std::tie(b.k));
  });
  // One entry per place and class; the others there are joined to it at once.
  std::vector<Entry> firsts;
  for (std::size_t i = 0; i < count; ++i) {
    if (!firsts.empty() && place(entries[i]) == place(firsts.back())) {
      join(firsts.back().k, entries[i].k);
    } else {
      firsts.push_back(entries[i]);
    }
  }
  std::vector<PointD> points(firsts.size());
  std::transform(firsts.begin(), firsts.end(), points.begin(), [](const Entry& e) { return e.p; });
  const double limit = tolerance * tolerance;
  geometry::PointGrid(points, tolerance).ForEachNearbyPair([&](std::size_t i, std::size_t j) {
    const Entry& a = firsts[i];
    const Entry& b = firsts[j];
    const double dx = b.p.x - a.p.x, dy = b.p.y - a.p.y;
    if (a.kind == b.kind && dx * dx + dy * dy <= limit) join(a.k, b.k);
  });
}

// Joins every two ends within `tolerance` of each other, but the ends of full turns only with
// each other, so that a circle touches no chain and the same circle twice shares its node.
void JoinNearEnds(const std::vector<ChainPiece>& pieces, double tolerance, JoinedEnds& joined) {
  std::vector<uint8_t> fullTurn(pieces.size());
  std::transform(pieces.begin(), pieces.end(), fullTurn.begin(), IsFullTurn);
  JoinNearPoints(
      2 * pieces.size(), tolerance, [&](std::size_t end) { return EndPoint(pieces, end); },
      [&](std::size_t end) { return uint64_t{fullTurn[end / 2]}; },
      [&](std::size_t a, std::size_t b) { joined.Join(a, b); });
}

// What a piece is to the chains: none (of no length, or a duplicate), a link of the graph
// of nodes, or a closed chain by itself (a circle, or an arc whose two ends join).
enum class PieceRole : uint8_t { None, Linked, Alone };

// The pieces that take part, as node pairs, with the linked pieces at each node.
struct PieceGraph {
  std::vector<std::size_t> startNode, endNode;  // per piece
  std::vector<PieceRole> role;                  // per piece
  std::vector<std::size_t> firstAtNode;         // per node, into piecesAtNodes; one more at the end
  std::vector<std::size_t> piecesAtNodes;

  std::size_t Degree(std::size_t node) const { return firstAtNode[node + 1] - firstAtNode[node]; }
  std::pair<std::size_t, std::size_t> Nodes(std::size_t piece) const {
    return std::minmax(startNode[piece], endNode[piece]);
  }
};

// Per piece that takes part: its two nodes, smaller first, and the piece; sorted.
using NodePairs = std::vector<std::tuple<std::size_t, std::size_t, std::size_t>>;

// Of the pieces between the same two nodes, either way round, the first in the file counts.
// Two segments there are always the same; where an arc is among them, two pieces are the same
// only when their midpoints lie within `tolerance` (transitively, as ends join), so that the
// two halves of a circle, or a segment and an arc over it, both count.
void MarkDuplicates(const std::vector<ChainPiece>& pieces, const NodePairs& byNodes,
                    double tolerance, PieceGraph& graph, Chaining& result) {
  JoinedEnds same(pieces.size());
  std::vector<std::size_t> compared;  // the pieces of node pairs that hold an arc and more
  for (std::size_t g = 0; g < byNodes.size();) {
    std::size_t h = g + 1;
    while (h < byNodes.size() && std::get<0>(byNodes[h]) == std::get<0>(byNodes[g]) &&
           std::get<1>(byNodes[h]) == std::get<1>(byNodes[g])) {
      ++h;
    }
    std::optional<std::size_t> firstSegment;
    bool arcs = false;
    for (std::size_t k = g; k < h; ++k) {
      const std::size_t i = std::get<2>(byNodes[k]);
      if (pieces[i].arc) {
        arcs = true;
      } else if (firstSegment) {
        same.Join(*firstSegment, i);
      } else {
        firstSegment = i;
      }
    }
    if (arcs && h - g > 1) {
      for (std::size_t k = g; k < h; ++k) compared.push_back(std::get<2>(byNodes[k]));
    }
    g = h;
  }
  std::vector<PointD> midpoints(compared.size());
  std::transform(compared.begin(), compared.end(), midpoints.begin(),
                 [&](std::size_t i) { return PieceMidpoint(pieces[i]); });
  // A node is the number of an end, far below 2^32 (a selection of 2^31 pieces would not fit
  // in memory), so a pair of them makes one class.
  JoinNearPoints(
      compared.size(), tolerance, [&](std::size_t k) { return midpoints[k]; },
      [&](std::size_t k) {
        const auto [low, high] = graph.Nodes(compared[k]);
        return (uint64_t{low} << 32) | uint64_t{high};
      },
      [&](std::size_t k, std::size_t l) { same.Join(compared[k], compared[l]); });
  for (const auto& [low, high, i] : byNodes) {
    if (same.Find(i) != i) {
      graph.role[i] = PieceRole::None;
      ++result.duplicates;
    }
  }
}

PieceGraph BuildGraph(const std::vector<ChainPiece>& pieces, JoinedEnds& joined, double tolerance,
                      Chaining& result) {
  const std::size_t n = pieces.size();
  PieceGraph graph{std::vector<std::size_t>(n),
                   std::vector<std::size_t>(n),
                   std::vector<PieceRole>(n, PieceRole::Linked),
                   {},
                   {}};
  NodePairs byNodes;
  for (std::size_t i = 0; i < n; ++i) {
    graph.startNode[i] = joined.Find(2 * i);
    graph.endNode[i] = joined.Find(2 * i + 1);
    if (graph.startNode[i] == graph.endNode[i]) {
      const std::optional<Curve>& arc = pieces[i].arc;
      if (!arc || SweepRadians(*arc) * arc->radius <= tolerance) {
        graph.role[i] = PieceRole::None;
        ++result.zeroLength;
        continue;
      }
      graph.role[i] = PieceRole::Alone;
    }
    const auto [low, high] = graph.Nodes(i);
    byNodes.emplace_back(low, high, i);
  }
  std::sort(byNodes.begin(), byNodes.end());
  MarkDuplicates(pieces, byNodes, tolerance, graph, result);
  const auto linked = [&](std::size_t i) { return graph.role[i] == PieceRole::Linked; };
  graph.firstAtNode.assign(2 * n + 1, 0);
  for (std::size_t i = 0; i < n; ++i) {
    if (!linked(i)) continue;
    ++graph.firstAtNode[graph.startNode[i] + 1];
    ++graph.firstAtNode[graph.endNode[i] + 1];
  }
  std::partial_sum(graph.firstAtNode.begin(), graph.firstAtNode.end(), graph.firstAtNode.begin());
  graph.piecesAtNodes.resize(graph.firstAtNode.back());
  std::vector<std::size_t> filled(graph.firstAtNode.begin(), graph.firstAtNode.end() - 1);
  for (std::size_t i = 0; i < n; ++i) {
    if (!linked(i)) continue;
    graph.piecesAtNodes[filled[graph.startNode[i]]++] = i;
    graph.piecesAtNodes[filled[graph.endNode[i]]++] = i;
  }
  return graph;
}

// The links that follow on from `node`, where the chain arrived by `piece`, up to a node where
// it cannot run on: one with other than two ends, or the start of a closed chain.
void FollowFrom(const PieceGraph& graph, std::size_t piece, std::size_t node,
                std::vector<uint8_t>& visited, std::vector<ChainLink>& links) {
  while (graph.Degree(node) == 2) {
    const std::size_t* at = &graph.piecesAtNodes[graph.firstAtNode[node]];
    const std::size_t next = at[0] == piece ? at[1] : at[0];
    if (visited[next]) return;
    visited[next] = 1;
    const bool reversed = graph.startNode[next] != node;
    links.push_back({next, reversed});
    piece = next;
    node = reversed ? graph.startNode[next] : graph.endNode[next];
  }
}

PointD LinkStart(const std::vector<ChainPiece>& pieces, const ChainLink& link) {
  return link.reversed ? pieces[link.piece].end : pieces[link.piece].start;
}
PointD LinkEnd(const std::vector<ChainPiece>& pieces, const ChainLink& link) {
  return link.reversed ? pieces[link.piece].start : pieces[link.piece].end;
}

void Reverse(Chain& chain) {
  std::reverse(chain.links.begin(), chain.links.end());
  for (ChainLink& link : chain.links) link.reversed = !link.reversed;
}

// A closed chain starts with its first piece in the file.
void StartAtFirstPiece(Chain& chain) {
  const auto first =
      std::min_element(chain.links.begin(), chain.links.end(),
                       [](const auto& a, const auto& b) { return a.piece < b.piece; });
  std::rotate(chain.links.begin(), first, chain.links.end());
}

// Twice the signed area that a closed chain encloses, positive when it runs counterclockwise:
// the polygon of its vertices, about its first vertex so that large coordinates lose no
// digits, and beside each arc's chord the circular segment, r²(θ − sin θ) twice over for a
// sweep of θ radians, less than 0 where the chain runs along the arc clockwise.
double TwiceSignedArea(const Chain& chain, const std::vector<ChainPiece>& pieces) {
  const PointD origin = LinkStart(pieces, chain.links.front());
  double sum = 0.0;
  for (const ChainLink& link : chain.links) {
    const PointD a = LinkStart(pieces, link), b = LinkEnd(pieces, link);
    sum += (a.x - origin.x) * (b.y - origin.y) - (b.x - origin.x) * (a.y - origin.y);
    if (const std::optional<Curve>& arc = pieces[link.piece].arc) {
      const double theta = SweepRadians(*arc);
      const double segment = arc->radius * arc->radius * (theta - util::PortableSin(theta));
      sum += link.reversed ? -segment : segment;
    }
  }
  return sum;
}

double SquaredDistance(PointD a, PointD b) {
  return (b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y);
}

// Built with its first piece in the file running forwards, the chain is turned as
// ChainDirection says.
void Orient(Chain& chain, const std::vector<ChainPiece>& pieces, const ChainDirection& direction) {
  if (chain.closed) {
    if (TwiceSignedArea(chain, pieces) < 0.0) Reverse(chain);
  } else if (direction.firstPoint) {
    const PointD p = *direction.firstPoint;
    if (SquaredDistance(p, LinkEnd(pieces, chain.links.back())) <
        SquaredDistance(p, LinkStart(pieces, chain.links.front()))) {
      Reverse(chain);
    }
  }
  if (direction.reverse) Reverse(chain);
  if (chain.closed) StartAtFirstPiece(chain);
}

}  // namespace

double JoinTolerance(double largestCoordinate) {
  return std::max(geometry::kLeastJoinTolerance,
                  geometry::kRelativeJoinTolerance * largestCoordinate);
}

Chaining ChainPieces(const SelectedPieces& selection, const ChainDirection& direction) {
  const std::vector<ChainPiece>& pieces = selection.pieces;
  Chaining result;
  JoinedEnds joined(2 * pieces.size());
  const double tolerance = JoinTolerance(selection.largestCoordinate);
  JoinNearEnds(pieces, tolerance, joined);
  const PieceGraph graph = BuildGraph(pieces, joined, tolerance, result);

  std::vector<uint8_t> visited(pieces.size(), 0);
  for (std::size_t i = 0; i < pieces.size(); ++i) {
    if (graph.role[i] == PieceRole::Alone) {
      Chain alone{{{i, false}}, true};
      Orient(alone, pieces, direction);
      result.chains.push_back(std::move(alone));
      continue;
    }
    if (graph.role[i] != PieceRole::Linked || visited[i]) continue;
    visited[i] = 1;
    // Backwards from the piece's start, then forwards from its end.
    std::vector<ChainLink> before;
    FollowFrom(graph, i, graph.startNode[i], visited, before);
    Chain chain;
    chain.links.reserve(before.size() + 1);
    for (auto link = before.rbegin(); link != before.rend(); ++link) {
      chain.links.push_back({link->piece, !link->reversed});
    }
    chain.links.push_back({i, false});
    FollowFrom(graph, i, graph.endNode[i], visited, chain.links);
    const ChainLink& first = chain.links.front();
    const ChainLink& last = chain.links.back();
    chain.closed = (first.reversed ? graph.endNode : graph.startNode)[first.piece] ==
                   (last.reversed ? graph.startNode : graph.endNode)[last.piece];
    Orient(chain, pieces, direction);
    result.chains.push_back(std::move(chain));
  }
  return result;
}

BasePath ChainPath(const Chain& chain, const std::vector<ChainPiece>& pieces) {
  BasePath path;
  path.closed = chain.closed;
  path.points.reserve(chain.links.size() + 1);
  path.points.push_back(LinkStart(pieces, chain.links.front()));
  for (const ChainLink& link : chain.links) path.points.push_back(LinkEnd(pieces, link));
  if (chain.closed) path.points.back() = path.points.front();
  // A chain of segments alone stays a polyline, drawn as the indicated points draw.
  const auto hasArc = [&](const ChainLink& link) { return pieces[link.piece].arc.has_value(); };
  if (std::any_of(chain.links.begin(), chain.links.end(), hasArc)) {
    path.arcs.reserve(chain.links.size());
    for (const ChainLink& link : chain.links) {
      std::optional<Curve> arc = pieces[link.piece].arc;
      if (arc && link.reversed) arc = arc->Reversed();
      path.arcs.push_back(arc);
    }
  }
  return path;
}

}  // namespace tq58
