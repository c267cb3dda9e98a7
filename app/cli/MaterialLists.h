#pragma once

#include <string>
#include <vector>

#include "Catalogue.h"
#include "DisplayOrder.h"
#include "UserMaterials.h"

// The lists of the calculator's main form as the command-line tool offers them: the built-in
// catalogue's resins, fibres, weaves and models plus the user's resins and fibres from the user
// file, each list in display order with the same order for equal names. The user file is only
// read, silently as the calculator reads it at start-up; the tool never writes it. Owns the
// records the lists refer to.
class CMaterialLists {
public:
    explicit CMaterialLists(const std::string& userFileName);
    CMaterialLists(const CMaterialLists&) = delete;
    CMaterialLists& operator=(const CMaterialLists&) = delete;

    const DisplayList<const ResinRecord*>& Resins() const { return resins_; }
    const DisplayList<const FibreRecord*>& Fibres() const { return fibres_; }
    const DisplayList<const CNamedWeave*>& Weaves() const { return weaves_; }
    const DisplayList<const ModelEntry*>& ElasticModels() const { return elasticModels_; }
    const DisplayList<const ModelEntry*>& ThermalModels() const { return thermalModels_; }

    // The user file exists but its contents were not taken (the calculator loads nothing then).
    bool UserFileUnreadable() const {
        return userMaterials_.FileFound() && !userMaterials_.ReadOk();
    }

    // Whether a resin or fibre of this list came from the user file.
    bool IsUserResin(const ResinRecord* resin) const;
    bool IsUserFibre(const FibreRecord* fibre) const;

private:
    CCatalogue catalogue_;
    CUserMaterials userMaterials_;
    DisplayList<const ResinRecord*> resins_;
    DisplayList<const FibreRecord*> fibres_;
    DisplayList<const CNamedWeave*> weaves_;
    DisplayList<const ModelEntry*> elasticModels_;
    DisplayList<const ModelEntry*> thermalModels_;
};

// The entry of a list by name (see NameLookup.h); throws a rejected-input failure naming the
// close matches when there is none. `what` names the list in the message ("resin").
template <typename Reference>
const Reference& FindEntry(const DisplayList<Reference>& list, const std::string& what,
                           const std::string& typed);

// A model entry by name or by its code ("2", "14").
const ModelEntry* FindModel(const DisplayList<const ModelEntry*>& list, const std::string& what,
                            const std::string& typed);
