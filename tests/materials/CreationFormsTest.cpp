#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "FibreDialog.h"
#include "MaterialText.h"
#include "ResinDialog.h"
#include "controls/ScriptedWindowSystem.h"

namespace {

struct ResinInput {
    std::string name, user, date, e, nu, alpha;
};

struct ResinCase {
    ResinInput input;
    const char* refusal;  // nullptr: accepted
};

// Opens a preset resin form, types the input, presses Create once; returns the message shown.
std::string TryResin(const ResinInput& input, FormResult& result) {
    CScriptedWindowSystem windowSystem;
    CResinDialog form(windowSystem);
    form.Preset();
    windowSystem.QueueForm<CResinDialog>([&](CResinDialog& f) {
        f.NameField().SetText(input.name);
        f.UserField().SetText(input.user);
        f.DateField().SetText(input.date);
        f.EField().SetText(input.e);
        f.NuField().SetText(input.nu);
        f.AlphaField().SetText(input.alpha);
        f.PressCreate();
        if (f.IsOpen()) {
            // Refused: the form still shows what was typed.
            EXPECT_EQ(f.NameField().Text(), input.name);
            EXPECT_EQ(f.EField().Text(), input.e);
        }
    });
    result = windowSystem.RunModal(form);
    EXPECT_LE(windowSystem.messages.size(), 1u);
    if (windowSystem.messages.empty()) {
        return "";
    }
    const Message& message = windowSystem.messages.front();
    if (message.text != "Please enter a number.") {
        EXPECT_EQ(message.caption, "USER-DEFINED RESIN");
        EXPECT_EQ(message.icon, MessageIcon::Exclamation);
    }
    return message.text;
}

struct FibreCase {
    std::string name;
    std::vector<std::string> numbers;  // E1, E2, G12, G23, nu12, alpha1, alpha2, density
    const char* refusal;
};

std::string TryFibre(const FibreCase& c, FormResult& result) {
    CScriptedWindowSystem windowSystem;
    CFibreDialog form(windowSystem);
    form.Preset();
    windowSystem.QueueForm<CFibreDialog>([&](CFibreDialog& f) {
        f.NameField().SetText(c.name);
        CNumberField* fields[] = {&f.E1Field(),     &f.E2Field(),     &f.G12Field(),
                                  &f.G23Field(),    &f.Nu12Field(),   &f.Alpha1Field(),
                                  &f.Alpha2Field(), &f.DensityField()};
        for (int i = 0; i < 8; ++i) {
            fields[i]->SetText(c.numbers[i]);
        }
        f.PressCreate();
    });
    result = windowSystem.RunModal(form);
    if (windowSystem.messages.empty()) {
        return "";
    }
    const Message& message = windowSystem.messages.front();
    if (message.text != "Please enter a number.") {
        EXPECT_EQ(message.caption, "USER-DEFINED FIBRE");
    }
    return message.text;
}

const char* const kBadData = "Invalid Data Value";
const char* const kBadNu = "Invalid poison's ratio.\nValid range: (-1,0.5)";
const char* const kBadText =
    "Name, user and date cannot contain tabs, line breaks or the words RESINS: and FIBRES:.";

}  // namespace

TEST(ResinDialog, RefusesOutOfRangeValuesAndNamesTheFileCannotHold) {
    const ResinCase cases[] = {
        {{"R", "", "", "3", "0.4999", "60"}, nullptr},
        {{"R", "", "", "3", "-0.9999", "60"}, nullptr},
        {{"R", "", "", "3", "0.5", "60"}, kBadNu},
        {{"R", "", "", "3", "-1", "60"}, kBadNu},
        {{"R", "", "", "3", "nan", "60"}, kBadNu},
        {{"R", "", "", "0", "0.3", "60"}, kBadData},
        {{"R", "", "", "-2", "0.3", "60"}, kBadData},
        {{"R", "", "", "1e999", "0.3", "60"}, kBadData},
        {{"R", "", "", "nan", "0.3", "60"}, kBadData},
        {{"R", "", "", "3", "0.3", "inf"}, kBadData},
        {{"", "", "", "0", "0.3", "60"}, kBadData},  // moduli before the name
        {{"", "", "", "3", "0.3", "60"}, "Please specify the resin's name"},
        {{"R", "", "", "3x", "0.3", "60"}, "Please enter a number."},
        {{"User defined", "", "", "3", "0.3", "60"},
         "\"User defined\" is reserved for the list entry that creates a resin.\n"
         "Please choose another name."},
        {{"user defined", "", "", "3", "0.3", "60"}, nullptr},
        {{"Tab\tname", "", "", "3", "0.3", "60"}, kBadText},
        {{"R", "line\nfeed", "", "3", "0.3", "60"}, kBadText},
        {{"R", "", "01/01/2001 FIBRES:", "3", "0.3", "60"}, kBadText},
        {{"RESINS:", "", "", "3", "0.3", "60"}, kBadText},
        {{"My\vRESINS:", "", "", "3", "0.3", "60"}, kBadText},
        {{"RESINS:x FIBRES", "", "", "3", "0.3", "60"}, nullptr},
    };
    for (const ResinCase& c : cases) {
        FormResult result;
        std::string shown = TryResin(c.input, result);
        EXPECT_EQ(shown, c.refusal ? c.refusal : "") << c.input.name << " " << c.input.e;
        EXPECT_EQ(result, c.refusal ? FormResult::Cancelled : FormResult::Accepted);
    }
}

TEST(ResinDialog, BuildsTheRecordInSIUnitsAndPresetsABlankForm) {
    CScriptedWindowSystem windowSystem;
    CResinDialog form(windowSystem);
    form.Preset();
    windowSystem.QueueForm<CResinDialog>([](CResinDialog& f) {
        EXPECT_EQ(f.NameField().Text(), "");
        EXPECT_EQ(f.DateField().Text(), "00/00/0000");
        EXPECT_EQ(f.EField().Text(), "0");
        f.NameField().SetText("Vinyl ester");
        f.UserField().SetText("me");
        f.EField().SetText("3.5");
        f.NuField().SetText("0.35");
        f.AlphaField().SetText("73.3");
        f.PressCreate();
    });
    ASSERT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    ResinRecord record = form.MakeRecord();
    EXPECT_EQ(record.name, "Vinyl ester");
    EXPECT_EQ(record.user, "me");
    EXPECT_EQ(record.date, "00/00/0000");
    EXPECT_EQ(record.E(), 3.5 * 1e9);
    EXPECT_EQ(record.Nu(), 0.35);
    EXPECT_EQ(record.Alpha(), 73.3 * 1e-6);

    // Reopened without a preset, the form shows the accepted values again.
    windowSystem.QueueForm<CResinDialog>(
        [](CResinDialog& f) { EXPECT_EQ(f.NameField().Text(), "Vinyl ester"); });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Cancelled);
}

TEST(FibreDialog, AcceptsZeroModuliButRefusesNegativeOnesAndNoDensity) {
    const std::vector<std::string> good = {"230", "15", "20", "5", "0.2", "-0.4", "10", "1800"};
    auto with = [&](int index, const std::string& text) {
        std::vector<std::string> numbers = good;
        numbers[index] = text;
        return numbers;
    };
    const FibreCase cases[] = {
        {"F", good, nullptr},
        {"F", with(1, "0"), nullptr},
        {"F", with(0, "-1"), kBadData},
        {"F", with(3, "-0.001"), kBadData},
        {"F", with(7, "0"), kBadData},
        {"F", with(7, "-5"), kBadData},
        {"F", with(7, "inf"), kBadData},
        {"F", with(2, "1e999"), kBadData},
        {"F", with(4, "nan"), kBadData},
        {"F", with(5, "-inf"), kBadData},
        {"F", with(4, "0.9"), nullptr},  // nu12 has no range
        {"", with(7, "0"), kBadData},
        {"", good, "Please specify the Fibre's name"},
        {"F", with(6, "?"), "Please enter a number."},
        {"User defined", good,
         "\"User defined\" is reserved for the list entry that creates a fibre.\n"
         "Please choose another name."},
        {"FIBRES:", good, kBadText},
        {"General Epoxy", good, nullptr},
    };
    for (const FibreCase& c : cases) {
        FormResult result;
        EXPECT_EQ(TryFibre(c, result), c.refusal ? c.refusal : "") << c.name;
        EXPECT_EQ(result, c.refusal ? FormResult::Cancelled : FormResult::Accepted);
    }
}

TEST(FibreDialog, BuildsTheRecordInSIUnits) {
    CScriptedWindowSystem windowSystem;
    CFibreDialog form(windowSystem);
    form.Preset();
    windowSystem.QueueForm<CFibreDialog>([](CFibreDialog& f) {
        f.NameField().SetText("Basalt");
        f.E1Field().SetText("89");
        f.E2Field().SetText("89");
        f.G12Field().SetText("21.7");
        f.G23Field().SetText("21.7");
        f.Nu12Field().SetText("0.26");
        f.Alpha1Field().SetText("-0.4");
        f.Alpha2Field().SetText("5.5");
        f.DensityField().SetText("2700");
        f.PressCreate();
    });
    ASSERT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    const double expected[8] = {89 * 1e9, 89 * 1e9,    21.7 * 1e9, 21.7 * 1e9,
                                0.26,     -0.4 * 1e-6, 5.5 * 1e-6, 2700};
    FibreRecord record = form.MakeRecord();
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(record.properties[i], expected[i]) << i;
    }
    EXPECT_EQ(record.name, "Basalt");
}

// A refusal sends the user to the value it is about, its text selected by the view.
TEST(CreationForms, RefusalsNameTheFieldTheyAreAbout) {
    CScriptedWindowSystem windowSystem;
    CResinDialog resin(windowSystem);
    const struct {
        const char *name, *e, *nu, *alpha;
        CControl* focused;
    } resinRows[] = {
        {"R", "0", "0.5", "60", &resin.EField()},
        {"R", "3", "0.5", "60", &resin.NuField()},
        {"R", "3", "0.3", "inf", &resin.AlphaField()},
        {"", "3", "0.3", "60", &resin.NameField()},
        {"R", "3", "0.3", "60", nullptr},
    };
    for (const auto& row : resinRows) {
        resin.Preset();
        windowSystem.QueueForm<CResinDialog>([&](CResinDialog& f) {
            f.NameField().SetText(row.name);
            f.EField().SetText(row.e);
            f.NuField().SetText(row.nu);
            f.AlphaField().SetText(row.alpha);
            f.PressCreate();
            EXPECT_EQ(f.TakeFocusRequest(), row.focused) << row.name << " " << row.e;
        });
        windowSystem.RunModal(resin);
    }

    CFibreDialog fibre(windowSystem);
    CNumberField* fields[] = {&fibre.E1Field(),     &fibre.E2Field(),     &fibre.G12Field(),
                              &fibre.G23Field(),    &fibre.Nu12Field(),   &fibre.Alpha1Field(),
                              &fibre.Alpha2Field(), &fibre.DensityField()};
    const std::pair<int, const char*> fibreRows[] = {{3, "-1"}, {5, "nan"}, {7, "0"}};
    for (const auto& [index, text] : fibreRows) {
        fibre.Preset();
        windowSystem.QueueForm<CFibreDialog>([&](CFibreDialog& f) {
            f.NameField().SetText("F");
            f.DensityField().SetText("1800");
            fields[index]->SetText(text);
            f.PressCreate();
            EXPECT_EQ(f.TakeFocusRequest(), fields[index]) << index;
        });
        windowSystem.RunModal(fibre);
    }
}
