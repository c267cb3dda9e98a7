#include "CellModel.h"

CCellModel::CCellModel(bool isoStrain, int n, const CellParams& params, double vf,
                       CrossingKind kind)
    : isoStrain_(isoStrain), n_(n), points_(), volumes_{} {
    CCellGeometry geometry(n, params, vf, kind);
    points_ = geometry.Points();
    volumes_ = geometry.Volumes();
}

CCellModel::~CCellModel() = default;
