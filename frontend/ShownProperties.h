#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The values a result form shows, named as the command-line tool's columns and the charts name
// them: the row label without the form's padding ("Ey = Ez") and the unit without brackets ("GPa",
// "" for a ratio). Each list is in its result record's order (ResultRecords.h); the laminate's
// entries, laid out as a matrix on its form, are named after the entries ("A11", "NT x",
// "A16/A11") with the units of the form's groups.
struct ShownProperty {
    std::string label;
    std::string unit;
};

// "Ey = Ez [GPa]", "ν xy = ν xz []": a column or axis title.
std::string NameWithUnit(const ShownProperty& property);

const std::vector<ShownProperty>& UDPlyProperties();
const std::vector<ShownProperty>& RandomMatProperties();
const std::vector<ShownProperty>& Fabric3DProperties();
const std::vector<ShownProperty>& FabricLaminateProperties();

// The label with its Greek letters spelt out in Latin ones: "nu xy = nu xz", "alpha x".
std::string SpeltOut(const std::string& label);

// The property a user names: by its label or by one of the names its label equates ("Ey" or "Ez"
// for "Ey = Ez"), ignoring case, blanks and punctuation, with a Greek letter typed as its name
// ("nu xy", "alphax", "kappa xy"). None when no property answers, or more than one.
std::optional<std::size_t> FindProperty(const std::vector<ShownProperty>& properties,
                                        const std::string& typed);
