#pragma once

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "Application.h"
#include "MainDialog.h"
#include "controls/ScriptedWindowSystem.h"

// The library calls a main form made, with their arguments copied.
struct RecordedCall {
    enum Kind { kUD, kRandomMat, kFabric } kind;
    double vf;
    std::vector<double> resin, fibre, fabric, cellFactors;
    short elasticCode, thermalCode;
    short model, gaussPoints;
    bool isoStrain;
    std::vector<short> weaveCells;  // the pattern passed, row by row
    double fillAngle, warpAngle;
    int reductions;
};

// Runs each test in a fresh working directory (the user file and the reports have fixed names
// there) with a scripted window system and a main form that is opened as the application opens
// it. Result forms the test does not script are left with "Return". Library calls are recorded and,
// unless a test says otherwise, also passed to the library.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        std::string pattern =
            (std::filesystem::temp_directory_path() / "corvel-forms-XXXXXX").string();
        ASSERT_NE(::mkdtemp(pattern.data()), nullptr);
        directory_ = pattern;
        previous_ = std::filesystem::current_path();
        std::filesystem::current_path(directory_);
        for (const char* title : {"MicroMechanical Model Results", "Random Model Results",
                                  "3D Results", "ABD RESULTS"}) {
            windowSystem.CloseWhenUnscripted(title);
        }
    }
    void TearDown() override {
        std::filesystem::current_path(previous_);
        std::error_code ignored;
        std::filesystem::remove_all(directory_, ignored);
    }

    // Opens the main form as the program starts: the user file is read then.
    CMainDialog& Open(const std::string& userFileName = "userData.dat") {
        app_ = std::make_unique<CApplication>(windowSystem, userFileName);
        CMainDialog& form = app_->MainDialog();
        WeftcoreEntryPoints library = WeftcoreEntryPoints::Library();
        WeftcoreEntryPoints recording;
        recording.udMixel = [this, library](double vf, const double* resin, const double* fibre,
                                            short elastic, short thermal, double* out) {
            calls.push_back(Call(RecordedCall::kUD, vf, resin, fibre, elastic, thermal));
            library.udMixel(vf, resin, fibre, elastic, thermal, out);
        };
        recording.rndProperties = [this, library](double vf, const double* resin,
                                                  const double* fibre, short elastic, short thermal,
                                                  double* out) {
            calls.push_back(Call(RecordedCall::kRandomMat, vf, resin, fibre, elastic, thermal));
            library.rndProperties(vf, resin, fibre, elastic, thermal, out);
        };
        recording.wfProperties = [this, library](
                                     short model, bool isoStrain, const CWeave* weave,
                                     short gaussPoints, double vf, const double* resin,
                                     const double* fibre, const double* fabric, double fillAngle,
                                     double warpAngle, const double* cellFactors, int reductions,
                                     double* out, WFProgressCallback progress, void* user) {
            RecordedCall call = Call(RecordedCall::kFabric, vf, resin, fibre, 0, 0);
            call.fabric.assign(fabric, fabric + 7);
            call.cellFactors.assign(cellFactors, cellFactors + 2);
            call.model = model;
            call.isoStrain = isoStrain;
            if (weave != nullptr) {
                call.weaveCells.assign(weave->Pattern(),
                                       weave->Pattern() + weave->Cols() * weave->Rows());
            }
            call.gaussPoints = gaussPoints;
            call.fillAngle = fillAngle;
            call.warpAngle = warpAngle;
            call.reductions = reductions;
            calls.push_back(call);
            if (fabricResult) {
                return fabricResult(out);
            }
            return library.wfProperties(model, isoStrain, weave, gaussPoints, vf, resin, fibre,
                                        fabric, fillAngle, warpAngle, cellFactors, reductions, out,
                                        progress, user);
        };
        form.SetEntryPoints(recording);
        form.BeginModal();
        return form;
    }

    static RecordedCall Call(RecordedCall::Kind kind, double vf, const double* resin,
                             const double* fibre, short elastic, short thermal) {
        RecordedCall call{};
        call.kind = kind;
        call.vf = vf;
        call.resin.assign(resin, resin + 3);
        call.fibre.assign(fibre, fibre + 8);
        call.elasticCode = elastic;
        call.thermalCode = thermal;
        return call;
    }

    static void Write(const std::string& path, const std::string& text) {
        std::ofstream out(path, std::ios::binary);
        out << text;
    }
    static std::string Read(const std::string& path) {
        std::ifstream in(path, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    // Selects the entry with this text, as a user picking it from the list.
    template <typename List>
    static void Pick(List& list, const std::string& text) {
        for (int i = 0; i < list.Count(); ++i) {
            if (list.Text(i) == text) {
                list.Select(i);
                return;
            }
        }
        ADD_FAILURE() << "no entry \"" << text << "\"";
    }

    // Types the fabric inputs the tests use unless they say otherwise.
    static void TypeFabric(CMainDialog& form, const std::string& vf = "50") {
        form.FibreVolumeField().SetText(vf);
        form.WarpCountField().SetText("1000");
        form.FillCountField().SetText("1200");
        form.ArealDensityField().SetText("0.3");
        form.WarpAngleField().SetText("0");
        form.FillAngleField().SetText("90");
    }

    CScriptedWindowSystem windowSystem;
    std::vector<RecordedCall> calls;
    // When set, stands in for the woven-fabric library call.
    std::function<bool(double*)> fabricResult;
    std::unique_ptr<CApplication> app_;

private:
    std::filesystem::path directory_;
    std::filesystem::path previous_;
};
