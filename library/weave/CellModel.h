#pragma once

#include <vector>

#include "CellGeometry.h"
#include "CellParams.h"
#include "CellPoint.h"

// Common base of the cell property models: the averaging mode, the n x n integration points of a
// quarter cell of one crossing kind and its volume results. The geometry that produced them is
// built and discarded during construction; the model owns its copy of the points.
class CCellModel {
public:
    CCellModel(bool isoStrain, int n, const CellParams& params, double vf, CrossingKind kind);
    virtual ~CCellModel();

    bool IsoStrain() const { return isoStrain_; }
    int PointCount() const { return n_; }
    const std::vector<CellPoint>& Points() const { return points_; }
    const CellVolumes& Volumes() const { return volumes_; }

protected:
    bool isoStrain_;
    int n_;
    std::vector<CellPoint> points_;
    CellVolumes volumes_;
};
