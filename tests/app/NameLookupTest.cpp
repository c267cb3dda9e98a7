// Finding typed names in the calculator's lists, and what is offered when a name is unknown.
#include "NameLookup.h"

#include <gtest/gtest.h>

namespace {

const std::vector<std::string> kWeaves = {"Basket 2x2", "Plain",     "Satin  5H",
                                          "Satin  8H",  "Satin 12H", "Twill 2x2"};

}  // namespace

TEST(NameLookup, PrefersTheExactNameThenOneThatDiffersInCaseOrBlanks) {
    EXPECT_EQ(LookUpName(kWeaves, "Satin  5H").index, 2);
    EXPECT_EQ(LookUpName(kWeaves, "satin 5h").index, 2);
    EXPECT_EQ(LookUpName(kWeaves, "  SATIN   12H ").index, 4);
    // An exact name wins over a loose one.
    EXPECT_EQ(LookUpName({"epoxy", "Epoxy"}, "Epoxy").index, 1);
}

TEST(NameLookup, ALooseMatchOfSeveralEntriesIsNoMatch) {
    const NameMatch match = LookUpName({"Epoxy", "EPOXY"}, "epoxy");
    EXPECT_EQ(match.index, -1);
    EXPECT_EQ(match.closeMatches, (std::vector<std::string>{"Epoxy", "EPOXY"}));
}

TEST(NameLookup, OffersPartsAndTyposNearestFirst) {
    EXPECT_EQ(LookUpName(kWeaves, "satin").closeMatches,
              (std::vector<std::string>{"Satin  5H", "Satin  8H", "Satin 12H"}));
    EXPECT_EQ(LookUpName(kWeaves, "Twil 2x2").closeMatches, std::vector<std::string>{"Twill 2x2"});
    EXPECT_EQ(LookUpName(kWeaves, "Satin 9H").closeMatches,
              (std::vector<std::string>{"Satin  5H", "Satin  8H", "Satin 12H"}));
    EXPECT_TRUE(LookUpName(kWeaves, "Leno").closeMatches.empty());
}

TEST(NameLookup, TheMessageNamesCloseMatchesOrElseEverything) {
    EXPECT_EQ(UnknownNameMessage("weave", "Twil 2x2", LookUpName(kWeaves, "Twil 2x2"), kWeaves),
              "unknown weave \"Twil 2x2\"; did you mean \"Twill 2x2\"?");
    EXPECT_EQ(
        UnknownNameMessage("model", "X", LookUpName({"CCA", "Puck"}, "Xyzzy"), {"CCA", "Puck"}),
        "unknown model \"X\"; known: \"CCA\", \"Puck\"");
}
