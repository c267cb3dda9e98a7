// Reading the published laminae: the file the program ships, and files that must be refused with
// a message that says where.
#include <gtest/gtest.h>

#include <string>

#include "PublishedLaminae.h"

namespace {

// One lamina in the file's units (GPa, 1/K), with a spot that each test row replaces.
std::string Lamina(const std::string& fibre, const std::string& matrix, const std::string& measured,
                   const std::string& vf = "0.6") {
    return R"({"source": "a paper", "laminae": [{"name": "L1", "vf": )" + vf + R"(, "fibre": )" +
           fibre + R"(, "matrix": )" + matrix + R"(, "measured": )" + measured + "}]}";
}

const std::string kFibre =
    R"({"name": "F", "E1": 230, "E2": 15, "G12": 15, "G23": 7, "nu12": 0.2,
        "alpha1": -0.7e-6, "alpha2": 12e-6, "density": 1760})";
const std::string kMatrix = R"({"name": "M", "E": 4.0, "G": 1.481, "nu": 0.35, "alpha": 55e-6})";
const std::string kMeasured = R"({"E1": 138, "E2": 11, "nu12": 0.28, "alpha1": -1e-6})";

TEST(PublishedLaminae, ShippedFileHoldsFourLaminaeInSI) {
    const LaminaeReading reading =
        ReadPublishedLaminae(PublishedLaminaeJson(), kPublishedLaminaeFile);
    ASSERT_TRUE(reading.data) << reading.error;
    const PublishedLaminae& data = *reading.data;
    ASSERT_EQ(data.laminae.size(), 4u);
    EXPECT_NE(data.source.find("Soden"), std::string::npos);
    const PublishedLamina& first = data.laminae[0];
    EXPECT_EQ(first.name, "AS4/3501-6");
    EXPECT_DOUBLE_EQ(first.vf, 0.6);
    EXPECT_DOUBLE_EQ(first.fibre[0], 225e9);
    EXPECT_DOUBLE_EQ(first.fibre[3], 7e9);
    EXPECT_DOUBLE_EQ(first.fibre[5], -0.5e-6);
    EXPECT_DOUBLE_EQ(first.fibre[7], 1790.0);
    EXPECT_DOUBLE_EQ(first.resin[0], 4.2e9);
    EXPECT_DOUBLE_EQ(first.resin[1], 0.34);
    EXPECT_DOUBLE_EQ(*first.measured.E2, 11e9);
    EXPECT_DOUBLE_EQ(*first.measured.alpha2, 26e-6);
}

TEST(PublishedLaminae, MeasurementsMayBeMissingOneByOne) {
    const LaminaeReading reading =
        ReadPublishedLaminae(Lamina(kFibre, kMatrix, kMeasured), "test.json");
    ASSERT_TRUE(reading.data) << reading.error;
    const MeasuredProperties& measured = reading.data->laminae[0].measured;
    EXPECT_TRUE(measured.E1 && measured.E2 && measured.nu12 && measured.alpha1);
    EXPECT_FALSE(measured.G12 || measured.alpha2);
}

TEST(PublishedLaminae, RefusesWhatTheModelsCannotUseAndSaysWhere) {
    struct Row {
        std::string json;
        std::string message;
    };
    auto fibreWith = [](const std::string& from, const std::string& to) {
        std::string fibre = kFibre;
        fibre.replace(fibre.find(from), from.size(), to);
        return Lamina(fibre, kMatrix, kMeasured);
    };
    const Row rows[] = {
        {"{\"source\": \"x\",\n \"laminae\": [}", "test.json: parse error at line 2"},
        {R"({"laminae": []})", "test.json: (top): missing \"source\""},
        {R"({"source": "x", "laminae": []})", "test.json: laminae: expected a list"},
        {R"({"source": "x", "laminae": [], "author": "y"})", "(top): unknown key \"author\""},
        {Lamina(kFibre, kMatrix, kMeasured, "1.2"), "laminae[0].vf: out of range (0.0, 1.0)"},
        {Lamina(kFibre, kMatrix, kMeasured, "\"0.6\""), "laminae[0].vf: expected a number"},
        {fibreWith("\"E2\": 15", "\"E2\": -15"), "laminae[0].fibre.E2: out of range"},
        {fibreWith("\"E2\": 15, ", ""), "laminae[0].fibre: missing \"E2\""},
        {fibreWith("\"E2\"", "\"E_2\""), "laminae[0].fibre: missing \"E2\""},
        // An expansion coefficient typed in ppm/K instead of 1/K.
        {fibreWith("12e-6", "12"), "laminae[0].fibre.alpha2: out of range"},
        {Lamina(kFibre, R"({"name": "M", "E": 4.0, "nu": 0.5, "alpha": 55e-6})", kMeasured),
         "laminae[0].matrix.nu: out of range (-1.0, 0.5)"},
        {Lamina(kFibre, R"({"name": "M", "E": 4.0, "G": 2.0, "nu": 0.35, "alpha": 55e-6})",
                kMeasured),
         "laminae[0].matrix.G: differs from E/(2·(1 + nu))"},
        {Lamina(kFibre, kMatrix, R"({"E3": 11})"), "laminae[0].measured: unknown key \"E3\""},
        {Lamina(kFibre, kMatrix, "[]"), "laminae[0].measured: expected an object"},
    };
    for (const Row& row : rows) {
        const LaminaeReading reading = ReadPublishedLaminae(row.json, "test.json");
        EXPECT_FALSE(reading.data) << row.json;
        EXPECT_NE(reading.error.find(row.message), std::string::npos)
            << "message: " << reading.error << "\nwanted: " << row.message;
    }
}

}  // namespace
