#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Tolerance.h"
#include "weave/CellGeometry.h"
#include "weave/CellModel.h"

namespace {

// A quarter cell in round numbers: unit yarn height, half spacing 2, half width 1.
CellParams RoundCell(double e1 = 0.5, double e2 = 0.5) {
    CellParams p{};
    p.h = 2.0;
    p.T = 1.0;
    p.T1 = 0.5;
    p.T2 = 0.5;
    p.L1 = 2.0;
    p.L2 = 2.0;
    p.W1 = 1.0;
    p.W2 = 1.0;
    p.a1 = 2.0;
    p.a2 = 2.0;
    p.e1 = e1;
    p.e2 = e2;
    return p;
}

// A fabric as the averaging models fill it: thickness 0.335 mm, 95 % yarn height, the given
// width ratio, warp and fill counts in yarns per metre.
CellParams FabricCell(double widthRatio, double warpCount, double fillCount, double e1, double e2) {
    CellParams p{};
    p.h = 0.3 / (0.5 * 1790.0);
    p.T = p.h * 0.95;
    p.T1 = p.T / (fillCount / warpCount + 1.0);
    p.T2 = p.T - p.T1;
    p.L1 = 0.5 / warpCount;
    p.L2 = 0.5 / fillCount;
    p.W1 = p.L1 * widthRatio;
    p.W2 = p.L2 * widthRatio;
    p.a1 = p.L1;
    p.a2 = p.L2;
    p.e1 = e1;
    p.e2 = e2;
    return p;
}

const CrossingKind kAllKinds[] = {CrossingKind::BothUndulate, CrossingKind::NeitherUndulates,
                                  CrossingKind::LowerUndulates, CrossingKind::UpperUndulates};

// Half the section area of a yarn, 2 * integral of its half thickness over [0, W], by the
// midpoint rule.
double HalfSectionArea(const CCellGeometry& cell, double e, double W) {
    const int steps = 400000;
    double ds = W / steps;
    double sum = 0.0;
    for (int i = 0; i < steps; ++i) {
        sum += cell.SectionHalfThickness((i + 0.5) * ds, e, W);
    }
    return 2.0 * sum * ds;
}

}  // namespace

TEST(CellGeometry, SinglePointSitsAtTheCentreWithTheWholeWeight) {
    CellParams p = FabricCell(0.85, 500.0, 400.0, 1.0, 1.0);
    CCellGeometry cell(1, p, 0.5, CrossingKind::BothUndulate);
    ASSERT_EQ(cell.Points().size(), 1u);
    const CellPoint& point = cell.Points()[0];
    EXPECT_DOUBLE_EQ(point.x, p.L2 / 2.0);
    EXPECT_DOUBLE_EQ(point.y, p.L1 / 2.0);
    EXPECT_EQ(point.wx * point.wy / 4.0, 1.0);
}

TEST(CellGeometry, StoresPointsRowsOfXWithWeightsSummingToOne) {
    CellParams p = FabricCell(0.85, 500.0, 400.0, 1.0, 1.0);
    const int n = 5;
    CCellGeometry cell(n, p, 0.5, CrossingKind::BothUndulate);
    ASSERT_EQ(cell.Points().size(), static_cast<size_t>(n * n));
    double weight = 0.0;
    for (int i = 0; i < n; ++i) {
        for (int j = 0; j < n; ++j) {
            const CellPoint& point = cell.Points()[i * n + j];
            EXPECT_EQ(point.x, cell.Points()[i * n].x);  // x follows the first index
            EXPECT_EQ(point.y, cell.Points()[j].y);      // y the second
            EXPECT_GE(point.x, 0.0);
            EXPECT_LE(point.x, p.L2);
            EXPECT_GE(point.y, 0.0);
            EXPECT_LE(point.y, p.L1);
            weight += point.wx * point.wy / 4.0;
        }
    }
    EXPECT_TRUE(RelativelyNear(weight, 1.0, 1e-14));
}

TEST(CellGeometry, SectionIsFlatThenEllipticalThenEmpty) {
    CCellGeometry cell(1, RoundCell(), 0.5, CrossingKind::BothUndulate);
    EXPECT_EQ(cell.SectionHalfThickness(0.3, 0.5, 1.0), 0.25);
    // Quarter ellipse of semi-axes 0.5 and 0.25 centred at 0.5: 0.25 sqrt(1 - 0.5^2) at 0.75.
    EXPECT_TRUE(RelativelyNear(cell.SectionHalfThickness(0.75, 0.5, 1.0), 0.2165063509461097));
    EXPECT_EQ(cell.SectionHalfThickness(1.0, 0.5, 1.0), 0.0);
    EXPECT_EQ(cell.SectionHalfThickness(1.5, 0.5, 1.0), 0.0);
    // No undulation: a rectangle, without dividing by e.
    EXPECT_EQ(cell.SectionHalfThickness(0.999, 0.0, 1.0), 0.25);
    EXPECT_EQ(cell.SectionHalfThickness(1.0, 0.0, 1.0), 0.0);
}

TEST(CellGeometry, StraightPartTouchesTheFlankAndCrossesTheMidPlaneAtTheCellEdge) {
    CCellGeometry cell(1, RoundCell(), 0.5, CrossingKind::BothUndulate);
    // (L - W)(L - W + 2eW) / (L - W + eW) = 1 * 2 / 1.5.
    EXPECT_TRUE(RelativelyNear(cell.R1(), 4.0 / 3.0));
    EXPECT_TRUE(RelativelyNear(cell.R2(), 4.0 / 3.0));
    double xs = 2.0 - 4.0 / 3.0;
    const double dx = 1e-7;
    // The ellipse at the switch point: 0.25 sqrt(1 - (1/6 / 0.5)^2) = sqrt(8) / 12.
    EXPECT_TRUE(RelativelyNear(cell.UpperCentreline(xs - dx), std::sqrt(8.0) / 12.0, 1e-6));
    EXPECT_TRUE(RelativelyNear(cell.UpperCentreline(xs + dx), std::sqrt(8.0) / 12.0, 1e-6));
    EXPECT_TRUE(RelativelyNear(cell.UpperAngle(xs - dx), cell.UpperAngle(xs + dx), 1e-6));
    EXPECT_TRUE(RelativelyNear(cell.UpperAngle(1.9), std::atan(-0.25 / std::sqrt(2.0))));
    EXPECT_EQ(cell.UpperCentreline(2.0), 0.0);
    EXPECT_TRUE(RelativelyNear(cell.LowerCentreline(xs - dx), -std::sqrt(8.0) / 12.0, 1e-6));
    EXPECT_TRUE(RelativelyNear(cell.LowerCentreline(xs + dx), -std::sqrt(8.0) / 12.0, 1e-6));
    EXPECT_TRUE(RelativelyNear(cell.LowerAngle(xs - dx), cell.LowerAngle(xs + dx), 1e-6));
    EXPECT_EQ(cell.LowerCentreline(2.0), 0.0);
}

TEST(CellGeometry, UndulationAnglesAreTheSlopesOfTheCentrelines) {
    CellParams p = FabricCell(0.85, 500.0, 500.0, 0.7, 0.7);
    CCellGeometry cell(1, p, 0.5, CrossingKind::BothUndulate);
    const double dx = p.L1 * 1e-7;
    for (double share : {0.1, 0.45, 0.6, 0.7, 0.8, 0.95}) {
        double x = share * p.L1;
        double slopeU = (cell.UpperCentreline(x + dx) - cell.UpperCentreline(x - dx)) / (2 * dx);
        double slopeL = (cell.LowerCentreline(x + dx) - cell.LowerCentreline(x - dx)) / (2 * dx);
        EXPECT_NEAR(cell.UpperAngle(x), std::atan(slopeU), 1e-6) << "x = " << x;
        EXPECT_NEAR(cell.LowerAngle(x), std::atan(slopeL), 1e-6) << "y = " << x;
        EXPECT_LE(cell.UpperAngle(x), 0.0);  // U descends towards the crossing at the edge
        EXPECT_GE(cell.LowerAngle(x), 0.0);  // and L rises
    }
}

TEST(CellGeometry, WithoutUndulationYarnsStayFlatButTheAnglesUseTheStraightPart) {
    CellParams p = FabricCell(0.5, 500.0, 500.0, 0.0, 0.0);
    CCellGeometry cell(4, p, 0.5, CrossingKind::BothUndulate);
    double straight = std::atan(-0.25 * p.T / (p.L1 - p.W1));
    bool beyond = false;
    for (const CellPoint& point : cell.Points()) {
        EXPECT_EQ(point.topU - point.botU, 2.0 * cell.UpperHalfThickness(point.y));
        EXPECT_TRUE(RelativelyNear((point.topU + point.botU) / 2.0, p.T / 4.0));
        if (point.x < p.W1) {
            EXPECT_EQ(point.thU, 0.0);
        } else {
            beyond = true;
            EXPECT_TRUE(RelativelyNear(point.thU, straight, 1e-14));
            EXPECT_TRUE(RelativelyNear(point.thL, -straight, 1e-14) || point.y < p.W2);
        }
    }
    EXPECT_TRUE(beyond);
}

TEST(CellGeometry, LowerUndulationRaisesTheUpperOne) {
    CCellGeometry adjusted(3, FabricCell(0.85, 500.0, 400.0, 0.2, 0.6), 0.5,
                           CrossingKind::BothUndulate);
    CCellGeometry equal(3, FabricCell(0.85, 500.0, 400.0, 0.6, 0.6), 0.5,
                        CrossingKind::BothUndulate);
    EXPECT_EQ(adjusted.Params().e1, 0.6);
    EXPECT_EQ(adjusted.Volumes().VfL, equal.Volumes().VfL);
    EXPECT_EQ(adjusted.Volumes().VfU, equal.Volumes().VfU);
    for (size_t i = 0; i < equal.Points().size(); ++i) {
        EXPECT_EQ(adjusted.Points()[i].topL, equal.Points()[i].topL);
        EXPECT_EQ(adjusted.Points()[i].thU, equal.Points()[i].thU);
    }
    // The other way round nothing is adjusted.
    CCellGeometry kept(3, FabricCell(0.85, 500.0, 400.0, 0.6, 0.2), 0.5,
                       CrossingKind::BothUndulate);
    EXPECT_EQ(kept.Params().e1, 0.6);
    EXPECT_EQ(kept.Params().e2, 0.2);
}

TEST(CellGeometry, VolumesAccountForEveryFibreAndTheWholeCell) {
    const double vf = 0.45;
    for (double e : {0.0, 0.4, 1.0}) {
        CellParams p = FabricCell(0.85, 500.0, 400.0, e, e);
        CCellGeometry cell(2, p, vf, CrossingKind::BothUndulate);
        const CellVolumes& v = cell.Volumes();
        double VU = HalfSectionArea(cell, p.e2, p.W2) * p.L1;
        double VL = HalfSectionArea(cell, p.e1, p.W1) * p.L2;
        EXPECT_TRUE(RelativelyNear(v.V, p.h * p.L1 * p.L2));
        EXPECT_TRUE(RelativelyNear(v.yarnFraction, (VU + VL) / v.V, 1e-6)) << "e = " << e;
        EXPECT_TRUE(RelativelyNear(v.yarnFraction + v.pocketFraction, 1.0));
        EXPECT_TRUE(RelativelyNear(v.check, v.V));
        // Fibre inside the two yarns is the fabric's fibre.
        EXPECT_TRUE(RelativelyNear(v.VfU * VU + v.VfL * VL, vf * v.V, 1e-6)) << "e = " << e;
        EXPECT_GT(v.VfU, vf);
        EXPECT_LT(v.VfU, 1.0);
    }
}

TEST(CellGeometry, StraightCrossingHasFlatYarnsAndAnInterfaceAtTheMidPlane) {
    CellParams p = FabricCell(0.85, 500.0, 400.0, 1.0, 1.0);
    CCellGeometry cell(4, p, 0.5, CrossingKind::NeitherUndulates);
    EXPECT_TRUE(std::isnan(cell.R1()));
    EXPECT_TRUE(std::isnan(cell.R2()));
    for (const CellPoint& point : cell.Points()) {
        EXPECT_EQ(point.zInt, 0.0);
        EXPECT_EQ(point.thU, 0.0);
        EXPECT_EQ(point.thL, 0.0);
        EXPECT_EQ(point.topU, p.T / 4.0 + cell.UpperHalfThickness(point.y));
        EXPECT_EQ(point.botL, -p.T / 4.0 - cell.LowerHalfThickness(point.x));
        EXPECT_EQ(point.zTop, p.h / 2.0);
        EXPECT_EQ(point.zBot, -p.h / 2.0);
    }
}

TEST(CellGeometry, OnlyTheNamedYarnUndulatesInKindsThreeAndFour) {
    CellParams p = FabricCell(0.85, 500.0, 400.0, 1.0, 1.0);
    CCellGeometry lower(4, p, 0.5, CrossingKind::LowerUndulates);
    CCellGeometry upper(4, p, 0.5, CrossingKind::UpperUndulates);
    EXPECT_TRUE(std::isnan(lower.R1()));
    EXPECT_FALSE(std::isnan(lower.R2()));
    EXPECT_FALSE(std::isnan(upper.R1()));
    EXPECT_TRUE(std::isnan(upper.R2()));
    bool lowerTilts = false;
    bool upperTilts = false;
    for (size_t i = 0; i < lower.Points().size(); ++i) {
        const CellPoint& l = lower.Points()[i];
        const CellPoint& u = upper.Points()[i];
        EXPECT_EQ(l.thU, 0.0);
        EXPECT_TRUE(RelativelyNear((l.topU + l.botU) / 2.0, p.T / 4.0));
        EXPECT_EQ(u.thL, 0.0);
        EXPECT_TRUE(RelativelyNear((u.topL + u.botL) / 2.0, -p.T / 4.0));
        lowerTilts = lowerTilts || l.thL != 0.0;
        upperTilts = upperTilts || u.thU != 0.0;
    }
    EXPECT_TRUE(lowerTilts);
    EXPECT_TRUE(upperTilts);
}

TEST(CellGeometry, InterfaceFollowsTheYarnThatLeavesItsLayer) {
    CellParams p = FabricCell(0.85, 500.0, 500.0, 1.0, 1.0);
    for (CrossingKind kind : kAllKinds) {
        CCellGeometry cell(6, p, 0.5, kind);
        for (const CellPoint& point : cell.Points()) {
            // The interface lies between the two yarns wherever they are apart.
            EXPECT_LE(point.zInt, point.botU + 1e-15) << static_cast<int>(kind);
            EXPECT_GE(point.zInt, point.topL - 1e-15) << static_cast<int>(kind);
        }
    }
}

TEST(CellGeometry, YarnNarrowerThanThePointHasNoThicknessThere) {
    CellParams p = FabricCell(0.3, 500.0, 400.0, 0.5, 0.5);
    CCellGeometry cell(6, p, 0.5, CrossingKind::BothUndulate);
    int outside = 0;
    for (const CellPoint& point : cell.Points()) {
        if (point.y >= p.W2) {
            EXPECT_EQ(point.topU, point.botU);
            ++outside;
        }
        if (point.x >= p.W1) {
            EXPECT_EQ(point.topL, point.botL);
            ++outside;
        }
    }
    EXPECT_GT(outside, 0);
}

TEST(CellModel, KeepsItsOwnCopyOfThePointsAndVolumes) {
    CellParams p = FabricCell(0.85, 500.0, 400.0, 1.0, 0.5);
    CCellGeometry geometry(3, p, 0.5, CrossingKind::UpperUndulates);
    CCellModel model(false, 3, p, 0.5, CrossingKind::UpperUndulates);
    EXPECT_FALSE(model.IsoStrain());
    EXPECT_EQ(model.PointCount(), 3);
    ASSERT_EQ(model.Points().size(), geometry.Points().size());
    EXPECT_EQ(model.Points()[4].topU, geometry.Points()[4].topU);
    EXPECT_EQ(model.Volumes().VfU, geometry.Volumes().VfU);
}
