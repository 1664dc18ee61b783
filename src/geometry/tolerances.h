// Every geometric tolerance of the program, one name per purpose, grouped by what it compares:
// points and lines, angles, chains and junctions, the exchange file. Each says why it has its
// value and how it scales with the size of the drawing. The drawn output depends on these
// values bit for bit; a new tolerance goes here, in its group.
#pragma once

#include <numbers>

namespace tq58::geometry {

// ---- Points and lines (drawing units, absolute) ----------------------------------------------
// These do not grow with the drawing. The host writes about 15 significant digits, so each
// lies at least ten times above the last written digit of coordinates below 10^3 units
// (1e-10) or 10^5 units (1e-8), and far below anything drawn; in a larger drawing the
// rounding of the coordinates comes nearer to them, and reaches them at about 10^5 or 10^7
// units.

// Components below this magnitude make a null vector, which has no direction: a hundredth of
// kPointEqualityTolerance, so that only a vector of rounding noise loses its direction.
inline constexpr double kZeroVectorTolerance = 1e-10;
// First and last indicated point this close in x and in y close the path: as tight as a null
// vector, since the path closes where the same point was indicated twice.
inline constexpr double kClosedPathTolerance = 1e-10;
// Two points this close in x and in y are the same point (the default of SamePoint): a line
// between them has no direction worth rounding a corner with.
inline constexpr double kPointEqualityTolerance = 1e-8;
// Unit of the zero band and margin of IntersectLines: as kPointEqualityTolerance, so that
// lines meeting within one same point meet.
inline constexpr double kIntersectionTolerance = 1e-8;
// Distance from a line within which a point lies on it: as kIntersectionTolerance, so that a
// point on a line also meets it.
inline constexpr double kSideTolerance = 1e-8;
// Length a segment needs beyond the radius (or the fillet's tangent length) for its corner to
// be rounded: a fillet that would use a segment up to within this leaves nothing to draw.
inline constexpr double kCornerLengthTolerance = 1e-8;

// Fraction of the size of two curves (their largest |coordinate| or radius, at least 1) within
// which they touch rather than cross or miss, and within which lines or circles are one: rounding
// is about 1e-16 of that size, so 1e-12 is far above it and below any drawn detail.
inline constexpr double kRelativeMeetingTolerance = 1e-12;

// ---- Angles (radians unless said; independent of the size of the drawing) -------------------

// Step (degrees) to which RoundFine rounds direction angles, so that the written angles agree
// however the direction was computed: coarse enough to take up the last bits of the arc
// tangent (some 1e-13 degrees at 360), fine enough to lie far below any angle drawn.
inline constexpr double kFineRoundingStep = 1e-10;
// Directions of two pieces that differ by less than this meet without a corner, and a path
// with arcs turns neither way where the sine of its turn is at most this: the host writes
// about 15 digits, so a tangent join is off by some 1e-13 at most.
inline constexpr double kTangentJoinTolerance = 1e-9;
// Two directions whose cross product, relative to their lengths (the sine of the angle between
// them), is at most this are parallel: no meeting, no corner, no fillet between them. Lines a
// unit apart at this angle would meet 1e12 units away, beyond kLargestChainCoordinate, and it
// is still ten thousand times the rounding of a product of unit vectors (some 1e-16).
inline constexpr double kParallelSine = 1e-12;
// Two pairs of directions at a junction that share a direction and whose angles from opposite
// differ by at most this are a tie, and that direction then pairs with none: as
// kTangentJoinTolerance, a difference that rounding of the written coordinates can make.
inline constexpr double kThroughPairTieRadians = 1e-9;
// Two directions leaving a junction pair as a through band where they are at most this far
// (20 degrees) from opposite: so that a Y whose straight pair bends a little keeps it, while
// arms at 120 degrees to each other (a symmetric Y) pair with none.
inline constexpr double kThroughPairAngle = 20.0 * std::numbers::pi / 180.0;
// A chain that turns back by more than this (120 degrees) at a corner folds there: it is split
// into two chains that meet there as junction ends, and two ends that meet alone are joined
// as a corner only where they turn by less.
inline constexpr double kFoldTurn = 120.0 * std::numbers::pi / 180.0;
// A ray of the through band at a stem's end whose sine with the stem is at most this (some 0.57
// degrees) sets no run-on: the stem then runs on by less than 1 / 0.01 = 100 times its largest
// |spacing|, never on and on along a band that it nearly follows.
inline constexpr double kLeastStemRaySine = 0.01;
// An angle of larger magnitude is first wrapped by whole turns at once (fmod) before it is
// brought into (-pi, pi] turn by turn: 32 turns keep that loop short, while every angle that
// a drawing really holds is still wrapped turn by turn, as it always was.
inline constexpr double kFarAngle = 64.0 * std::numbers::pi;

// ---- Chains and junctions (drawing units, relative to the drawing's largest coordinate) ------

// Coordinates of a larger magnitude are taken for a mistake, not a drawing. With
// kLeastJoinTolerance this keeps the numbers of the join tolerance's grid cells (at most
// 10^15) far within 64 bits.
inline constexpr double kLargestChainCoordinate = 1e9;
// The join tolerance (JoinTolerance in chaining), within which ends join and points meet, is
// the larger of this and kRelativeJoinTolerance times the largest |coordinate|. This floor is a
// hundred times kPointEqualityTolerance; it rules in drawings whose largest coordinate is below
// 1000 units, where the relative tolerance would be smaller.
inline constexpr double kLeastJoinTolerance = 1e-6;
// The join tolerance's part that grows with the drawing: a billionth of the largest
// |coordinate|, some 10^5 to 10^6 times the last of the about 15 digits the host writes, so
// that ends written as the same point join however their last digits were rounded. A fill's
// polygons are wider than the join tolerance too (area over longest side), and its slabs no
// thinner: what is narrower is rounding, not a drawn detail, and the host draws it as a hairline.
inline constexpr double kRelativeJoinTolerance = 1e-9;
// Cut ends of two bands' outer rows within this many join tolerances of each other are joined
// as one corner, and only where their rows' meeting lies as near to the end: cutting places an
// end to within a join tolerance on each row and drops gaps up to one, so ten leave room for
// those few while staying far below any spacing between rows.
inline constexpr double kCutCornerReachInJoinTolerances = 10.0;

// ---- Probes and reaches at junctions (in join tolerances, radii or band widths) -------------

// A point this many join tolerances beside a curve lies clearly on one side of it: above the
// join tolerance to which cutting places an end, far below any spacing between rows. An outer
// row lies inside its own band's region where such points to either side of it both do; a
// point so far left of an outline's first curve tells which way the outline runs; a closed
// band's row whose pieces lie nearer its centre line than its spacing by more is inside out.
inline constexpr double kOwnSideOffsetInTolerances = 4.0;
inline constexpr double kLeftOffsetInTolerances = 4.0;
inline constexpr double kRingInsideOutInTolerances = 4.0;
// Two segments cross clearly where the sine of their angle is above this (some 0.06 degrees)
// and the crossing lies more than this many join tolerances from the ends of both: there the
// crossing alone tells in from out, without a winding number.
inline constexpr double kClearCrossingSine = 1e-3;
inline constexpr double kClearCrossingMarginInTolerances = 4.0;
// A junction corner whose fillet does not fit on the pieces cut there looks this many pieces on
// along each row, and for their carriers' meeting within this many radii of the crossing: as far
// as a fillet of that radius can reach round a bend next to the junction.
inline constexpr std::size_t kCornerWalkPieces = 2;
inline constexpr double kCornerWalkReach = 4.0;
// A through band's inner rows run on across a band that ends on it within this many band
// widths of that band's end: as far as the stem's corners and their fillets reach.
inline constexpr double kThroughRunOnReachInWidths = 2.0;
// A seam moved off a corner keeps clear of it by this fraction of the rows' corner reach
// (outer spacing and corner radius together) more, so that the fillets ending there fit.
inline constexpr double kSeamCornerMargin = 0.1;
// How deep inside another band's region a point of a chain's outline is measured, in covering
// margins: deeper, the points round it are held as far as that and a margin more.
inline constexpr double kCoverDepthInMargins = 4.0;

// ---- Junctions (fractions of a band's half-width) --------------------------------------------

// A chain whose band stands out of the bands of the others by at most this fraction of its
// half-width adds nothing: a way traced twice, or leaving a street at a glancing angle and ending
// beside its centre line, stands out by a few hundredths to a tenth of the half-width, and drawn
// it would only add a sliver and a jog in the street's edge. Small enough that what a chain so
// left out can leave open (a gap at most twice this wide, between two bands that nearly meet)
// stays narrower than a sixth of the band, and that a stem leaving a street at even 2 degrees
// stands out by more within a few half-widths of its length.
inline constexpr double kCoveredMargin = 0.15;

// ---- Fills (fractions of a band's width) ------------------------------------------------------

// An arc of a band's outline stands in the filled polygon as chords or as tangents meeting
// outside it, straying from it by at most this fraction of the band's width: the stand-ins of
// the band's two sides then stay half a width apart and never cross.
inline constexpr double kArcStandInDeviation = 0.25;

// ---- Fills (relative to the size of the arc, sector or triangle at hand) ---------------------

// How far beside an arc's middle its two sides are probed for the winding number, relative to
// its radius: far below any drawn detail, far above the rounding of where a ray crosses the arc.
inline constexpr double kSideProbe = 1e-7;
// How far a triangle or a ring sector is drawn in towards its middle before other curves are
// sought in it, relative to its size: the curves that only touch its corners (those before and
// after its arc) then do not count, while anything that enters it by more than rounding does.
inline constexpr double kTriangleShrink = 1e-9;
inline constexpr double kSectorShrink = 1e-9;
// Two arcs share their centre where their centres lie this close, relative to the larger
// radius: far below any drawn detail, far above the rounding of offset arcs' centres.
inline constexpr double kSameCentre = 1e-9;

// ---- The exchange file (drawing units, absolute) ---------------------------------------------

// Corner points of a solid read this close in x and in y coincide: as tight as a null vector,
// since a solid with fewer corners repeats the same point.
inline constexpr double kSolidPointTolerance = 1e-10;
// ---- Indexes (drawing units) -------------------------------------------------------------------

// An index's grid squares are no narrower than this, so that boxes of next to no extent still
// make squares of some size: a thousandth of kLeastJoinTolerance.
inline constexpr double kSmallestIndexSquare = 1e-9;
// A locator's buckets are no narrower than this, so that an outline of no extent across still
// divides into buckets without a zero width: the least positive normal double, about.
inline constexpr double kSmallestBucketWidth = 1e-300;

// Segments, arcs and text directions at or below this size are not written: the size of
// kPointEqualityTolerance's same point, below which a piece has no direction to draw.
inline constexpr double kDegenerateGeometryTolerance = 1e-8;

}  // namespace tq58::geometry
