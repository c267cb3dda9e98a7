#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "Catalogue.h"
#include "DisplayOrder.h"

namespace {

template <typename Items, typename NameOf>
std::vector<std::string> DisplayOrderOf(const Items& items, NameOf nameOf) {
    std::vector<std::string> names;
    for (const auto& item : items) {
        names.push_back(nameOf(item));
    }
    std::sort(names.begin(), names.end(), DisplayLess);
    return names;
}

const auto kName = [](const auto& item) { return item.name; };

}  // namespace

TEST(Catalogue, HandsTheLibraryThePropertyArraysInSIUnits) {
    CCatalogue catalogue;
    const ResinRecord* rtm6 = catalogue.FindResin("Hexcel RTM6");
    ASSERT_NE(rtm6, nullptr);
    const double resin[3] = {2.89e9, 0.35, 7.33e-5};
    EXPECT_TRUE(std::equal(resin, resin + 3, rtm6->Array()));

    const FibreRecord* j300 = catalogue.FindFibre("Torayca J 300 JB");
    ASSERT_NE(j300, nullptr);
    const double fibre[8] = {231e9, 40e9, 24e9, 14.4e9, 0.26, -5e-7, 5.6e-6, 1750};
    EXPECT_TRUE(std::equal(fibre, fibre + 8, j300->Array()));

    const FibreRecord* steel = catalogue.FindFibre("Steel");
    ASSERT_NE(steel, nullptr);
    EXPECT_EQ(steel->G12(), 80769230769.23077);
    EXPECT_EQ(steel->user, "XJQ");
    EXPECT_EQ(steel->date, "31/11/2001");
}

TEST(Catalogue, LooksUpNamesExactlyAndPerList) {
    CCatalogue catalogue;
    EXPECT_NE(catalogue.FindResin("Steel"), nullptr);
    EXPECT_EQ(catalogue.FindResin("steel"), nullptr);
    EXPECT_EQ(catalogue.FindResin("Steel "), nullptr);
    EXPECT_NE(catalogue.FindFibre("Steel"), nullptr);
    EXPECT_NE(catalogue.FindResin("Steel")->Array(), catalogue.FindFibre("Steel")->Array());
}

TEST(Catalogue, ListsShowTheirEntriesInDisplayOrder) {
    CCatalogue catalogue;
    EXPECT_EQ(DisplayOrderOf(catalogue.Resins(), kName),
              (std::vector<std::string>{"ACG LTM 10", "ACG LTM 110", "GE PEI", "General Epoxy",
                                        "Hexcel 8552", "Hexcel RTM6", "Hoechst PPS", "Steel",
                                        "Ticona PPS"}));
    EXPECT_EQ(DisplayOrderOf(catalogue.Fibres(), kName),
              (std::vector<std::string>{"E-Glass", "Hercules AS4", "Steel", "Tenax HTA",
                                        "Torayca J 300 JB", "Torayca M 55 J"}));
    EXPECT_EQ(
        DisplayOrderOf(catalogue.Weaves(), [](const auto& w) { return w->Name(); }),
        (std::vector<std::string>{"Basket 2x2", "Basket 4x4", "Basket 8x8", "Leno", "Mock Leno",
                                  "Plain", "Satin  5H", "Satin  8H", "Satin 12H", "Simple UD",
                                  "Twill 2x1", "Twill 2x2", "Twill 3x1", "Twill 4x4"}));
    EXPECT_EQ(DisplayOrderOf(catalogue.ElasticModels(), kName),
              (std::vector<std::string>{"CCA", "Chamis", "Halpin Tsai(Circ)", "Halpin Tsai(Rect)",
                                        "Puck", "Rule of Mixtures"}));
    EXPECT_EQ(DisplayOrderOf(catalogue.ThermalModels(), kName),
              (std::vector<std::string>{"CCA", "ChamberLain(Hexag)", "ChamberLain(Square)",
                                        "Chamis", "Rule of Mixtures", "Schneider", "Shapery"}));
}

TEST(Catalogue, ModelEntriesCarryTheLibraryCodes) {
    CCatalogue catalogue;
    std::vector<short> elastic, thermal;
    for (const ModelEntry& entry : catalogue.ElasticModels()) {
        elastic.push_back(entry.code);
    }
    for (const ModelEntry& entry : catalogue.ThermalModels()) {
        thermal.push_back(entry.code);
    }
    EXPECT_EQ(elastic, (std::vector<short>{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(thermal, (std::vector<short>{11, 12, 13, 14, 15, 16, 17}));
    EXPECT_EQ(catalogue.ThermalModels()[1].name, "CCA");
}

TEST(DisplayOrder, IgnoresCaseAndPutsABlankBeforeDigitsAndLetters) {
    EXPECT_TRUE(DisplayLess("Satin  8H", "Satin 12H"));
    EXPECT_TRUE(DisplayLess("GE PEI", "General Epoxy"));
    EXPECT_TRUE(DisplayLess("apple", "Banana"));
    EXPECT_TRUE(DisplayLess("ACG LTM 10", "ACG LTM 110"));
    EXPECT_FALSE(DisplayLess("steel", "Steel"));
    EXPECT_FALSE(DisplayLess("Steel", "steel"));
    EXPECT_TRUE(DisplayLess("Torayca M 55 J", "User defined"));
}
