#include "ExportMaterials.h"

#include "CardText.h"
#include "NumberFormat.h"

namespace {

// The library returns the expansion of plies, mats and 3D fabrics multiplied by 1e6.
constexpr double kPerMillion = 1e-6;

std::string Number(double value) {
    return FormatGeneral(value, kFieldDigits);
}

std::string ResinText(const std::string& name, const double* resin) {
    return "resin: " + name + " (E " + Number(resin[0]) + " Pa, nu " + Number(resin[1]) +
           ", alpha " + Number(resin[2]) + " 1/K)";
}

std::string FibreText(const std::string& name, const double* fibre) {
    return "fibre: " + name + " (E1 " + Number(fibre[0]) + " Pa, E2 " + Number(fibre[1]) +
           " Pa, G12 " + Number(fibre[2]) + " Pa, G23 " + Number(fibre[3]) + " Pa, nu12 " +
           Number(fibre[4]) + ", alpha1 " + Number(fibre[5]) + " 1/K, alpha2 " + Number(fibre[6]) +
           " 1/K, density " + Number(fibre[7]) + " kg/m^3)";
}

std::string VolumeText(double percent) {
    return "fibre volume fraction " + Number(percent) + " %";
}

// The library's thickness in metres: out[34] of a laminate, out[18] of 3D constants.
double Thickness(const FabricRequest& request, const double* out) {
    return request.Laminate() ? out[34] : out[18];
}

}  // namespace

SolidMaterial PlyMaterial(const PlyExportInputs& in, const double* out) {
    SolidMaterial m;
    m.name = PlyMaterialName(in);
    m.notes = {(in.randomMat ? "Random mat, " : "UD ply, ") + VolumeText(in.fibreVolumePercent) +
                   ", elastic model " + in.elasticModelName + ", thermal model " +
                   in.thermalModelName,
               in.randomMat ? "Axes: 1 and 2 in the mat's plane, 3 through its thickness."
                            : "Axes: 1 along the fibres, 2 and 3 across them."};
    if (!in.randomMat) {
        // out: E1, E2, G12, G23, nu12, nu23, nu21, alpha1, alpha2.
        m.E1 = out[0];
        m.E2 = m.E3 = out[1];
        m.G12 = m.G13 = out[2];
        m.G23 = out[3];
        m.nu12 = m.nu13 = out[4];
        m.nu23 = out[5];
        m.alpha1 = out[7] * kPerMillion;
        m.alpha2 = m.alpha3 = out[8] * kPerMillion;
    } else {
        // out: Ex, Ez, Gxy, Gyz, nu_xy, nu_zx, nu_xz, alpha_x, alpha_z.
        m.E1 = m.E2 = out[0];
        m.E3 = out[1];
        m.G12 = out[2];
        m.G13 = m.G23 = out[3];
        m.nu12 = out[4];
        m.nu13 = m.nu23 = out[6];
        m.alpha1 = m.alpha2 = out[7] * kPerMillion;
        m.alpha3 = out[8] * kPerMillion;
    }
    m.noDensityReason = "the resin records carry no density, so the " +
                        std::string(in.randomMat ? "mat's" : "ply's") + " is unknown";
    return m;
}

ExportedMaterial FabricMaterial(const FabricRequest& request, const double* out) {
    const double thickness = Thickness(request, out);
    const std::string name = FabricMaterialName(request);
    std::vector<std::string> notes = {
        "Woven fabric, " + VolumeText(request.fibreVolumePercent) + ", thickness " +
            Number(thickness) + " m",
        "Axes: x along 0 degrees (yarn angles are measured from it), z through the thickness."};
    if (request.Laminate()) {
        LaminateSection section;
        section.name = name;
        section.notes = notes;
        section.A = SymmetricFromUpper(out);
        section.B = SymmetricFromUpper(out + 6);
        section.D = SymmetricFromUpper(out + 12);
        section.NT = {out[22], out[23], out[24]};
        section.MT = {out[25], out[26], out[27]};
        section.strainPerKelvin = {out[28], out[29], out[30]};
        section.curvaturePerKelvin = {out[31], out[32], out[33]};
        section.thickness = thickness;
        section.arealDensity = request.data.arealDensity;
        return section;
    }
    // out: Ex, Ey, Ez, Gxy, Gxz, Gyz, nu_xy, nu_xz, nu_yz, nu_yx, nu_zx, nu_zy, alpha x, y, z, xy
    // (x 1e6), S16/Ex, S26/Ey, h.
    SolidMaterial m;
    m.name = name;
    m.notes = notes;
    m.E1 = out[0];
    m.E2 = out[1];
    m.E3 = out[2];
    m.G12 = out[3];
    m.G13 = out[4];
    m.G23 = out[5];
    m.nu12 = out[6];
    m.nu13 = out[7];
    m.nu23 = out[8];
    m.S16 = out[16] * out[0];
    m.S26 = out[17] * out[1];
    m.alpha1 = out[12] * kPerMillion;
    m.alpha2 = out[13] * kPerMillion;
    m.alpha3 = out[14] * kPerMillion;
    m.gamma12PerKelvin = out[15] * kPerMillion;
    m.density = request.data.arealDensity / thickness;
    m.notes.push_back("Density: areal density " + Number(request.data.arealDensity) +
                      " kg/m^2 over the thickness.");
    return m;
}

std::string PlyRowLabel(const PlyExportInputs& in) {
    return SolverLabel("VF" + Number(in.fibreVolumePercent) + "_" + in.elasticModelName + "_" +
                       in.thermalModelName);
}

std::string FabricRowLabel(const FabricRequest& request) {
    return SolverLabel("VF" + Number(request.fibreVolumePercent));
}

std::string PlyMaterialName(const PlyExportInputs& in) {
    return SolverLabel((in.randomMat ? "MAT_" : "UD_") + in.fibreName + "_" + in.resinName,
                       PlyRowLabel(in));
}

std::string FabricMaterialName(const FabricRequest& request) {
    return SolverLabel(
        "FABRIC_" + request.fibreName + "_" + request.resinName + "_" + request.weave->Name(),
        FabricRowLabel(request));
}

ExportHeader PlyExportHeader(const PlyExportInputs& in, const std::string& program) {
    return ExportHeader{program,
                        CurrentUtcDate(),
                        {in.randomMat ? "random mat" : "UD ply", ResinText(in.resinName, in.resin),
                         FibreText(in.fibreName, in.fibre)}};
}

ExportHeader FabricExportHeader(const FabricRequest& request, const std::string& program) {
    const FabricConfiguration& settings = request.settings;
    return ExportHeader{
        program,
        CurrentUtcDate(),
        {std::string("woven fabric, ") +
             (request.Laminate() ? "laminate (ABD) results" : "3D results") + " by " +
             (request.FiniteElements() ? "finite elements" : "averaging") + ", " +
             (request.isoStrain ? "iso-strain" : "iso-stress") + " model",
         ResinText(request.resinName, request.resin), FibreText(request.fibreName, request.fibre),
         "weave: " + request.weave->Name() + ", warp count " + Number(request.data.warpCount) +
             " 1/m, fill count " + Number(request.data.fillCount) + " 1/m, areal density " +
             Number(request.data.arealDensity) + " kg/m^2",
         "yarn angles: warp " + Number(request.data.warpAngleDeg) + " degrees, fill " +
             Number(request.data.fillAngleDeg) + " degrees",
         "configuration: " + std::to_string(settings.gaussPoints) + " Gauss points, undulation " +
             std::to_string(settings.warpUndulation) + " % warp, " +
             std::to_string(settings.fillUndulation) + " % fill, fibre height " +
             std::to_string(settings.fibreHeight) + " %, fibre width " +
             std::to_string(settings.fibreWidth) + " %, accuracy " +
             std::to_string(settings.accuracy)}};
}

ExportDocument PlyExportDocument(const PlyExportInputs& inputs, const double* out,
                                 const std::string& program) {
    return ExportDocument{PlyExportHeader(inputs, program), {PlyMaterial(inputs, out)}};
}

ExportDocument FabricExportDocument(const FabricRequest& request, const double* out,
                                    const std::string& program) {
    return ExportDocument{FabricExportHeader(request, program), {FabricMaterial(request, out)}};
}
