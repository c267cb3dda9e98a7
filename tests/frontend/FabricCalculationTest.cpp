// The fabric request: the library's model number and what the request hands the library.
#include "FabricCalculation.h"

#include <gtest/gtest.h>

#include "BasketFabricRequest.h"
#include "Catalogue.h"

TEST(FabricRequest, ModelNumberFollowsFromResultsAndMethod) {
    EXPECT_EQ(FabricModelNumber(FabricResults::Constants3D, FabricMethod::Average), 0);
    EXPECT_EQ(FabricModelNumber(FabricResults::Laminate, FabricMethod::Average), 1);
    EXPECT_EQ(FabricModelNumber(FabricResults::Laminate, FabricMethod::FiniteElements), 2);
    // There are no 3D constants by finite elements: the averaging model gives them.
    EXPECT_EQ(FabricModelNumber(FabricResults::Constants3D, FabricMethod::FiniteElements), 0);
}

// The request reaches the library with the arguments of its inputs, and its report names them
// with the thickness the library returned.
TEST(FabricRequest, CallsTheLibraryWithItsInputsAndReportsThem) {
    const CCatalogue catalogue;
    FabricRequest request = BasketRequest(catalogue, FabricMethod::FiniteElements);
    request.settings.accuracy = 100;
    request.isoStrain = true;

    short model = -1;
    int reductions = -1;
    double vf = 0.0;
    const WFPropertiesFunction recorder = [&](short m, bool, const CWeave*, short, double v,
                                              const double*, const double*, const double*, double,
                                              double, const double*, int r, double* out) {
        model = m;
        vf = v;
        reductions = r;
        out[34] = 0.25e-3;  // thickness [m]
        return true;
    };
    double out[kFabricResultSize] = {};
    ASSERT_TRUE(request.Calculate(out, recorder));
    EXPECT_EQ(model, 2);
    EXPECT_EQ(vf, 0.55);
    EXPECT_EQ(reductions, request.weave->MaxReduction());
    EXPECT_EQ(request.OutputSize(), 41);

    const FabricReportInputs report = request.ReportInputs(out);
    EXPECT_EQ(report.weaveName, "Basket 8x8");
    EXPECT_TRUE(report.finiteElements);
    EXPECT_TRUE(report.isoStrain);
    EXPECT_EQ(report.thicknessMm, 0.25e-3 * 1000.0);
    EXPECT_EQ(report.fillCount, 1150.5);
}
