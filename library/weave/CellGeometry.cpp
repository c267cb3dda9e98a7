#include "CellGeometry.h"

#include <cmath>
#include <limits>

#include "GaussRule.h"

namespace {

const double kPi = std::acos(-1.0);

// Distance from the crossing point at L back to where a straight line through (L, 0) touches the
// half ellipse of the section shape: (L - W)(L - W + 2eW) / (L - W + eW), in expanded form.
double TangentOffset(double W, double e, double L) {
    return ((((W * W - 2.0 * e * (W * W)) - 2.0 * W * L) + L * L) + 2.0 * e * W * L) /
           ((e * W + L) - W);
}

// Slope of the straight part of an undulating centreline: from T/4 down to 0 over the tangent
// length, sqrt(T^2 (L - W)(L - W + 2eW)) / T.
double StraightPartRoot(double T, double L, double W, double e) {
    return std::sqrt(T * T * (L - W) * ((L - W) + 2.0 * e * W));
}

}  // namespace

CCellGeometry::CCellGeometry(int n, const CellParams& params, double vf, CrossingKind kind)
    : vf_(vf),
      xFrom_(0.0),
      xTo_(params.L2),
      yFrom_(0.0),
      yTo_(params.L1),
      params_(params),
      n_(n > 0 ? n : 0),
      kind_(kind),
      points_(static_cast<size_t>(n_) * n_),
      volumes_{},
      R1_(std::numeric_limits<double>::quiet_NaN()),
      R2_(std::numeric_limits<double>::quiet_NaN()) {
    for (int i = 1; i <= n_; ++i) {
        for (int j = 1; j <= n_; ++j) {
            CGaussRule ruleX(n_, i, xFrom_, xTo_);
            CGaussRule ruleY(n_, j, yFrom_, yTo_);
            CellPoint& point = points_[(i - 1) * n_ + (j - 1)];
            point = CellPoint{};
            point.x = ruleX.Point();
            point.wx = ruleX.Weight();
            point.y = ruleY.Point();
            point.wy = ruleY.Weight();
        }
    }

    if (params_.e1 < params_.e2) {
        params_.e1 = params_.e2;
    }
    ComputeVolumes();

    const CellParams& p = params_;
    if (UpperUndulates()) {
        R1_ = TangentOffset(p.W1, p.e1, p.L1);
    }
    if (LowerUndulates()) {
        R2_ = TangentOffset(p.W2, p.e2, p.L2);
    }
    for (CellPoint& point : points_) {
        FillPoint(point);
    }
}

bool CCellGeometry::UpperUndulates() const {
    return kind_ == CrossingKind::BothUndulate || kind_ == CrossingKind::UpperUndulates;
}

bool CCellGeometry::LowerUndulates() const {
    return kind_ == CrossingKind::BothUndulate || kind_ == CrossingKind::LowerUndulates;
}

void CCellGeometry::ComputeVolumes() {
    volumes_ = QuarterCellVolumes(params_, vf_);
}

// Each yarn's half section is a flat middle of half width (1 - e) W and height T/2 closed by a
// quarter of an ellipse of semi-axes eW and T/4 on either side.
CellVolumes QuarterCellVolumes(CellParams p, double vf) {
    if (p.e1 < p.e2) {
        p.e1 = p.e2;
    }
    double V = p.h * p.L2 * p.L1;
    double AU = (1.0 - p.e2) * p.W2 * p.T * 0.5 + kPi * p.e2 * p.W2 * p.T * 0.125;
    double VU = AU * p.L1;
    double AL = (1.0 - p.e1) * p.W1 * p.T * 0.5 + kPi * p.e1 * p.W1 * p.T * 0.125;
    double VL = AL * p.L2;
    double Vy = VL + VU;
    double Vp = V - Vy;
    // Resin inside the yarns, what the fabric's fibre fraction leaves after the pocket.
    double R = (1.0 - vf) * V - Vp;
    double rU = (VU / VL) * R * 0.5;
    CellVolumes volumes;
    volumes.V = V;
    volumes.VfU = 1.0 - rU / VU;
    volumes.VfL = 1.0 - (R - rU) / VL;
    volumes.yarnFraction = Vy / V;
    volumes.pocketFraction = Vp / V;
    volumes.check = ((Vy - R) + R) + Vp;
    return volumes;
}

// The tests run in this order so that e = 0 gives T/4 inside the yarn and 0 beyond it without
// dividing by e.
double CCellGeometry::SectionHalfThickness(double s, double e, double W) const {
    double T = params_.T;
    double u0 = (1.0 - e) * W;
    if (s < u0) {
        return T / 4.0;
    }
    if (s < W) {
        return std::sqrt(T * T * 0.0625 -
                         (s - u0) * (s - u0) * (T * T) * 0.0625 / (W * W * (e * e)));
    }
    return 0.0;
}

double CCellGeometry::UpperHalfThickness(double y) const {
    return SectionHalfThickness(y, params_.e2, params_.W2);
}

double CCellGeometry::LowerHalfThickness(double x) const {
    return SectionHalfThickness(x, params_.e1, params_.W1);
}

double CCellGeometry::UpperCentreline(double x) const {
    const CellParams& p = params_;
    if (!UpperUndulates() || p.e1 == 0.0) {
        return p.T / 4.0;
    }
    if (x < p.L1 - R1_) {
        return LowerHalfThickness(x);
    }
    return -0.25 * (p.T * p.T) * (x - p.L1) / StraightPartRoot(p.T, p.L1, p.W1, p.e1);
}

// The straight part is offset from L1, not L2, while its slope and switch point use the fill
// yarn's L2, W2 and e2; with equal counts the two coincide.
double CCellGeometry::LowerCentreline(double y) const {
    const CellParams& p = params_;
    if (!LowerUndulates() || p.e2 == 0.0) {
        return -p.T / 4.0;
    }
    if (y < p.L2 - R2_) {
        return -UpperHalfThickness(y);
    }
    return 0.25 * (p.T * p.T) * (y - p.L1) / StraightPartRoot(p.T, p.L2, p.W2, p.e2);
}

// Slope of U's centreline: flat over the middle, the ellipse flank, then the straight part.
double CCellGeometry::UpperAngle(double x) const {
    const CellParams& p = params_;
    if (!UpperUndulates()) {
        return 0.0;
    }
    double u1 = (1.0 - p.e1) * p.W1;
    double TT = p.T * p.T;
    if (x < u1) {
        return 0.0;
    }
    if (x < p.L1 - R1_) {
        double ee = p.e1 * p.e1;
        double WW = p.W1 * p.W1;
        double d = x - u1;
        return std::atan(-TT * d /
                         (16.0 * ee * WW * std::sqrt((TT - TT * (d * d) / (ee * WW)) * 0.0625)));
    }
    return std::atan(-0.25 * TT / StraightPartRoot(p.T, p.L1, p.W1, p.e1));
}

double CCellGeometry::LowerAngle(double y) const {
    const CellParams& p = params_;
    if (!LowerUndulates()) {
        return 0.0;
    }
    double u2 = (1.0 - p.e2) * p.W2;
    double TT = p.T * p.T;
    if (y < u2) {
        return 0.0;
    }
    if (y < p.L2 - R2_) {
        double ee = p.e2 * p.e2;
        double WW = p.W2 * p.W2;
        double d = y - u2;
        return std::atan(TT * d /
                         (16.0 * ee * WW * std::sqrt((TT - TT * (d * d) / (ee * WW)) * 0.0625)));
    }
    return std::atan(0.25 * TT / StraightPartRoot(p.T, p.L2, p.W2, p.e2));
}

void CCellGeometry::FillPoint(CellPoint& point) const {
    const CellParams& p = params_;
    double x = point.x;
    double y = point.y;
    double A = UpperCentreline(x);
    double B = LowerCentreline(y);
    double C = UpperHalfThickness(y);
    double D = LowerHalfThickness(x);
    point.zTop = 0.5 * p.h;
    point.topU = A + C;
    point.botU = A - C;
    point.topL = B + D;
    point.botL = B - D;
    point.zBot = -0.5 * p.h;
    point.thU = UpperAngle(x);
    point.thL = LowerAngle(y);
    switch (kind_) {
        case CrossingKind::BothUndulate:
            point.zInt = y <= p.L2 - R2_ ? point.botU : point.topL;
            break;
        case CrossingKind::NeitherUndulates:
            point.zInt = 0.0;
            break;
        case CrossingKind::LowerUndulates:
            point.zInt = y > p.L2 - R2_ ? point.topL : p.T / 4.0 - C;
            break;
        case CrossingKind::UpperUndulates:
            point.zInt = x > p.L1 - R1_ ? point.botU : D - p.T / 4.0;
            break;
    }
}
