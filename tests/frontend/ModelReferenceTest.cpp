// The model reference behind the Help menu: the menu shows it without leaving the main form, and
// the text compiled into the program is the reference in the repository, written so that the
// Markdown reader of the desktop program can show all of it.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

#include "Catalogue.h"
#include "ModelReference.h"
#include "frontend/MainFormFixture.h"

namespace {

std::string RepositoryReference() {
    std::ifstream file(std::string(CORVEL_SOURCE_DIR) + "/docs/models.md", std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST_F(MainFormTest, HelpMenuShowsTheModelReferenceBeforeAbout) {
    CMainDialog& form = Open();
    std::vector<std::string> helpItems;
    for (const MenuItem& item : CMainDialog::Menu()) {
        if (std::string(item.menu) == "&Help") {
            helpItems.push_back(item.item);
            if (std::string(item.item) == "&Model reference") {
                (form.*item.command)();
            }
        }
    }
    EXPECT_EQ(helpItems, (std::vector<std::string>{"&Model reference", "&About Plycalc..."}));
    ASSERT_EQ(windowSystem.documents.size(), 1u);
    EXPECT_EQ(windowSystem.documents[0].title, "Model reference");
    EXPECT_EQ(windowSystem.documents[0].markdown, ModelReferenceMarkdown());
    EXPECT_TRUE(windowSystem.formsRun.empty());
    EXPECT_TRUE(windowSystem.messages.empty());
    EXPECT_TRUE(form.IsOpen());
}

TEST(ModelReference, CompiledTextIsTheRepositoryFileByteForByte) {
    const std::string file = RepositoryReference();
    ASSERT_FALSE(file.empty());
    EXPECT_EQ(std::string(ModelReferenceMarkdown()), file);
}

// Qt's Markdown reader has no mathematics: TeX would show as its source.
TEST(ModelReference, HoldsNoTeXTheDesktopCannotRender) {
    const std::string text(ModelReferenceMarkdown());
    for (const char* tex : {"$$", "\\frac", "\\sqrt", "\\alpha", "\\nu", "\\(", "\\["}) {
        EXPECT_EQ(text.find(tex), std::string::npos) << tex;
    }
}

TEST(ModelReference, DocumentsEveryModelOfTheLists) {
    const std::string text(ModelReferenceMarkdown());
    const CCatalogue catalogue;
    for (const auto* models : {&catalogue.ElasticModels(), &catalogue.ThermalModels()}) {
        for (const ModelEntry& model : *models) {
            EXPECT_NE(text.find("\"" + model.name + "\""), std::string::npos) << model.name;
        }
    }
}

}  // namespace
