// corvel-cli validate in-process: the three forms of the report, and the command line it refuses.
#include <gtest/gtest.h>

#include <nlohmann/json.hpp>

#include <sstream>
#include <string>
#include <vector>

#include "Commands.h"

namespace {

struct CliRun {
    int status;
    std::string out;
    std::string err;
};

CliRun Validate(std::vector<const char*> options) {
    std::vector<const char*> argv{"corvel-cli", "validate"};
    argv.insert(argv.end(), options.begin(), options.end());
    std::ostringstream out, err;
    const int status = RunCorvelCli(static_cast<int>(argv.size()), argv.data(), out, err);
    return CliRun{status, out.str(), err.str()};
}

TEST(ValidateCommand, PassesAndReportsBothPartsInEachForm) {
    const CliRun text = Validate({});
    EXPECT_EQ(text.status, 0) << text.err;
    EXPECT_NE(text.out.find("all within tolerance"), std::string::npos);
    EXPECT_NE(text.out.find("Validation against published laminae\n----"), std::string::npos);

    const CliRun markdown = Validate({"--markdown"});
    EXPECT_EQ(markdown.status, 0);
    EXPECT_EQ(markdown.out.rfind("# Corvel: verification and validation", 0), 0u);
    EXPECT_NE(markdown.out.find("\n## Verification\n"), std::string::npos);

    const CliRun json = Validate({"--json"});
    ASSERT_EQ(json.status, 0);
    const nlohmann::json report = nlohmann::json::parse(json.out);
    EXPECT_TRUE(report["verification"]["passed"].get<bool>());
    EXPECT_EQ(report["validation"]["laminae"].size(), 4u);
    EXPECT_EQ(report["validation"]["laminae"][0]["name"], "AS4/3501-6");
    EXPECT_TRUE(report["validation"]["summary"].contains("alpha2"));
}

TEST(ValidateCommand, TakesOneFormOnly) {
    const CliRun both = Validate({"--json", "--markdown"});
    EXPECT_EQ(both.status, 2);
    EXPECT_TRUE(both.out.empty());
    EXPECT_EQ(Validate({"--csv"}).status, 2);
}

}  // namespace
