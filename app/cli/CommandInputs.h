#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "CliArguments.h"
#include "DisplayOptionsDialog.h"
#include "FabricCalculation.h"
#include "MaterialLists.h"
#include "Sweep.h"

// The inputs of the calculating commands as typed, read and checked as the calculator reads its
// fields; a text that is not what its option takes is bad usage, an input the calculator refuses
// is rejected (CliFailure).

// The calculator's lists with the user's materials of "userData.dat" in the working directory. A
// user file that cannot be read loads nothing, as at the calculator's start-up, but the tool says
// so on `err` rather than leave the user's materials unknown without a word.
std::unique_ptr<CMaterialLists> OpenLists(std::ostream& err);

// A number as a field reads it; `option` names the option in the message.
double ReadNumber(const std::string& option, const std::string& text);

// Every fraction inside (0,100) %, or "Invalid fibre volume factor: (0,100) %".
void CheckVolumeFractions(const VolumeFractions& fractions);

// Whether a fabric command asks for laminate (ABD) results rather than 3D constants.
bool AsksForLaminate(const FabricCommand& command);

// A fabric command's choices and numbers as a request, without its materials: results, method
// (finite elements need laminate results), averaging, counts, density, angles and configuration.
FabricRequest ReadFabricChoices(const FabricCommand& command);

// Its display minimums: positive and finite, as the display options keep them.
DisplayOptions ReadMinimums(const FabricCommand& command);

// The resin and fibre named, looked up in the lists, which must outlive `target`: their names
// and property arrays go to the target's resinName, resin, fibreName and fibre (a fabric request
// or a chart case).
template <typename Target>
void LookUpMaterials(Target& target, const CMaterialLists& lists, const std::string& resin,
                     const std::string& fibre) {
    const ResinRecord* resinRecord = FindEntry(lists.Resins(), "resin", resin);
    const FibreRecord* fibreRecord = FindEntry(lists.Fibres(), "fibre", fibre);
    target.resinName = resinRecord->name;
    target.resin = resinRecord->Array();
    target.fibreName = fibreRecord->name;
    target.fibre = fibreRecord->Array();
}

// The request's resin, fibre and weave, looked up by name in the lists, which must outlive it.
void LookUpFabricMaterials(FabricRequest& request, const FabricCommand& command,
                           const CMaterialLists& lists);
