// `corvel-cli plot` in-process: every point of a chart is the value the sweep of the same inputs
// prints, its command line is checked as the calculating commands check theirs, and the packing
// note of dense plies reaches the output of those commands.
#include <gtest/gtest.h>

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"
#include "PackingLimits.h"
#include "PlotRequest.h"
#include "frontend/MainFormFixture.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

std::vector<const char*> Arguments(const std::vector<std::string>& words) {
    std::vector<const char*> arguments = {"corvel-cli"};
    for (const std::string& word : words) {
        arguments.push_back(word.c_str());
    }
    return arguments;
}

CliRun Cli(const std::vector<std::string>& words) {
    const std::vector<const char*> arguments = Arguments(words);
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCorvelCli(static_cast<int>(arguments.size()), arguments.data(), out, err);
    return {status, out.str(), err.str()};
}

// The plot program with a painter that writes its format's name instead of a picture.
CliRun Plot(const std::vector<std::string>& words, bool svg = true) {
    const std::vector<const char*> arguments = Arguments(words);
    std::ostringstream out;
    std::ostringstream err;
    const ChartPainter paint = [](const ChartModel& chart, ChartFileFormat format) {
        return std::string(ChartFileExtension(format)) + " of " + chart.title;
    };
    const int status =
        RunPlot(static_cast<int>(arguments.size()), arguments.data(), out, err, paint, svg);
    return {status, out.str(), err.str()};
}

std::vector<std::string> Split(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, ',');) {
        cells.push_back(cell);
    }
    if (!line.empty() && line.back() == ',') {
        cells.emplace_back();
    }
    return cells;
}

std::vector<std::vector<std::string>> Rows(const std::string& csv) {
    std::vector<std::vector<std::string>> rows;
    std::stringstream stream(csv);
    for (std::string line; std::getline(stream, line);) {
        rows.push_back(Split(line));
    }
    return rows;
}

std::size_t Column(const std::vector<std::string>& header, const std::string& name) {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == name) {
            return i;
        }
    }
    ADD_FAILURE() << "no column " << name;
    return 0;
}

// A sweep's cells of one property by row key: the volume fraction and, when `modelColumn` names
// one, the model of that column.
std::map<std::pair<std::string, std::string>, std::string> SweepCells(
    const std::string& csv, const std::string& property, const std::string& modelColumn,
    const std::string& fixedModel = "") {
    const std::vector<std::vector<std::string>> rows = Rows(csv);
    const std::size_t value = Column(rows.at(0), property);
    const std::size_t model = modelColumn.empty() ? 0 : Column(rows.at(0), modelColumn);
    std::map<std::pair<std::string, std::string>, std::string> cells;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        cells[{rows[r][0], modelColumn.empty() ? fixedModel : rows[r][model]}] = rows[r][value];
    }
    return cells;
}

class PlotTest : public MainFormTest {
protected:
    // Compares every cell of the chart's table with the sweep's cell of the same fraction and
    // model; returns how many points were compared.
    std::size_t ExpectPlotEqualsSweep(
        const std::string& chartCsv, const std::string& property,
        const std::map<std::pair<std::string, std::string>, std::string>& sweep) {
        const std::vector<std::vector<std::string>> rows = Rows(chartCsv);
        const std::vector<std::string>& header = rows.at(0);
        const std::string suffix = " " + property;
        std::size_t compared = 0;
        for (std::size_t r = 1; r < rows.size(); ++r) {
            for (std::size_t c = 1; c < header.size(); ++c) {
                if (rows[r][c].empty()) {
                    continue;  // a finite-element fraction not computed
                }
                const std::string model = header[c].substr(0, header[c].size() - suffix.size());
                const auto expected = sweep.find({rows[r][0], model});
                if (expected == sweep.end()) {
                    ADD_FAILURE() << "the sweep has no row " << rows[r][0] << " " << model;
                    continue;
                }
                EXPECT_EQ(rows[r][c], expected->second) << rows[r][0] << " % " << model;
                ++compared;
            }
        }
        return compared;
    }
};

const std::vector<std::string> kAS4 = {"--resin", "Hexcel 8552", "--fibre", "Hercules AS4"};
const std::vector<std::string> kSatin = {
    "--resin",      "Hexcel RTM6", "--fibre",      "Tenax HTA", "--weave",      "Satin  5H",
    "--warp-count", "1200",        "--density",    "0.2",       "--fill-count", "1150.5",
    "--warp-angle", "0",           "--fill-angle", "90",        "--gauss",      "3"};

std::vector<std::string> Joined(std::vector<std::string> head,
                                const std::vector<std::string>& tail) {
    head.insert(head.end(), tail.begin(), tail.end());
    return head;
}

}  // namespace

TEST_F(PlotTest, PlySeriesArePointByPointTheValuesTheSweepsPrint) {
    CliRun plot = Plot(Joined({"plot", "ud", "--property", "Ey", "--output", "ey.csv"}, kAS4));
    ASSERT_EQ(plot.status, 0) << plot.err;
    CliRun sweep = Cli(Joined({"ud", "--vf", "5:75:1", "--elastic", "all", "--csv"}, kAS4));
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    EXPECT_EQ(ExpectPlotEqualsSweep(Read("ey.csv"), "Ey = Ez [GPa]",
                                    SweepCells(sweep.out, "Ey = Ez [GPa]", "elastic")),
              6u * 71u);

    plot = Plot(Joined({"plot", "ud", "--property", "alpha y", "--elastic", "Puck", "--vf",
                        "10:60:2.5", "--output", "alpha.csv"},
                       kAS4));
    ASSERT_EQ(plot.status, 0) << plot.err;
    sweep = Cli(Joined(
        {"ud", "--vf", "10:60:2.5", "--elastic", "Puck", "--thermal", "all", "--csv"}, kAS4));
    EXPECT_EQ(ExpectPlotEqualsSweep(Read("alpha.csv"), "α y = α z [ppm/K]",
                                    SweepCells(sweep.out, "α y = α z [ppm/K]", "thermal")),
              7u * 21u);

    // Past the packing limits too: marked, not refused.
    plot = Plot(
        Joined({"plot", "mat", "--property", "Gxy", "--vf", "70:98:4", "--output", "g.csv"}, kAS4));
    ASSERT_EQ(plot.status, 0) << plot.err;
    sweep = Cli(Joined({"mat", "--vf", "70:98:4", "--elastic", "all", "--csv"}, kAS4));
    EXPECT_EQ(ExpectPlotEqualsSweep(Read("g.csv"), "Gxy [GPa]",
                                    SweepCells(sweep.out, "Gxy [GPa]", "elastic")),
              6u * 8u);
}

TEST_F(PlotTest, FabricBoundsAndFiniteElementPointsAreTheValuesTheSweepsPrint) {
    CliRun plot = Plot(Joined(
        {"plot", "fabric", "--property", "Ex", "--vf", "20:60:5", "--output", "ex.csv"}, kSatin));
    ASSERT_EQ(plot.status, 0) << plot.err;
    for (const char* model : {"iso-stress", "iso-strain"}) {
        const CliRun sweep =
            Cli(Joined({"fabric", "--vf", "20:60:5", "--model", model, "--csv"}, kSatin));
        ASSERT_EQ(sweep.status, 0) << sweep.err;
        const std::string name = std::string(model) == "iso-stress" ? "Iso-stress" : "Iso-strain";
        // Only this model's column is compared; the other finds no row of its name.
        std::map<std::pair<std::string, std::string>, std::string> cells =
            SweepCells(sweep.out, "Ex [GPa]", "", name);
        const std::vector<std::vector<std::string>> rows = Rows(Read("ex.csv"));
        const std::size_t column = Column(rows[0], name + " Ex [GPa]");
        for (std::size_t r = 1; r < rows.size(); ++r) {
            EXPECT_EQ(rows[r][column], (cells[{rows[r][0], name}])) << rows[r][0];
        }
        EXPECT_EQ(rows.size(), 10u);
    }

    const std::vector<std::string> finiteElements = {"--results", "abd",        "--method",
                                                     "fe",        "--accuracy", "100"};
    plot = Plot(Joined(
        Joined({"plot", "fabric", "--property", "D11", "--vf", "20:60:5", "--output", "d11.csv"},
               kSatin),
        finiteElements));
    ASSERT_EQ(plot.status, 0) << plot.err;
    const CliRun sweep =
        Cli(Joined(Joined({"fabric", "--vf", "20,30,40,50,60", "--csv"}, kSatin), finiteElements));
    ASSERT_EQ(sweep.status, 0) << sweep.err;
    const std::vector<std::vector<std::string>> rows = Rows(Read("d11.csv"));
    const std::size_t column = Column(rows[0], "Finite elements D11 [N m]");
    std::map<std::pair<std::string, std::string>, std::string> cells =
        SweepCells(sweep.out, "D11 [N m]", "", "Finite elements");
    std::size_t points = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        const auto expected = cells.find({rows[r][0], "Finite elements"});
        EXPECT_EQ(rows[r][column], expected == cells.end() ? "" : expected->second) << rows[r][0];
        points += rows[r][column].empty() ? 0 : 1;
    }
    EXPECT_EQ(points, 5u);
}

TEST_F(PlotTest, PicturesGoWholeToTheirFileAndTheCommandLineIsCheckedAsTheSweepsAre) {
    const std::vector<std::string> ud = Joined({"plot", "ud"}, kAS4);
    CliRun plot = Plot(Joined(ud, {"--property", "Gyz", "--output", "gyz.SVG", "--current", "80"}));
    EXPECT_EQ(plot.status, 0) << plot.err;
    EXPECT_EQ(Read("gyz.SVG"), ".svg of Gyz of a UD ply: Hercules AS4 in Hexcel 8552");
    plot = Plot(Joined(ud, {"--property", "Gyz", "--output", "gyz.png"}), false);
    EXPECT_EQ(plot.status, 0) << plot.err;
    EXPECT_EQ(Read("gyz.png").rfind(".png of ", 0), 0u);

    const struct {
        std::vector<std::string> options;
        int status;
        const char* message;
        bool svg = true;
    } refused[] = {
        {{"--property", "Gyz", "--output", "gyz.pdf"}, 2, "is not a .svg, .png or .csv file"},
        {{"--property", "Gyz", "--output", "gyz.svg"}, 2, "SVG drawings need Qt SVG", false},
        {{"--property", "Gq", "--output", "x.png"},
         1,
         "unknown property \"Gq\" of a UD ply; the properties are Ex, Ey = Ez, Gxy = Gxz, Gyz"},
        {{"--property", "Ex", "--output", "x.png", "--vf", "60"},
         2,
         "a chart needs at least two volume fractions"},
        {{"--property", "Ex", "--output", "x.png", "--vf", "0.01:99:0.01"},
         2,
         "a chart takes at most 1000 volume fractions"},
        {{"--property", "Ex", "--output", "x.png", "--vf", "0:50:5"},
         1,
         "Invalid fibre volume factor: (0,100) %"},
        {{"--property", "Ex", "--output", "x.png", "--current", "100"},
         1,
         "Invalid fibre volume factor: (0,100) %"},
        {{"--property", "Ex", "--output", "x.png", "--elastic", "all"},
         2,
         "a chart draws every model itself"},
        {{"--property", "Ex", "--output", "x.png", "--thermal", "Voigt"},
         1,
         "unknown thermal model"},
        {{"--output", "x.png"}, 2, "--property is required"},
        {{"--property", "Ex", "--output", "missing/x.png"},
         1,
         "the chart could not be written to 'missing/x.png'"},
    };
    for (const auto& row : refused) {
        plot = Plot(Joined(ud, row.options), row.svg);
        EXPECT_EQ(plot.status, row.status) << row.message;
        EXPECT_NE(plot.err.find(row.message), std::string::npos) << plot.err;
    }
    plot = Plot({"ud", "--property", "Ex"});
    EXPECT_EQ(plot.status, 2);
    plot = Plot(Joined(Joined({"plot", "fabric"}, kSatin),
                       {"--property", "Ex", "--output", "x.png", "--fill-angle", "180"}));
    EXPECT_EQ(plot.status, 1);
    EXPECT_NE(plot.err.find("Invalid data values"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists("x.png"));
}

TEST_F(PlotTest, DensePliesCarryTheirPackingNoteAfterATableAndOnTheErrorStreamOtherwise) {
    CliRun ud = Cli(Joined({"ud", "--vf", "80", "--report"}, kAS4));
    ASSERT_EQ(ud.status, 0) << ud.err;
    const std::string note = PackingNote(80.0) + "\n";
    EXPECT_EQ(ud.out.substr(ud.out.size() - note.size()), note);
    EXPECT_EQ(ud.err, "");
    EXPECT_EQ(Read("results_MM.dat").find("Note"), std::string::npos);

    const CliRun csv = Cli(Joined({"mat", "--vf", "95", "--csv"}, kAS4));
    EXPECT_EQ(csv.err, PackingNote(95.0) + "\n");
    EXPECT_EQ(csv.out.find("Note"), std::string::npos);
    // A sweep notes its densest row once.
    const CliRun sweep = Cli(Joined({"ud", "--vf", "92,60,80", "--json-lines"}, kAS4));
    EXPECT_EQ(sweep.err, PackingNote(92.0) + "\n");
    const CliRun card = Cli(Joined({"ud", "--vf", "80", "--export", "calculix"}, kAS4));
    EXPECT_EQ(card.err, note);

    EXPECT_EQ(Cli(Joined({"ud", "--vf", "78.5"}, kAS4)).out.find("Note"), std::string::npos);
    const CliRun fabric = Cli(Joined({"fabric", "--vf", "80"}, kSatin));
    EXPECT_EQ(fabric.out.find("Note"), std::string::npos);
    EXPECT_EQ(fabric.err.find("Note"), std::string::npos);
}
