#pragma once

#include <string>
#include <vector>

// Comma-separated values as spreadsheets read them: a cell holding a comma, a quote or a line
// break is quoted, its quotes doubled; lines end with '\n'.
std::string CsvField(const std::string& text);
std::string CsvLine(const std::vector<std::string>& cells);
