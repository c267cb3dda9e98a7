#pragma once

#include <filesystem>
#include <string>

#include "ResultRecords.h"
#include "WindowSystem.h"

// The plain-text reports of a calculation. Each kind has its own file in the working directory;
// a report is appended to it in text mode, so reports accumulate, each starting right after the
// last line of the one before. The texts are fixed line by line (numbers %10.4f, or %10.4e with
// three-digit exponents) and print the records as displayed, widened to double.

enum class ReportKind { UDPly, RandomMat, Fabric3D, FabricABD };

// What the report says about a UD ply or random-mat calculation besides its results: the texts
// of the main form's lists and the fibre volume fraction as entered [%].
struct PlyReportInputs {
    std::string fibreName;
    std::string resinName;
    std::string elasticModelName;
    std::string thermalModelName;
    double fibreVolumePercent = 0.0;
};

// The same for a woven fabric. Angles in degrees, counts in 1/m, areal density in kg/m^2, the
// thickness as the library computed it, in millimetres.
struct FabricReportInputs {
    std::string fibreName;
    std::string resinName;
    std::string weaveName;
    bool isoStrain = false;       // the model type list shows "Iso-strain model"
    bool finiteElements = false;  // the laminate came from the finite-element model
    double warpAngleDeg = 0.0;
    double fillAngleDeg = 0.0;
    double arealDensity = 0.0;
    double thicknessMm = 0.0;
    double warpCount = 0.0;
    double fillCount = 0.0;
    double fibreVolumePercent = 0.0;
};

std::string UDPlyReport(const PlyReportInputs& inputs, const UDResults& results);
std::string RandomMatReport(const PlyReportInputs& inputs, const RandomMatResults& results);
std::string Fabric3DReport(const FabricReportInputs& inputs, const Fabric3DResults& results);
std::string FabricABDReport(const FabricReportInputs& inputs, const FabricABDResults& results);

// "results_MM.dat", "results_RND.dat", "results_3D.dat" or "results_ABD.dat".
const char* ReportFileName(ReportKind kind);

// The message that confirms a report was appended (information icon), and the warning that it
// could not be, naming the file and the system's reason (exclamation icon).
Message ReportWrittenMessage(ReportKind kind);
Message ReportFailedMessage(ReportKind kind, const std::string& reason);

// Appends `report` to the kind's file in `directory` (the working directory when empty) as one
// whole record (see CReportFile), creating the file when missing, and returns the message to
// show: the confirmation once the file is closed, or, when the file is not a regular file or
// cannot be opened, written or closed, the warning, the file then as it was.
Message AppendReport(ReportKind kind, const std::string& report,
                     const std::filesystem::path& directory = {});
