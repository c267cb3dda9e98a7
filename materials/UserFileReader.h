#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "FibreRecord.h"
#include "ResinRecord.h"

// Reading the text of the user-material file ("userData.dat"). The file is a title, the heading
// "RESINS:" on a line of its own, the resins' value lines, the heading "FIBRES:" and the fibres'
// value lines; blank lines separate records and are otherwise ignored, as is everything before
// "RESINS:". Lines may end in LF, CRLF or CR.
//
// A value line is a label, a tab and the value; the label is not examined. Where an editor has
// turned the tab into blanks, the line must start with the label the file writes at that place in
// the record (see UserFileLayout.h), and the value is the text after it with the blanks removed;
// anything else is a fault. Numbers read as a typed field reads them, the whole text; every
// material must pass the checks of the creation forms.
//
// Reading is all or nothing: either every material is read, or none and the fault says where.

// Where and why a file could not be read: the 1-based line, or 0 when the fault is not on one
// line, and the reason in words.
struct UserFileFault {
    int line = 0;
    std::string reason;
};

// The materials of a file, in the file's order.
struct UserFileContents {
    std::vector<ResinRecord> resins;
    std::vector<FibreRecord> fibres;
};

// Reads `text` into `contents`; false, with the fault, when the file cannot be read completely.
bool ReadUserFileText(std::string_view text, UserFileContents& contents, UserFileFault& fault);
