#include "MaterialLists.h"

#include "CliFailure.h"
#include "NameLookup.h"

// The lists hold the main form's entries in its order: built-in entries first, then the user's
// materials head first, so equal names sit in the same order as on the form.
CMaterialLists::CMaterialLists(const std::string& userFileName) {
    userMaterials_.LoadUserMaterials(userFileName);
    for (const ResinRecord& resin : catalogue_.Resins()) {
        resins_.push_back({resin.name, &resin});
    }
    for (const ResinRecord& resin : userMaterials_.Resins()) {
        resins_.push_back({resin.name, &resin});
    }
    for (const FibreRecord& fibre : catalogue_.Fibres()) {
        fibres_.push_back({fibre.name, &fibre});
    }
    for (const FibreRecord& fibre : userMaterials_.Fibres()) {
        fibres_.push_back({fibre.name, &fibre});
    }
    for (const auto& weave : catalogue_.Weaves()) {
        weaves_.push_back({weave->Name(), weave.get()});
    }
    for (const ModelEntry& model : catalogue_.ElasticModels()) {
        elasticModels_.push_back({model.name, &model});
    }
    for (const ModelEntry& model : catalogue_.ThermalModels()) {
        thermalModels_.push_back({model.name, &model});
    }
    SortForDisplay(resins_);
    SortForDisplay(fibres_);
    SortForDisplay(weaves_);
    SortForDisplay(elasticModels_);
    SortForDisplay(thermalModels_);
}

bool CMaterialLists::IsUserResin(const ResinRecord* resin) const {
    for (const ResinRecord& user : userMaterials_.Resins()) {
        if (&user == resin) {
            return true;
        }
    }
    return false;
}

bool CMaterialLists::IsUserFibre(const FibreRecord* fibre) const {
    for (const FibreRecord& user : userMaterials_.Fibres()) {
        if (&user == fibre) {
            return true;
        }
    }
    return false;
}

template <typename Reference>
const Reference& FindEntry(const DisplayList<Reference>& list, const std::string& what,
                           const std::string& typed) {
    const std::vector<std::string> names = DisplayNames(list);
    const NameMatch match = LookUpName(names, typed);
    if (match.index < 0) {
        Reject(UnknownNameMessage(what, typed, match, names));
    }
    return list[match.index].reference;
}

template const ResinRecord* const& FindEntry(const DisplayList<const ResinRecord*>&,
                                             const std::string&, const std::string&);
template const FibreRecord* const& FindEntry(const DisplayList<const FibreRecord*>&,
                                             const std::string&, const std::string&);
template const CNamedWeave* const& FindEntry(const DisplayList<const CNamedWeave*>&,
                                             const std::string&, const std::string&);

const ModelEntry* FindModel(const DisplayList<const ModelEntry*>& list, const std::string& what,
                            const std::string& typed) {
    for (const DisplayEntry<const ModelEntry*>& entry : list) {
        if (typed == std::to_string(entry.reference->code)) {
            return entry.reference;
        }
    }
    return FindEntry(list, what, typed);
}
