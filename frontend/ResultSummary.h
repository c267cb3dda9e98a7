#pragma once

#include <optional>
#include <string>
#include <vector>

#include "CalculationInputs.h"

// What a result form says about its calculation besides the values: the one-line summary of the
// inputs above the values, and the text "Copy" puts on the clipboard.

// The calculation a result form shows; the form knows it from its kind.
enum class ResultCase { UDPly, RandomMat, Fabric };

// One shown value: its label and unit as the form names them ("Ey = Ez", "GPa"; "" for a ratio)
// and its text as displayed.
struct ShownValue {
    std::string label;
    std::string unit;
    std::string text;
};

// "UD ply: resin ACG LTM 10, fibre E-Glass, Vf 60 %, elastic CCA, thermal CCA", or for a fabric
// "Woven fabric: resin ..., fibre ..., weave Plain, Vf 55 %, warp 1200 1/m at 0°, fill 1150.5 1/m
// at 90°, 0.2 kg/m2, iso-stress, average". Numbers as the main form's fields show them.
std::string InputSummary(ResultCase resultCase, const CalculationInputs& inputs);

// The clipboard text of a result form, for pasting into a spreadsheet: one row per line, cells
// separated by tabs, lines ending in a line feed. The form's title; when the inputs are known,
// a row "label, unit, value" per input (the case, the materials and models, the volume fraction
// and, for a fabric, the weave data); a blank line; the heading "Property, Unit, Value" and a
// row per shown value; the note under the values, when there is one, as a last line. Tabs and
// line feeds inside a name become blanks so that they cannot split a cell or a row.
std::string ResultsClipboardText(const std::string& title, ResultCase resultCase,
                                 const std::optional<CalculationInputs>& inputs,
                                 const std::vector<ShownValue>& values, const std::string& note);
