#include "VerificationSuite.h"

#include "FabricCases.h"
#include "RandomMatCases.h"
#include "UdPlyCases.h"

std::vector<VerificationCase> RunVerification() {
    std::vector<VerificationCase> cases = UdPlyCases();
    for (auto&& more : {RandomMatCases(), FabricCases()}) {
        cases.insert(cases.end(), more.begin(), more.end());
    }
    return cases;
}
