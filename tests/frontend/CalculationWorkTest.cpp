// Calculations of the main form as work handed to the window system: what each case asks for,
// the stages of the finite-element model, a cancel at each stage leaving the form as it was, and
// jobs that own their inputs and give the library's results bit for bit.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "BasketFabricRequest.h"
#include "CalculationJob.h"
#include "Catalogue.h"
#include "MainFormFixture.h"

namespace {

// A Fine (unreduced) finite-element calculation of the largest weave, as laminate results.
void ChooseFiniteElementBasket(CMainDialog& form) {
    CDropDownList<const CNamedWeave*>& weaves = form.WeaveList();
    for (int i = 0; i < weaves.Count(); ++i) {
        if (weaves.Text(i) == "Basket 8x8") {
            weaves.Select(i);
        }
    }
    ASSERT_EQ(weaves.SelectedText(), "Basket 8x8");
    form.ChooseABDProperties();
    form.ChooseFiniteElementsMethod();
}

// The texts of every field and the selections of every list of the main form.
std::vector<std::string> FormState(CMainDialog& form) {
    return {form.FibreVolumeField().Text(),
            form.WarpCountField().Text(),
            form.FillCountField().Text(),
            form.ArealDensityField().Text(),
            form.WarpAngleField().Text(),
            form.FillAngleField().Text(),
            form.ResinList().SelectedText(),
            form.FibreList().SelectedText(),
            form.WeaveList().SelectedText(),
            std::to_string(form.CurrentCase()),
            std::to_string(form.CurrentResultsFormat()),
            std::to_string(form.CalculationMethod())};
}

}  // namespace

TEST_F(MainFormTest, OnlyTheFiniteElementModelAsksForStagesAndEveryCaseRunsAsWork) {
    CMainDialog& form = Open();
    TypeFabric(form);
    form.Calculate();  // 3D constants by averaging
    form.ChooseABDProperties();
    form.Calculate();  // laminate by averaging
    form.ChooseFiniteElementsMethod();
    form.Calculate();
    form.ChooseRandomMatCase();
    form.Calculate();
    form.ChooseUDCase();
    form.Calculate();

    ASSERT_EQ(windowSystem.workRequests.size(), 5u);
    EXPECT_EQ(calls.size(), 5u);
    for (std::size_t i : {0u, 1u, 3u, 4u}) {
        EXPECT_TRUE(windowSystem.workRequests[i].stages.empty()) << i;
    }
    EXPECT_EQ(windowSystem.workRequests[2].stages, CCalculationJob::FiniteElementStages());
    EXPECT_EQ(windowSystem.workRequests[2].stages.size(), 3u);
    // The finite-element model entered its three stages once each, in order.
    EXPECT_EQ(windowSystem.stagesEntered, (std::vector<int>{0, 1, 2}));
    EXPECT_EQ(windowSystem.formsRun,
              (std::vector<std::string>{"3D Results", "ABD RESULTS", "ABD RESULTS",
                                        "Random Model Results", "MicroMechanical Model Results"}));
    EXPECT_TRUE(windowSystem.messages.empty());
}

// Cancel at each stage: no result form, no message, no report, the fields and the last
// calculation's inputs as they were; the next Calculate runs in full.
TEST_F(MainFormTest, ACalculationCancelledAtAnyStageLeavesTheFormAsItWas) {
    CMainDialog& form = Open();
    TypeFabric(form, "55");
    ChooseFiniteElementBasket(form);
    windowSystem.QueueForm<CResultsABDDialog>([](CResultsABDDialog&) {});
    form.Calculate();
    ASSERT_EQ(windowSystem.formsRun.size(), 1u);
    const CalculationInputs before = form.LastInputs();

    for (int stage : {0, 1, 2}) {
        form.FibreVolumeField().SetText("60");
        const std::vector<std::string> state = FormState(form);
        windowSystem.stagesEntered.clear();
        windowSystem.CancelWorkAtStage(stage);
        form.Calculate();

        EXPECT_EQ(windowSystem.stagesEntered.back(), stage);
        EXPECT_EQ(windowSystem.formsRun.size(), 1u) << "a result form after cancel at " << stage;
        EXPECT_TRUE(windowSystem.messages.empty()) << stage;
        EXPECT_EQ(FormState(form), state) << stage;
        EXPECT_EQ(form.LastInputs().fibreVolumePercent, before.fibreVolumePercent) << stage;
        EXPECT_FALSE(std::filesystem::exists(ReportFileName(ReportKind::FabricABD)));
    }

    form.Calculate();
    EXPECT_EQ(windowSystem.formsRun.size(), 2u);
    EXPECT_EQ(form.LastInputs().fibreVolumePercent, 60.0);
    EXPECT_TRUE(windowSystem.messages.empty());
}

// A ply or mat cannot be cancelled (it reports no stage), and a fabric refused by the library is
// still refused with its message after running as work.
TEST_F(MainFormTest, WorkWithoutStagesIsNotCancelledAndRefusalsStillSpeak) {
    CMainDialog& form = Open();
    form.ChooseUDCase();
    form.FibreVolumeField().SetText("60");
    windowSystem.CancelWorkAtStage(0);
    form.Calculate();
    EXPECT_TRUE(windowSystem.stagesEntered.empty());
    EXPECT_EQ(windowSystem.formsRun.size(), 1u);

    form.ChooseFabricCase();
    TypeFabric(form);
    fabricResult = [](double*) { return false; };
    form.Calculate();
    EXPECT_EQ(windowSystem.MessageTexts(), (std::vector<std::string>{kInvalidFabricDataMessage}));
}

// The job copies what the library reads: the caller's arrays and weave may change or go while
// an abandoned run finishes. Its results are those of the synchronous call, bit for bit.
TEST(CalculationJob, OwnsItsInputsAndGivesTheSynchronousResultsBitForBit) {
    const CCatalogue catalogue;
    for (FabricMethod method : {FabricMethod::Average, FabricMethod::FiniteElements}) {
        FabricRequest request = BasketRequest(catalogue, method);
        double direct[kFabricResultSize] = {};
        ASSERT_TRUE(request.Calculate(direct));

        std::array<double, 3> resin;
        std::array<double, 8> fibre;
        std::copy_n(request.resin, 3, resin.begin());
        std::copy_n(request.fibre, 8, fibre.begin());
        auto weave = std::make_unique<CNamedWeave>(*request.weave);
        request.resin = resin.data();
        request.fibre = fibre.data();
        request.weave = weave.get();
        const std::shared_ptr<CCalculationJob> job =
            CCalculationJob::Fabric(request, WFPropertiesWithProgress);
        resin.fill(0.0);
        fibre.fill(0.0);
        weave.reset();

        CUncancelledProgress progress;
        job->Run(progress);
        ASSERT_TRUE(job->Accepted());
        EXPECT_EQ(std::memcmp(job->Out(), direct, sizeof(direct)), 0);
    }

    const double* resin = catalogue.FindResin("Hexcel RTM6")->Array();
    const double* fibre = catalogue.FindFibre("Tenax HTA")->Array();
    double direct[kFabricResultSize] = {};
    UDMixel(0.6, resin, fibre, 2, 12, direct);
    const std::shared_ptr<CCalculationJob> ply =
        CCalculationJob::Ply(UDMixel, 0.6, resin, fibre, 2, 12);
    CUncancelledProgress progress;
    ply->Run(progress);
    EXPECT_TRUE(ply->Accepted());
    EXPECT_EQ(std::memcmp(ply->Out(), direct, sizeof(direct)), 0);
}

// A cancel that arrives after the last stage has begun still stops the job before its results:
// the library is asked once more at the end.
TEST(CalculationJob, ACancelDuringTheLastStageStopsBeforeTheResults) {
    const CCatalogue catalogue;
    const FabricRequest request = BasketRequest(catalogue, FabricMethod::FiniteElements);
    struct CancelAfterLastStage : IProgressSink {
        bool cancelled = false;
        bool EnterStage(int stage) override {
            cancelled = stage == 2;  // pressed while the cases are solved
            return false;
        }
        bool Cancelled() const override { return cancelled; }
    } progress;
    const std::shared_ptr<CCalculationJob> job =
        CCalculationJob::Fabric(request, WFPropertiesWithProgress);
    job->Run(progress);
    EXPECT_FALSE(job->Accepted());
    const double* out = job->Out();
    EXPECT_TRUE(std::all_of(out, out + kFabricResultSize, [](double v) { return v == 0.0; }));
}
