// Reading volume-fraction ranges and lists and choosing the models of a sweep.
#include "Sweep.h"

#include <gtest/gtest.h>

#include <sstream>

#include "Catalogue.h"
#include "CliFailure.h"
#include "DisplayOrder.h"
#include "Progress.h"

namespace {

int UsageStatus(const std::string& text) {
    try {
        ParseVolumeFractions(text);
    } catch (const CliFailure& failure) {
        return failure.status;
    }
    return 0;
}

}  // namespace

TEST(VolumeFractions, ARangeIncludesBothEndsWithTheValuesAFieldWouldHold) {
    const VolumeFractions whole = ParseVolumeFractions("30:70:1");
    EXPECT_TRUE(whole.isSweep);
    ASSERT_EQ(whole.percents.size(), 41u);
    EXPECT_EQ(whole.percents.front(), 30.0);
    EXPECT_EQ(whole.percents.back(), 70.0);

    // 0.1 + 2 * 0.1 is 0.30000000000000004 in binary; the point is 0.3 as typed.
    EXPECT_EQ(ParseVolumeFractions("0.1:0.3:0.1").percents, (std::vector<double>{0.1, 0.2, 0.3}));
    EXPECT_EQ(ParseVolumeFractions("30:45:10").percents, (std::vector<double>{30, 40}));
    EXPECT_EQ(ParseVolumeFractions("50:50:5").percents, std::vector<double>{50});
}

TEST(VolumeFractions, ListsAndSingleNumbersReadAsTypedFields) {
    const VolumeFractions list = ParseVolumeFractions(" 30, 45.5 ,6e1");
    EXPECT_EQ(list.percents, (std::vector<double>{30, 45.5, 60}));
    EXPECT_TRUE(list.isSweep);
    const VolumeFractions single = ParseVolumeFractions("+60");
    EXPECT_EQ(single.percents, std::vector<double>{60});
    EXPECT_FALSE(single.isSweep);
    // Out-of-range values are the calculation's to refuse, not the reader's.
    EXPECT_EQ(ParseVolumeFractions("120").percents, std::vector<double>{120});
}

TEST(VolumeFractions, MalformedTextIsBadUsage) {
    for (const char* text : {"", "sixty", "30,,40", "30:40", "30:40:1:2", "40:30:1", "30:40:0",
                             "30:40:-1", "30:inf:1", "nan:40:1", "0:100:0.0001"}) {
        EXPECT_EQ(UsageStatus(text), kExitBadUsage) << text;
    }
}

TEST(ModelChoice, AllIsEveryModelInDisplayOrder) {
    const CCatalogue catalogue;
    DisplayList<const ModelEntry*> list;
    for (const ModelEntry& model : catalogue.ThermalModels()) {
        list.push_back({model.name, &model});
    }
    SortForDisplay(list);
    const ModelChoice all = ChooseModels(list, "thermal model", "ALL");
    EXPECT_TRUE(all.isSweep);
    ASSERT_EQ(all.models.size(), 7u);
    EXPECT_EQ(all.models[1]->name, "ChamberLain(Hexag)");
    const ModelChoice one = ChooseModels(list, "thermal model", "14");
    EXPECT_FALSE(one.isSweep);
    EXPECT_EQ(one.models.at(0)->name, "Shapery");
}

// A long sweep shows how far it has come on a terminal, rewriting one line, and wipes it at the
// end; elsewhere (a file, a pipe) it shows nothing.
TEST(Progress, RewritesOneLineOnATerminalAndWipesItAtTheEnd) {
    std::ostringstream terminal;
    {
        CProgress progress(terminal, true, 10, std::chrono::seconds(0), std::chrono::seconds(0));
        progress.Advance(3);
        progress.Advance(4);
    }
    EXPECT_EQ(terminal.str(),
              "\rcorvel-cli: row 3 of 10\rcorvel-cli: row 4 of 10\r" + std::string(64, ' ') + "\r");

    std::ostringstream quick;
    {
        CProgress progress(quick, true, 10);  // done within its first second
        progress.Advance(10);
    }
    EXPECT_EQ(quick.str(), "");

    std::ostringstream file;
    {
        CProgress progress(file, false, 10, std::chrono::seconds(0), std::chrono::seconds(0));
        progress.Advance(5);
    }
    EXPECT_EQ(file.str(), "");
}
