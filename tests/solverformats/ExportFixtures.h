#pragma once

#include <array>
#include <string>

#include "Catalogue.h"
#include "ExportMaterials.h"
#include "weftcore.h"

// Calculations of every kind the exporters take, made by the library on catalogue materials, with
// the library's output kept beside the material built from it: tests compare what a card holds
// with the output array itself, not with the exporter's own reading of it.
struct LibraryCase {
    std::string label;
    std::array<double, 41> out{};
    ExportDocument document;
};

class CExportCases {
public:
    // A UD ply or random mat of E-Glass in ACG LTM 10 at 60 %, CCA models.
    LibraryCase Ply(bool randomMat, short elasticCode = 2, short thermalCode = 11) const {
        LibraryCase c;
        c.label = randomMat ? "random mat" : "UD ply";
        PlyExportInputs in{randomMat,
                           "E-Glass",
                           "ACG LTM 10",
                           "model",
                           "model",
                           catalogue_.FindResin("ACG LTM 10")->Array(),
                           catalogue_.FindFibre("E-Glass")->Array(),
                           60.0};
        (randomMat ? RNDProperties : UDMixel)(0.6, in.resin, in.fibre, elasticCode, thermalCode,
                                              c.out.data());
        c.document = PlyExportDocument(in, c.out.data(), "tests");
        return c;
    }

    // Tenax HTA in Hexcel RTM6 at 55 %, 3D constants or the laminate by averaging.
    LibraryCase Fabric(const std::string& weave, double warpDeg, double fillDeg,
                       bool laminate) const {
        LibraryCase c;
        c.label = weave + " " + std::to_string(int(warpDeg)) + "/" + std::to_string(int(fillDeg)) +
                  (laminate ? " laminate" : " 3D");
        FabricRequest request;
        request.resinName = "Hexcel RTM6";
        request.resin = catalogue_.FindResin("Hexcel RTM6")->Array();
        request.fibreName = "Tenax HTA";
        request.fibre = catalogue_.FindFibre("Tenax HTA")->Array();
        request.weave = catalogue_.FindWeave(weave);
        request.fibreVolumePercent = 55.0;
        request.data = {1200.0, 1150.5, 0.2, warpDeg, fillDeg};
        request.results = laminate ? FabricResults::Laminate : FabricResults::Constants3D;
        request.Calculate(c.out.data());
        c.document = FabricExportDocument(request, c.out.data(), "tests");
        return c;
    }

private:
    CCatalogue catalogue_;
};
