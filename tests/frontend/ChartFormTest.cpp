// The "Property Chart" form as the main form opens it: on the main form's case after the checks
// of a calculation, its property list and range, the finite-element points handed in from
// outside, and the export of its CSV table and pictures; and the packing note of the ply and mat
// result forms.
#include <gtest/gtest.h>

#include <filesystem>

#include "ChartText.h"
#include "MainFormFixture.h"
#include "PackingLimits.h"

namespace {

using ChartScript = std::function<void(CChartForm&)>;

class ChartFormTest : public MainFormTest {
protected:
    // Opens the chart from the main form with `script` as the user.
    void OpenChart(CMainDialog& form, ChartScript script) {
        windowSystem.QueueForm<CChartForm>(std::move(script));
        form.OpenChart();
    }

    // A UD ply of AS4 in 8552 at `vf` percent, Puck's elastic model and Shapery's thermal one.
    CMainDialog& OpenUD(const std::string& vf = "60") {
        CMainDialog& form = Open();
        form.ChooseUDCase();
        Pick(form.ResinList(), "Hexcel 8552");
        Pick(form.FibreList(), "Hercules AS4");
        Pick(form.ElasticModelList(), "Puck");
        Pick(form.ThermalModelList(), "Shapery");
        form.FibreVolumeField().SetText(vf);
        return form;
    }

    // A woven laminate by finite elements on a coarse grid.
    CMainDialog& OpenFiniteElementFabric() {
        CMainDialog& form = Open();
        windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
            f.GaussPointsSlider().SetPosition(3);
            f.AccuracySlider().SetPosition(100);
            f.PressOK();
        });
        form.OpenConfiguration();
        TypeFabric(form);
        form.ChooseABDProperties();
        form.ChooseFiniteElementsMethod();
        return form;
    }
};

std::vector<std::string> Texts(const CListControl& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.push_back(list.Text(i));
    }
    return texts;
}

}  // namespace

TEST_F(ChartFormTest, OpensOnTheMainFormsCaseOnlyAfterTheChecksOfACalculation) {
    CMainDialog& form = OpenUD("0");
    form.OpenChart();
    EXPECT_EQ(windowSystem.MessageTexts(),
              std::vector<std::string>{"Invalid fibre volume factor: (0,100) %"});
    form.FibreVolumeField().SetText("62.5");
    Pick(form.ResinList(), "User defined");
    form.OpenChart();
    EXPECT_EQ(windowSystem.MessageTexts().back(), "Please select a resin from the list.");
    EXPECT_TRUE(windowSystem.formsRun.empty());

    Pick(form.ResinList(), "Hexcel 8552");
    OpenChart(form, [](CChartForm& chart) {
        EXPECT_EQ(Texts(chart.PropertyList()),
                  (std::vector<std::string>{"Ex [GPa]", "Ey = Ez [GPa]", "Gxy = Gxz [GPa]",
                                            "Gyz [GPa]", "ν xy = ν xz []", "ν yx = ν zx []",
                                            "ν yz = ν zy []", "α x [ppm/K]", "α y = α z [ppm/K]"}));
        EXPECT_EQ(chart.FromField().Text(), "5");
        EXPECT_EQ(chart.ToField().Text(), "75");
        EXPECT_EQ(chart.StepField().Text(), "1");
        EXPECT_EQ(chart.Chart().series.size(), 6u);
        EXPECT_EQ(chart.Chart().percents.size(), 71u);
        EXPECT_EQ(chart.Chart().currentPercent, 62.5);
        EXPECT_FALSE(chart.StatusLabel().IsVisible());
        EXPECT_TRUE(chart.PendingFiniteElementWork().percents.empty());

        const unsigned before = chart.ChartRevision();
        chart.PropertyList().Select(8);
        chart.ChooseProperty();
        EXPECT_NE(chart.ChartRevision(), before);
        EXPECT_EQ(chart.Chart().series.size(), 7u);
        EXPECT_EQ(chart.Chart().title,
                  "α y = α z of a UD ply: Hercules AS4 in Hexcel 8552, elastic model Puck");
    });
    EXPECT_EQ(windowSystem.formsRun, std::vector<std::string>{"Property Chart"});

    // The menu's entry is the same command.
    windowSystem.QueueForm<CChartForm>([](CChartForm& chart) {
        // The property stays while the case's properties are the same.
        EXPECT_EQ(chart.PropertyList().SelectedText(), "α y = α z [ppm/K]");
    });
    for (const MenuItem& item : CMainDialog::Menu()) {
        if (std::string(item.item) == "C&hart...") {
            (form.*item.command)();
        }
    }
    EXPECT_EQ(windowSystem.formsRun.size(), 2u);

    TypeFabric(form);
    form.ChooseFabricCase();
    OpenChart(form, [](CChartForm& chart) {
        EXPECT_EQ(chart.PropertyList().Count(), 18);
        EXPECT_EQ(chart.PropertyList().SelectedText(), "Ex [GPa]");
        EXPECT_EQ(chart.Chart().series.size(), 2u);
        EXPECT_TRUE(chart.Chart().band.has_value());
    });
}

TEST_F(ChartFormTest, DrawReadsTheRangeAndRefusesOneThatCannotBeCharted) {
    CMainDialog& form = OpenUD();
    OpenChart(form, [&](CChartForm& chart) {
        chart.FromField().SetText("10");
        chart.ToField().SetText("95");
        chart.StepField().SetText("0.5");
        chart.PressOK();  // Enter draws
        EXPECT_TRUE(chart.IsOpen());
        EXPECT_EQ(chart.Chart().percents.size(), 171u);
        EXPECT_EQ(chart.Chart().regions.size(), 2u);

        const char* const invalid =
            "Invalid range: from and to within (0,100) %, from below to, and a positive step";
        const CNumberField* from = &chart.FromField();
        const CNumberField* to = &chart.ToField();
        const CNumberField* step = &chart.StepField();
        // The field each refusal sends the user to: the first one at fault.
        const struct {
            const char *from, *to, *step, *message;
            const CNumberField* focused;
        } refused[] = {
            {"0", "75", "1", invalid, from},
            {"0", "100", "-1", invalid, from},
            {"50", "100", "1", invalid, to},
            {"50", "-inf", "1", invalid, to},
            {"50", "50", "1", invalid, from},
            {"5", "75", "-1", invalid, step},
            {"5", "75", "nan", invalid, step},
            {"5", "75", "0.01", "Too many points: the range gives more than 1000 volume fractions",
             step},
            {"5", "x", "1", "Please enter a number.", to},
        };
        for (const auto& row : refused) {
            chart.FromField().SetText(row.from);
            chart.ToField().SetText(row.to);
            chart.StepField().SetText(row.step);
            chart.Draw();
            EXPECT_EQ(windowSystem.MessageTexts().back(), row.message) << row.from << row.to;
            EXPECT_EQ(chart.Chart().percents.size(), 171u);
            EXPECT_EQ(chart.TakeFocusRequest(), row.focused)
                << row.from << ":" << row.to << ":" << row.step;
        }
    });
    // The range stays for the next opening.
    OpenChart(form, [](CChartForm& chart) {
        EXPECT_EQ(chart.FromField().Text(), "10");
        EXPECT_EQ(chart.Chart().percents.front(), 10.0);
    });
}

TEST_F(ChartFormTest, FiniteElementPointsAreHandedInAndThoseOfAnEarlierCaseAreDropped) {
    CMainDialog& form = OpenFiniteElementFabric();
    unsigned firstCase = 0;
    OpenChart(form, [&](CChartForm& chart) {
        const CChartForm::FiniteElementWork work = chart.PendingFiniteElementWork();
        EXPECT_EQ(work.percents, (std::vector<double>{5.0, 23.0, 40.0, 58.0, 75.0}));
        EXPECT_EQ(chart.StatusLabel().Text(),
                  "Finite elements: 0 of 5 volume fractions computed...");
        firstCase = work.caseNumber;
        // Computed elsewhere, handed back one by one.
        for (double percent : {23.0, 40.0}) {
            chart.AcceptFiniteElementRecord(work.caseNumber, percent,
                                            FiniteElementRecord(chart.Case(), percent));
        }
        chart.AcceptFiniteElementRecord(work.caseNumber, 58.0, {});
        EXPECT_EQ(chart.PendingFiniteElementWork().percents, (std::vector<double>{5.0, 75.0}));
        EXPECT_EQ(chart.StatusLabel().Text(),
                  "Finite elements: 3 of 5 volume fractions computed..., 1 without a finite "
                  "result");
        const ChartSeries& points = chart.Chart().series.back();
        EXPECT_EQ(points.name, "Finite elements");
        EXPECT_TRUE(points.values[18].has_value());
        EXPECT_FALSE(points.values[53].has_value());

        // Another range keeps what is known: 40 % is one of its finite-element fractions.
        chart.FromField().SetText("40");
        chart.ToField().SetText("60");
        chart.StepField().SetText("5");
        chart.Draw();
        EXPECT_EQ(chart.PendingFiniteElementWork().percents,
                  (std::vector<double>{45.0, 50.0, 55.0, 60.0}));
        EXPECT_TRUE(chart.Chart().series.back().values[0].has_value());
    });

    OpenChart(form, [&](CChartForm& chart) {
        const CChartForm::FiniteElementWork work = chart.PendingFiniteElementWork();
        EXPECT_NE(work.caseNumber, firstCase);
        EXPECT_EQ(work.percents.size(), 5u);  // a new case starts afresh
        chart.AcceptFiniteElementRecord(firstCase, 45.0, FiniteElementRecord(chart.Case(), 45.0));
        EXPECT_EQ(chart.PendingFiniteElementWork().percents.size(), 5u);
    });
}

TEST_F(ChartFormTest, ExportWritesTheCsvTableItselfAndThePicturesTheViewDraws) {
    CMainDialog& form = OpenUD();
    OpenChart(form, [&](CChartForm& chart) {
        // Without a view to draw it, only the table.
        windowSystem.QueueSaveFile({"table", 0});
        chart.Export();
        ASSERT_EQ(windowSystem.saveQuestions.size(), 1u);
        EXPECT_EQ(windowSystem.saveQuestions[0].filters,
                  std::vector<std::string>{"CSV table (*.csv)"});
        EXPECT_EQ(windowSystem.saveQuestions[0].proposedName, "ex.csv");
        EXPECT_EQ(Read("table.csv"), ChartCsv(chart.Chart()));
        EXPECT_EQ(windowSystem.MessageTexts().back(), "Chart written to file: 'table.csv'");

        std::vector<ChartFileFormat> drawn;
        chart.SetPictureMaker(
            [&](ChartFileFormat format) {
                drawn.push_back(format);
                return format == ChartFileFormat::Svg ? std::string() : std::string("PNG bytes");
            },
            true);
        windowSystem.QueueSaveFile({"picture", 0});
        windowSystem.QueueSaveFile({"drawing.svg", 1});
        windowSystem.QueueSaveFile({"", 0});
        windowSystem.QueueSaveFile({"missing/folder/chart.csv", 2});
        for (int i = 0; i < 4; ++i) {
            chart.Export();
        }
        EXPECT_EQ(windowSystem.saveQuestions[1].filters,
                  (std::vector<std::string>{"PNG image (*.png)", "SVG drawing (*.svg)",
                                            "CSV table (*.csv)"}));
        EXPECT_EQ(Read("picture.png"), "PNG bytes");
        EXPECT_FALSE(std::filesystem::exists("drawing.svg"));
        EXPECT_EQ(drawn,
                  (std::vector<ChartFileFormat>{ChartFileFormat::Png, ChartFileFormat::Svg}));
        const std::vector<std::string> messages = windowSystem.MessageTexts();
        ASSERT_EQ(messages.size(), 4u);  // the cancelled dialog says nothing
        EXPECT_EQ(messages[2],
                  "The chart could not be written to 'drawing.svg': the picture could not be "
                  "drawn");
        EXPECT_EQ(
            messages[3].rfind("The chart could not be written to 'missing/folder/chart.csv'", 0),
            0u);
        EXPECT_EQ(windowSystem.messages.back().icon, MessageIcon::Exclamation);
    });
}

TEST_F(ChartFormTest, PlyResultsDenserThanRoundFibresPackCarryANoteThatTheReportLeavesOut) {
    CMainDialog& form = OpenUD("80");
    std::string note;
    windowSystem.QueueForm<CResultsUDDialog>([&](CResultsUDDialog& results) {
        EXPECT_TRUE(results.Note().IsVisible());
        note = results.Note().Text();
        results.PressOutput();
    });
    form.Calculate();
    EXPECT_EQ(note, PackingNote(80.0));
    EXPECT_EQ(Read("results_MM.dat").find("Note"), std::string::npos);

    form.FibreVolumeField().SetText("60");
    windowSystem.QueueForm<CResultsUDDialog>(
        [](CResultsUDDialog& results) { EXPECT_FALSE(results.Note().IsVisible()); });
    form.Calculate();

    form.ChooseRandomMatCase();
    form.FibreVolumeField().SetText("95");
    windowSystem.QueueForm<CResultsRandomDialog>([](CResultsRandomDialog& results) {
        EXPECT_NE(results.Note().Text().find("in any array"), std::string::npos);
    });
    form.Calculate();

    // A fabric's volume fraction is not its yarns' packing: flat, wide yarns hold 80 %.
    form.ChooseFabricCase();
    windowSystem.QueueForm<CConfigurationDialog>([](CConfigurationDialog& f) {
        f.FibreWidthSlider().SetPosition(99);
        f.FibreHeightSlider().SetPosition(100);
        f.WarpUndulationSlider().SetPosition(0);
        f.FillUndulationSlider().SetPosition(0);
        f.PressOK();
    });
    form.OpenConfiguration();
    TypeFabric(form, "80");
    windowSystem.QueueForm<CResults3DDialog>(
        [](CResults3DDialog& results) { EXPECT_FALSE(results.Note().IsVisible()); });
    form.Calculate();
}
