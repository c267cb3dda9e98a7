#pragma once

#include <memory>
#include <string>
#include <vector>

#include "FibreRecord.h"
#include "ModelEntry.h"
#include "NamedWeave.h"
#include "ResinRecord.h"

// The built-in catalogue: nine resins, six fibres, fourteen weaves and the elastic and thermal
// model entries, in construction order. Built once in memory, never read from or written to a
// file; owns its records and weaves.
class CCatalogue {
public:
    CCatalogue();

    const std::vector<ResinRecord>& Resins() const { return resins_; }
    const std::vector<FibreRecord>& Fibres() const { return fibres_; }
    const std::vector<std::unique_ptr<CNamedWeave>>& Weaves() const { return weaves_; }
    const std::vector<ModelEntry>& ElasticModels() const { return elasticModels_; }
    const std::vector<ModelEntry>& ThermalModels() const { return thermalModels_; }

    // Exact, case-sensitive name lookups over the built-in entries; nullptr when absent.
    const ResinRecord* FindResin(const std::string& name) const;
    const FibreRecord* FindFibre(const std::string& name) const;
    const CNamedWeave* FindWeave(const std::string& name) const;

private:
    std::vector<ResinRecord> resins_;
    std::vector<FibreRecord> fibres_;
    std::vector<std::unique_ptr<CNamedWeave>> weaves_;
    std::vector<ModelEntry> elasticModels_;
    std::vector<ModelEntry> thermalModels_;
};
