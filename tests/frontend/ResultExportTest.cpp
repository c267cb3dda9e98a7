// "Export..." on the result forms: the material of the calculation shown, from the library's
// double output, written to the file and in the format picked in the save-file dialog.
#include <gtest/gtest.h>

#include <filesystem>

#include "CardText.h"
#include "MainFormFixture.h"

namespace {

std::string ScriptedExport(CScriptedWindowSystem& windowSystem) {
    return windowSystem.messages.empty() ? "" : windowSystem.messages.back().text;
}

}  // namespace

TEST_F(MainFormTest, ExportWritesTheLibrarysDoubleOutputInTheFormatPicked) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    windowSystem.QueueSaveFile({"ply", 0});
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) {
        f.PressExport();
        EXPECT_TRUE(f.IsOpen()) << "exporting leaves the results shown";
    });
    form.Calculate();

    ASSERT_EQ(windowSystem.saveQuestions.size(), 1u);
    const SaveFileQuestion& question = windowSystem.saveQuestions[0];
    EXPECT_EQ(question.filters,
              (std::vector<std::string>{"CalculiX input (*.inp)", "Abaqus input (*.inp)",
                                        "Nastran bulk data (*.bdf *.nas)"}));
    const CalculationInputs& in = form.LastInputs();
    EXPECT_EQ(question.proposedName,
              SolverLabel("UD_" + in.fibreName + "_" + in.resinName,
                          "VF60_" + in.elasticModelName + "_" + in.thermalModelName) +
                  ".inp");
    // The file gets the format's extension; its modulus is the double, not the displayed float.
    EXPECT_EQ(ScriptedExport(windowSystem), "CalculiX material written to file: 'ply.inp'");
    EXPECT_EQ(windowSystem.messages.back().icon, MessageIcon::Information);
    double out[9] = {};
    UDMixel(calls[0].vf, calls[0].resin.data(), calls[0].fibre.data(), calls[0].elasticCode,
            calls[0].thermalCode, out);
    const std::string text = Read("ply.inp");
    EXPECT_NE(text.find("*ELASTIC, TYPE=ENGINEERING CONSTANTS\n" +
                        CardReal(out[0], kKeywordDigits) + ", "),
              std::string::npos)
        << text;
    const double shown = static_cast<float>(out[0] * 1e-9) * 1e9;  // the form's single precision
    EXPECT_EQ(text.find(CardReal(shown, kKeywordDigits)), std::string::npos);
    EXPECT_EQ(text.rfind("** CalculiX material data written by Corvel ", 0), 0u);
}

TEST_F(MainFormTest, LaminateResultsAreOfferedForAbaqusAndNastranOnly) {
    CMainDialog& form = Open();
    TypeFabric(form);
    form.ChooseABDProperties();
    windowSystem.QueueSaveFile({"fabric.nas", 1});
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog& f) { f.PressExport(); });
    form.Calculate();
    ASSERT_EQ(windowSystem.saveQuestions.size(), 1u);
    EXPECT_EQ(
        windowSystem.saveQuestions[0].filters,
        (std::vector<std::string>{"Abaqus input (*.inp)", "Nastran bulk data (*.bdf *.nas)"}));
    EXPECT_EQ(ScriptedExport(windowSystem), "Nastran material written to file: 'fabric.nas'");
    EXPECT_NE(Read("fabric.nas").find("\nPSHELL*"), std::string::npos);
}

TEST_F(MainFormTest, ExportSaysWhyNothingWasWritten) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    windowSystem.QueueSaveFile({"", 0});  // the user cancels the dialog
    windowSystem.QueueSaveFile({"missing/ply.inp", 1});
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) {
        f.PressExport();
        f.PressExport();
    });
    form.Calculate();
    ASSERT_EQ(windowSystem.messages.size(), 1u) << "a cancelled dialog says nothing";
    EXPECT_EQ(windowSystem.messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(windowSystem.messages[0].text.rfind(
                  "The material could not be written to 'missing/ply.inp': ", 0),
              0u);
    EXPECT_FALSE(std::filesystem::exists("missing"));

    // Puck's model gives no transverse shear modulus: refused before any dialog opens.
    Pick(form.ElasticModelList(), "Puck");
    windowSystem.QueueForm<CResultsUDDialog>([](CResultsUDDialog& f) { f.PressExport(); });
    form.Calculate();
    EXPECT_EQ(windowSystem.saveQuestions.size(), 2u);
    EXPECT_NE(ScriptedExport(windowSystem).find("cannot be exported: G23 is 0"), std::string::npos)
        << ScriptedExport(windowSystem);
}
