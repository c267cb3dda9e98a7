#pragma once

// Unidirectional ply of one fibre in one resin at fibre volume fraction Vf (0..1).
//
// Built from the resin array {Em, nu_m, alpha_m} and the fibre array {Ef1, Ef2, Gf12, Gf23,
// nu_f12, alpha_f1, alpha_f2, ...}. An elastic model (Mech*) fills the moduli and Poisson's ratios,
// then a thermal model (Therm*) fills the expansion coefficients; ThermShapery reads nu12, so the
// order is fixed. Moduli come out in the unit of the inputs. The ply is transversely isotropic:
// E3 = E2, G13 = G12, nu13 = nu12, alpha3 = alpha2. Nothing is validated; degenerate inputs give
// non-finite results.
class CUDPly {
public:
    CUDPly(const double* resin, const double* fibre, double vf);

    // Elastic models: each overwrites E1, E2, E3, G12, G13, G23, nu12, nu13, nu23.
    void MechRuleOfMixtures();
    void MechCCA();
    void MechPuck();
    void MechChamis();
    void MechHalpinTsai();
    // Rectangular fibre section of aspect ratio a / b.
    void MechHalpinTsaiRect(double a, double b);

    // Thermal models: each overwrites alpha1, alpha2, alpha3 and nothing else.
    void ThermRuleOfMixtures();
    void ThermChamis();
    void ThermSchneider();
    void ThermShapery();
    // packing 'H'/'h' hexagonal, 'S'/'s' square; any other character leaves alpha2 as it was.
    void ThermChamberLain(char packing);

    // Constituents.
    double Vf, Em, Gm, num, alpham;
    double Ef1, Ef2, Gf12, Gf23, nuf12, alphaf1, alphaf2;
    // Ply results.
    double E1, E2, E3, G12, G13, G23, nu12, nu13, nu23;
    double alpha1, alpha2, alpha3;

private:
    // Rule-of-mixtures longitudinal expansion, weighted by the constituents' axial moduli.
    double MixedAlpha1() const;
    void SetTransverseAlpha(double alpha);
};
