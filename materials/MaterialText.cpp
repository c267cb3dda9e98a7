#include "MaterialText.h"

#include "UserMaterials.h"

std::string MaterialTextRefusal(const std::string& name, const std::string& user,
                                const std::string& date, const std::string& kind) {
    if (name == kUserDefinedEntry) {
        return "\"User defined\" is reserved for the list entry that creates a " + kind +
               ".\nPlease choose another name.";
    }
    if (!CUserMaterials::FitsInFile(name) || !CUserMaterials::FitsInFile(user) ||
        !CUserMaterials::FitsInFile(date)) {
        return "Name, user and date cannot contain tabs, line breaks or the words RESINS: and "
               "FIBRES:.";
    }
    return "";
}
