// The woven-fabric entry point with progress and cancellation: the stages in order, a cancel at
// every boundary leaving out untouched, and results bit for bit those of WFProperties.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "WeavePatterns.h"
#include "woven/WovenFixtures.h"

namespace {

// What a caller's callback saw, and the stage at which it answers "cancel" (-1: never).
struct StageLog {
    std::vector<int> stages;
    int cancelAt = -1;

    static bool Record(int stage, void* user) {
        auto* log = static_cast<StageLog*>(user);
        log->stages.push_back(stage);
        return stage == log->cancelAt;
    }
};

std::vector<short> BuiltinCells(const char* name) {
    for (const WeaveDefinition& definition : BuiltinWeaveDefinitions()) {
        if (definition.name == name) {
            return ExpandInterlacing(definition.interlacing, definition.deviation);
        }
    }
    ADD_FAILURE() << "no weave " << name;
    return {};
}

// A built-in weave, square as the catalogue builds them.
struct NamedCells {
    std::vector<short> cells;
    int side;

    explicit NamedCells(const char* name) : cells(BuiltinCells(name)), side(0) {
        while (side * side < static_cast<int>(cells.size())) {
            ++side;
        }
    }
    CWeave Weave() const { return CWeave(side, side, cells.data()); }
};

FabricCase::Result RunWithProgress(const FabricCase& fabric, short model, const CWeave& weave,
                                   int reductions, StageLog* log) {
    FabricCase::Result result;
    result.out.fill(kUnwritten);
    result.ok = WFPropertiesWithProgress(
        model, fabric.isoStrain, &weave, fabric.gaussPoints, fabric.vf, fabric.resin.data(),
        fabric.fibre.data(), fabric.fabric.data(), fabric.fillAngle, fabric.warpAngle,
        fabric.loads.data(), reductions, result.out.data(), log ? StageLog::Record : nullptr, log);
    return result;
}

FabricCase::Result RunPlain(const FabricCase& fabric, short model, const CWeave& weave,
                            int reductions) {
    FabricCase::Result result;
    result.out.fill(kUnwritten);
    result.ok = WFProperties(model, fabric.isoStrain, &weave, fabric.gaussPoints, fabric.vf,
                             fabric.resin.data(), fabric.fibre.data(), fabric.fabric.data(),
                             fabric.fillAngle, fabric.warpAngle, fabric.loads.data(), reductions,
                             result.out.data());
    return result;
}

bool SameBits(const FabricCase::Result& a, const FabricCase::Result& b) {
    return a.ok == b.ok && std::memcmp(a.out.data(), b.out.data(), sizeof(a.out)) == 0;
}

}  // namespace

TEST(WFPropertiesWithProgress, ReportsTheStagesOfEachModelInOrder) {
    const FabricCase fabric;
    const CWeave twill = NamedCells("Twill 2x2").Weave();
    const std::vector<int> averaging = {kWFStageAveraging, kWFStageFinished};
    const std::vector<int> finiteElements = {kWFStageAssembly, kWFStageFactorisation, kWFStageCases,
                                             kWFStageFinished};
    for (short model : {0, 1, 2}) {
        StageLog log;
        ASSERT_TRUE(RunWithProgress(fabric, model, twill, 0, &log).ok) << model;
        EXPECT_EQ(log.stages, model == 2 ? finiteElements : averaging) << model;
    }
}

TEST(WFPropertiesWithProgress, CancelAtEveryStageLeavesOutUntouched) {
    const FabricCase fabric;
    const CWeave basket = NamedCells("Basket 4x4").Weave();
    struct Row {
        short model;
        int cancelAt;
    };
    for (Row row :
         {Row{0, kWFStageAveraging}, Row{0, kWFStageFinished}, Row{1, kWFStageAveraging},
          Row{1, kWFStageFinished}, Row{2, kWFStageAssembly}, Row{2, kWFStageFactorisation},
          Row{2, kWFStageCases}, Row{2, kWFStageFinished}}) {
        StageLog log;
        log.cancelAt = row.cancelAt;
        const FabricCase::Result result = RunWithProgress(fabric, row.model, basket, 0, &log);
        EXPECT_FALSE(result.ok) << row.model << " at " << row.cancelAt;
        EXPECT_TRUE(result.Untouched()) << row.model << " at " << row.cancelAt;
        // The run stops where it was asked: nothing is reported after the cancelling stage.
        ASSERT_FALSE(log.stages.empty());
        EXPECT_EQ(log.stages.back(), row.cancelAt) << row.model;
    }
}

// The callback only observes: with it, without it (null) and through WFProperties the results
// are the same bits, for every model, both averages, a coarsened and the finest mesh of the
// largest weave.
TEST(WFPropertiesWithProgress, ResultsAreBitIdenticalToTheCallWithoutProgress) {
    const NamedCells basket("Basket 8x8");
    const CWeave weave = basket.Weave();
    for (bool isoStrain : {false, true}) {
        FabricCase fabric;
        fabric.isoStrain = isoStrain;
        fabric.fillAngle = 20.0 * kDegree;
        fabric.warpAngle = 95.0 * kDegree;
        for (short model : {0, 1, 2}) {
            for (int reductions : {0, 2}) {
                if (model != 2 && reductions != 0) {
                    continue;
                }
                StageLog log;
                const FabricCase::Result reported =
                    RunWithProgress(fabric, model, weave, reductions, &log);
                const FabricCase::Result silent =
                    RunWithProgress(fabric, model, weave, reductions, nullptr);
                const FabricCase::Result plain = RunPlain(fabric, model, weave, reductions);
                ASSERT_TRUE(plain.ok);
                EXPECT_TRUE(SameBits(reported, plain)) << model << " " << reductions;
                EXPECT_TRUE(SameBits(silent, plain)) << model << " " << reductions;
            }
        }
    }
}

// Refusals happen before the first stage, and a model number the library does not know is
// accepted without computing anything: neither calls the callback.
TEST(WFPropertiesWithProgress, RefusedInputsAndUnknownModelsReportNoStage) {
    FabricCase fabric;
    const CWeave plain(4, 4, kPlainCells.data());
    StageLog log;
    EXPECT_FALSE(RunWithProgress(fabric, 2, CWeave(), 0, &log).ok);
    fabric.gaussPoints = 12;
    EXPECT_FALSE(RunWithProgress(fabric, 1, plain, 0, &log).ok);
    fabric.gaussPoints = 4;
    const FabricCase::Result unknown = RunWithProgress(fabric, 3, plain, 0, &log);
    EXPECT_TRUE(unknown.ok);
    EXPECT_TRUE(unknown.Untouched());
    EXPECT_TRUE(log.stages.empty());
}
