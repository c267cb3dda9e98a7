#pragma once

#include <vector>

#include "CellParams.h"
#include "CellPoint.h"

// Which yarns of a quarter crossing undulate: the magnitude of a weave pattern code.
enum class CrossingKind {
    BothUndulate = 1,      // U along x, L along y
    NeitherUndulates = 2,  // U straight at +T/4, L straight at -T/4
    LowerUndulates = 3,    // U straight, L along y
    UpperUndulates = 4,    // U along x, L straight
};

// Volumes of a quarter cell. The resin that is not in the pocket is shared between the yarns by
// half of it times VU / VL, which sets the fibre fraction inside each yarn.
struct CellVolumes {
    double V;               // quarter-cell volume
    double VfU;             // fibre volume fraction inside yarn U
    double VfL;             // fibre volume fraction inside yarn L
    double yarnFraction;    // yarn volume over cell volume
    double pocketFraction;  // resin-pocket volume over cell volume
    double check;           // yarns, yarn resin and pocket summed back: equals V
};

// The volumes of a quarter cell of the fabric's parameters (the same for every crossing kind),
// with e1 raised to e2 as the geometry raises it.
CellVolumes QuarterCellVolumes(CellParams params, double vf);

// The analytical geometry of one quarter cell of a given crossing kind, sampled at an n x n
// Gauss-Legendre grid (n = 1..11). A yarn section is a flat middle closed by two half ellipses;
// an undulating yarn follows that profile as its centreline and then a straight line tangent to
// it that crosses the mid-plane at the cell edge. Point (i, j), both 1-based, is stored at
// (i - 1) * n + (j - 1): x from rule point i on [0, L2], y from rule point j on [0, L1].
//
// The geometry keeps its own copy of the parameters with e1 raised to e2 when e1 < e2; every
// formula, the volume of yarn L included, uses that adjusted e1. Nothing is validated: counts and
// widths must be positive; a width ratio of 1 without undulation gives non-finite heights.
class CCellGeometry {
public:
    CCellGeometry(int n, const CellParams& params, double vf, CrossingKind kind);

    const std::vector<CellPoint>& Points() const { return points_; }
    const CellVolumes& Volumes() const { return volumes_; }
    const CellParams& Params() const { return params_; }
    // Tangent offsets of U (kinds 1 and 4) and of L (kinds 1 and 3); NaN for the other kinds.
    double R1() const { return R1_; }
    double R2() const { return R2_; }

    // The profile of the cell at any x in [0, L2] or y in [0, L1], as the points sample it.
    // Half thickness of a yarn section at distance s from its centreline: T/4 over the flat middle
    // of half width (1 - e) W, a quarter ellipse of semi-axes eW and T/4 beyond, 0 past W.
    double SectionHalfThickness(double s, double e, double W) const;
    double UpperHalfThickness(double y) const;  // C(y), yarn U across its width
    double LowerHalfThickness(double x) const;  // D(x), yarn L across its width
    double UpperCentreline(double x) const;     // A(x), height of U's centreline
    double LowerCentreline(double y) const;     // B(y), height of L's centreline
    double UpperAngle(double x) const;          // thU(x), slope angle of U's centreline
    double LowerAngle(double y) const;          // thL(y), slope angle of L's centreline

private:
    void ComputeVolumes();
    void FillPoint(CellPoint& point) const;

    bool UpperUndulates() const;
    bool LowerUndulates() const;

    double vf_;
    double xFrom_, xTo_;
    double yFrom_, yTo_;
    CellParams params_;
    int n_;
    CrossingKind kind_;
    std::vector<CellPoint> points_;
    CellVolumes volumes_;
    double R1_;
    double R2_;
};
