#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "DisplayOrder.h"
#include "DropDownList.h"
#include "Form.h"
#include "NumberField.h"
#include "RadioGroup.h"
#include "Slider.h"
#include "TableControl.h"
#include "controls/ScriptedWindowSystem.h"

namespace {

struct ParseCase {
    const char* text;
    bool parses;
    double value;
};

std::vector<std::string> TextsOf(const CListControl& list) {
    std::vector<std::string> texts;
    for (int i = 0; i < list.Count(); ++i) {
        texts.push_back(list.Text(i));
    }
    return texts;
}

// A form with three number fields and a radio group, read in that order.
class CThreeFieldForm : public CForm {
public:
    explicit CThreeFieldForm(IWindowSystem& windowSystem) : CForm(windowSystem, "Three") {}

    CNumberField first, second, third;
    CRadioGroup choice{{"a", "b"}};
    double firstValue = 1, secondValue = 2, thirdValue = 3;
    int choiceValue = 0;

protected:
    void DoFieldExchange(CFieldExchange& exchange) override {
        exchange.Number(first, firstValue);
        exchange.Number(second, secondValue);
        exchange.Number(third, thirdValue);
        exchange.Radio(choice, choiceValue);
    }
};

}  // namespace

TEST(NumberField, ParsesWholeNumbersOnlyIncludingNonFiniteTexts) {
    const ParseCase cases[] = {
        {"0", true, 0.0},          {"  60 ", true, 60.0},   {"-1.5e3", true, -1500.0},
        {"1e999", true, HUGE_VAL}, {"inf", true, HUGE_VAL}, {"12,5", false, 0.0},
        {"", false, 0.0},          {"   ", false, 0.0},     {"abc", false, 0.0},
        {"5 kg", false, 0.0},      {"1e", false, 0.0},
    };
    for (const ParseCase& c : cases) {
        CNumberField field;
        field.SetText(c.text);
        double value = 42.0;
        EXPECT_EQ(field.ParseValue(value), c.parses) << '"' << c.text << '"';
        EXPECT_EQ(value, c.parses ? c.value : 42.0) << '"' << c.text << '"';
    }
    CNumberField nan;
    nan.SetText("nan");
    double value = 0.0;
    EXPECT_TRUE(nan.ParseValue(value));
    EXPECT_TRUE(std::isnan(value));
}

TEST(NumberField, ShowsDoublesWith15AndFloatsWith6SignificantDigits) {
    CNumberField field;
    field.ShowValue(0.0);
    EXPECT_EQ(field.Text(), "0");
    field.ShowValue(1.0 / 3.0);
    EXPECT_EQ(field.Text(), "0.333333333333333");
    field.ShowValue(1e-10);
    EXPECT_EQ(field.Text(), "1e-10");
    field.ShowValue(12345.678901f);
    EXPECT_EQ(field.Text(), "12345.7");

    // The single-precision read-back of a displayed value is the float nearest to the text.
    float readBack = 0;
    ASSERT_TRUE(field.ParseValue(readBack));
    EXPECT_EQ(readBack, 12345.7f);
}

TEST(DropDownList, SortsIgnoringCaseAndKeepsTheSelectedEntry) {
    CDropDownList<int> list(DisplayLess);
    list.AddEntry("Steel", 1);
    list.AddEntry("ACG LTM 110", 2);
    list.Select(list.AddEntry("ACG LTM 10", 3));
    list.AddEntry("ACG LTM 1", 4);
    list.AddEntry("steel", 5);
    list.AddEntry("General Epoxy", 6);
    list.AddEntry("GE PEI", 7);
    EXPECT_EQ(TextsOf(list),
              (std::vector<std::string>{"ACG LTM 1", "ACG LTM 10", "ACG LTM 110", "GE PEI",
                                        "General Epoxy", "Steel", "steel"}));
    EXPECT_EQ(list.SelectedText(), "ACG LTM 10");
    EXPECT_EQ(*list.SelectedReference(), 3);
    EXPECT_EQ(list.ReferenceAt(6), 5);

    list.Select(list.Count());
    EXPECT_EQ(list.Selection(), -1);
    EXPECT_EQ(list.SelectedReference(), nullptr);
    EXPECT_EQ(list.SelectedText(), "");
    list.Clear();
    EXPECT_EQ(list.Count(), 0);
}

// Many entries at once land exactly where one-by-one insertion puts them, equal texts (ignoring
// case) in the order they came, the selected entry still selected, sorted or not.
TEST(DropDownList, AddingManyAtOnceEqualsAddingThemOneByOne) {
    const std::vector<std::string> first = {"Steel", "acg", "Zinc", "ACG"};
    const std::vector<std::string> words = {"steel", "ACG",    "beta",  "Acg", "alpha", "Zinc",
                                            "",      " space", "STEEL", "acg", "zz",    "b"};
    for (CListControl::TextOrder order :
         {&DisplayLess, static_cast<CListControl::TextOrder>(nullptr)}) {
        CDropDownList<int> single(order);
        CDropDownList<int> bulk(order);
        int reference = 0;
        for (const std::string& text : first) {
            single.AddEntry(text, reference);
            bulk.AddEntry(text, reference);
            ++reference;
        }
        single.Select(2);
        bulk.Select(2);
        std::vector<std::pair<std::string, int>> entries;
        for (const std::string& text : words) {
            single.AddEntry(text, reference);
            entries.emplace_back(text, reference);
            ++reference;
        }
        bulk.AddEntries(entries);
        ASSERT_EQ(TextsOf(bulk), TextsOf(single));
        for (int i = 0; i < single.Count(); ++i) {
            EXPECT_EQ(bulk.ReferenceAt(i), single.ReferenceAt(i)) << i;
        }
        EXPECT_EQ(bulk.Selection(), single.Selection());
        EXPECT_EQ(bulk.SelectedText(), order ? "Steel" : "Zinc");
    }
}

TEST(DropDownList, UnsortedListKeepsInsertionOrder) {
    CDropDownList<bool> list;
    list.AddEntry("Iso-stress model", false);
    list.AddEntry("Iso-strain model", true);
    EXPECT_FALSE(list.IsSorted());
    EXPECT_EQ(TextsOf(list), (std::vector<std::string>{"Iso-stress model", "Iso-strain model"}));
}

TEST(Table, NewRowsClearTheSelectionAndTellTheViewTheyChanged) {
    CTable table({"Name", "E [GPa]"});
    EXPECT_EQ(table.ColumnCount(), 2);
    table.Select(0);
    EXPECT_EQ(table.Selection(), -1) << "an empty table has no row to select";
    const unsigned before = table.Revision();
    table.SetRows({{{"GE PEI", "2.96"}, true}, {{"Mine", "3"}, false}});
    EXPECT_NE(table.Revision(), before);
    table.Select(1);
    EXPECT_EQ(table.Selection(), 1);
    EXPECT_EQ(table.Cell(1, 0), "Mine");
    EXPECT_TRUE(table.RowAt(0).fixed);
    table.Select(2);
    EXPECT_EQ(table.Selection(), -1);
    table.Select(1);
    table.SetRows({{{"GE PEI", "2.96"}, true}});
    EXPECT_EQ(table.Selection(), -1) << "a selection must not outlive the row it named";
}

TEST(Slider, KeepsItsPositionWithinTheRange) {
    CSlider slider;
    slider.SetRange(1, 11);
    slider.SetPosition(0);
    EXPECT_EQ(slider.Position(), 1);
    slider.SetPosition(12);
    EXPECT_EQ(slider.Position(), 11);
    slider.SetRange(1, 5);
    EXPECT_EQ(slider.Position(), 5);
}

TEST(FieldExchange, StopsAtTheFirstBadFieldWhichAndLaterFieldsKeepTheirValues) {
    CScriptedWindowSystem windowSystem;
    CThreeFieldForm form(windowSystem);
    windowSystem.QueueForm<CThreeFieldForm>([](CThreeFieldForm& f) {
        EXPECT_EQ(f.first.Text(), "1");
        f.first.SetText("10");
        f.second.SetText("x");
        f.third.SetText("30");
        f.choice.Select(1);
        f.PressOK();
        EXPECT_TRUE(f.IsOpen());
        EXPECT_EQ(f.FailedControl(), &f.second);
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Cancelled);
    EXPECT_EQ(form.firstValue, 10);
    EXPECT_EQ(form.secondValue, 2);
    EXPECT_EQ(form.thirdValue, 3);
    EXPECT_EQ(form.choiceValue, 0);
    EXPECT_EQ(windowSystem.messages,
              (std::vector<Message>{
                  {"Please enter a number.", "Plycalc", MessageIcon::None, MessageButtons::Ok}}));
}

TEST(FieldExchange, HiddenFieldsAreNeitherReadNorChecked) {
    CScriptedWindowSystem windowSystem;
    CThreeFieldForm form(windowSystem);
    windowSystem.QueueForm<CThreeFieldForm>([](CThreeFieldForm& f) {
        f.second.SetText("x");
        f.second.Show(false);
        f.third.SetText("30");
        f.PressOK();
    });
    EXPECT_EQ(windowSystem.RunModal(form), FormResult::Accepted);
    EXPECT_EQ(form.secondValue, 2);
    EXPECT_EQ(form.thirdValue, 30);
    EXPECT_TRUE(windowSystem.messages.empty());
}
