// The command-line tool's lists against the main form's: the same entries in the same order.
#include "MaterialLists.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "frontend/MainFormFixture.h"

namespace {

std::string ResinLines(const std::string& name, const std::string& modulus) {
    return "Name   :        \t" + name + "\nUser   :        \tme\nDate   :        \t07/12/2026\n" +
           "E      : [ GPa ]\t" + modulus + "\nnu     : [     ]\t0.35\nAlpha  : [ 1/K ]\t6e-05\n\n";
}

std::string FibreLines(const std::string& name) {
    return "Name   :        \t" + name +
           "\nUser   :        \tme\nDate   :        \t07/12/2026\n"
           "E1     : [ GPa ]\t231\nE2     : [ GPa ]\t15\nG12    : [ GPa ]\t15\n"
           "G23    : [ GPa ]\t7\nnu12   : [     ]\t0.2\nAlpha1 : [ 1/K ]\t-4e-07\n"
           "Alpha2 : [ 1/K ]\t5.6e-06\nDensity: [Kg/m3]\t1750\n\n";
}

// The form's entries that stand for a material, as name and property array.
template <typename List>
std::vector<std::pair<std::string, const double*>> FormMaterials(const List& list) {
    std::vector<std::pair<std::string, const double*>> entries;
    for (int i = 0; i < list.Count(); ++i) {
        if (list.ReferenceAt(i) != nullptr) {
            entries.emplace_back(list.Text(i), list.ReferenceAt(i));
        }
    }
    return entries;
}

template <typename Record>
void ExpectSameMaterials(const DisplayList<const Record*>& cli,
                         const std::vector<std::pair<std::string, const double*>>& form) {
    ASSERT_EQ(cli.size(), form.size());
    for (std::size_t i = 0; i < cli.size(); ++i) {
        EXPECT_EQ(cli[i].name, form[i].first) << "entry " << i;
        const Record& record = *cli[i].reference;
        EXPECT_EQ(std::vector<double>(record.Array(), record.Array() + record.properties.size()),
                  std::vector<double>(form[i].second, form[i].second + record.properties.size()))
            << cli[i].name;
    }
}

}  // namespace

class MaterialListsTest : public MainFormTest {};

// Names equal but for letter case sort together; the built-in entry stays ahead of the user's,
// and the user's keep the order of the loaded list, as the form inserts them.
TEST_F(MaterialListsTest, HoldTheMainFormsEntriesInItsOrder) {
    Write("userData.dat", "USER DEFINED DATA\n\nRESINS:\n\n" + ResinLines("acg ltm 10", "3") +
                              ResinLines("ACG LTM 10", "4") + ResinLines("Zeta", "5") +
                              "\nFIBRES:\n\n" + FibreLines("e-glass") + FibreLines("Aramid X"));
    CMainDialog& form = Open();
    const CMaterialLists lists("userData.dat");

    ExpectSameMaterials(lists.Resins(), FormMaterials(form.ResinList()));
    ExpectSameMaterials(lists.Fibres(), FormMaterials(form.FibreList()));
    EXPECT_EQ(lists.Resins()[0].name, "ACG LTM 10");
    EXPECT_FALSE(lists.IsUserResin(lists.Resins()[0].reference));
    EXPECT_TRUE(lists.IsUserResin(lists.Resins()[1].reference));
    EXPECT_TRUE(lists.IsUserResin(lists.Resins()[2].reference));

    std::vector<std::string> weaves;
    for (int i = 0; i < form.WeaveList().Count(); ++i) {
        weaves.push_back(form.WeaveList().Text(i));
    }
    EXPECT_EQ(DisplayNames(lists.Weaves()), weaves);
    for (int i = 0; i < form.ElasticModelList().Count(); ++i) {
        EXPECT_EQ(lists.ElasticModels().at(i).reference->code,
                  form.ElasticModelList().ReferenceAt(i));
    }
    for (int i = 0; i < form.ThermalModelList().Count(); ++i) {
        EXPECT_EQ(lists.ThermalModels().at(i).reference->code,
                  form.ThermalModelList().ReferenceAt(i));
    }
}
