#include "PlyModels.h"

namespace {

// Section aspect ratio a / b = 2 of the rectangular Halpin-Tsai model as the entry points use it.
constexpr double kRectSectionA = 1.0;
constexpr double kRectSectionB = 0.5;

}  // namespace

bool RunElasticModel(CUDPly& ply, short code) {
    switch (code) {
        case 1:
            ply.MechRuleOfMixtures();
            return true;
        case 2:
            ply.MechCCA();
            return true;
        case 3:
            ply.MechPuck();
            return true;
        case 4:
            ply.MechChamis();
            return true;
        case 5:
            ply.MechHalpinTsai();
            return true;
        case 6:
            ply.MechHalpinTsaiRect(kRectSectionA, kRectSectionB);
            return true;
        default:
            return false;
    }
}

bool RunThermalModel(CUDPly& ply, short code) {
    switch (code) {
        case 11:
            ply.ThermRuleOfMixtures();
            return true;
        case 12:
            ply.ThermChamis();
            return true;  // the "CCA" choice gives Chamis' coefficients
        case 13:
            ply.ThermSchneider();
            return true;
        case 14:
            ply.ThermShapery();
            return true;
        case 15:
            ply.ThermChamis();
            return true;
        case 16:
            ply.ThermChamberLain('H');
            return true;
        case 17:
            ply.ThermChamberLain('S');
            return true;
        default:
            return false;
    }
}
