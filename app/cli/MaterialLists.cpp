#include "MaterialLists.h"

#include "CliFailure.h"
#include "DisplayOrder.h"
#include "NameLookup.h"

// The lists are filled in the main form's order: built-in entries first, then the user's
// materials head first, so equal names sit in the same order as on the form.
CMaterialLists::CMaterialLists(const std::string& userFileName)
    : resins_(DisplayLess),
      fibres_(DisplayLess),
      weaves_(DisplayLess),
      elasticModels_(DisplayLess),
      thermalModels_(DisplayLess) {
    for (const ResinRecord& resin : catalogue_.Resins()) {
        resins_.AddEntry(resin.name, &resin);
    }
    for (const FibreRecord& fibre : catalogue_.Fibres()) {
        fibres_.AddEntry(fibre.name, &fibre);
    }
    for (const auto& weave : catalogue_.Weaves()) {
        weaves_.AddEntry(weave->Name(), weave.get());
    }
    for (const ModelEntry& model : catalogue_.ElasticModels()) {
        elasticModels_.AddEntry(model.name, &model);
    }
    for (const ModelEntry& model : catalogue_.ThermalModels()) {
        thermalModels_.AddEntry(model.name, &model);
    }
    userMaterials_.LoadUserMaterials(userFileName);
    for (const ResinRecord& resin : userMaterials_.Resins()) {
        resins_.AddEntry(resin.name, &resin);
    }
    for (const FibreRecord& fibre : userMaterials_.Fibres()) {
        fibres_.AddEntry(fibre.name, &fibre);
    }
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

std::vector<std::string> ListTexts(const CListControl& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.push_back(list.Text(i));
    }
    return texts;
}

template <typename Reference>
const Reference& FindEntry(const CDropDownList<Reference>& list, const std::string& what,
                           const std::string& typed) {
    const std::vector<std::string> names = ListTexts(list);
    const NameMatch match = LookUpName(names, typed);
    if (match.index < 0) {
        Reject(UnknownNameMessage(what, typed, match, names));
    }
    return list.ReferenceAt(match.index);
}

template const ResinRecord* const& FindEntry(const CDropDownList<const ResinRecord*>&,
                                             const std::string&, const std::string&);
template const FibreRecord* const& FindEntry(const CDropDownList<const FibreRecord*>&,
                                             const std::string&, const std::string&);
template const CNamedWeave* const& FindEntry(const CDropDownList<const CNamedWeave*>&,
                                             const std::string&, const std::string&);

const ModelEntry* FindModel(const CDropDownList<const ModelEntry*>& list, const std::string& what,
                            const std::string& typed) {
    for (int i = 0; i < list.Count(); ++i) {
        if (typed == std::to_string(list.ReferenceAt(i)->code)) {
            return list.ReferenceAt(i);
        }
    }
    return FindEntry(list, what, typed);
}
