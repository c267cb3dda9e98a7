#pragma once

#include "Catalogue.h"
#include "FabricCalculation.h"

// Laminate results of the largest weave, "Basket 8x8", of Tenax HTA in Hexcel RTM6 at 55 % with
// 1200 and 1150.5 yarns/m, 0.2 kg/m2 and the yarns at 0 and 90 degrees, by `method`.
inline FabricRequest BasketRequest(const CCatalogue& catalogue, FabricMethod method) {
    FabricRequest request;
    request.resinName = "Hexcel RTM6";
    request.resin = catalogue.FindResin("Hexcel RTM6")->Array();
    request.fibreName = "Tenax HTA";
    request.fibre = catalogue.FindFibre("Tenax HTA")->Array();
    request.weave = catalogue.FindWeave("Basket 8x8");
    request.fibreVolumePercent = 55;
    request.data = {1200, 1150.5, 0.2, 0, 90};
    request.results = FabricResults::Laminate;
    request.method = method;
    return request;
}
