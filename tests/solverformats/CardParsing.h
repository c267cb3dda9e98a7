#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "NastranBulk.h"
#include "SymmetricMatrix.h"

// Reading written cards back as a solver would, for the tests: the keyword input's data lines
// after a keyword, and the Nastran entries split at their fixed columns.

inline std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(line);
    }
    return lines;
}

// The values of the data lines that follow the first line starting with `keyword`, up to the next
// keyword or comment; also the number of values on each line.
struct DataLines {
    std::vector<double> values;
    std::vector<int> perLine;
    std::string keywordLine;
};

inline DataLines KeywordData(const std::string& text, const std::string& keyword) {
    DataLines data;
    bool inside = false;
    for (const std::string& line : Lines(text)) {
        if (inside && (line.empty() || line[0] == '*')) {
            break;
        }
        if (inside) {
            std::istringstream fields(line);
            int count = 0;
            for (std::string field; std::getline(fields, field, ',');) {
                data.values.push_back(std::stod(field));
                ++count;
            }
            data.perLine.push_back(count);
        } else if (line.rfind(keyword, 0) == 0) {
            inside = true;
            data.keywordLine = line;
        }
    }
    return data;
}

// One bulk data entry: its name and its fields 2 onwards (blank fields as "").
struct BulkEntry {
    std::string name;
    std::vector<std::string> fields;

    double Real(std::size_t field) const { return std::stod(fields.at(field)); }
    int Int(std::size_t field) const { return std::stoi(fields.at(field)); }
};

// Splits large-field entries at their columns, checking the layout on the way: every line at
// most 72 characters (8 + 4 x 16, no continuation markers), the name field "NAME*", continuation
// lines '*' in column 1 with the rest of their first field blank, and every field's text
// right-aligned with no embedded blank.
inline std::vector<BulkEntry> BulkEntries(const std::string& text) {
    std::vector<BulkEntry> entries;
    for (std::string line : Lines(text)) {
        if (line.empty() || line[0] == '$') {
            continue;
        }
        EXPECT_LE(line.size(), kNameFieldWidth + kLargeFieldsPerLine * kLargeFieldWidth) << line;
        line.resize(kNameFieldWidth + kLargeFieldsPerLine * kLargeFieldWidth, ' ');
        const std::string first = line.substr(0, kNameFieldWidth);
        if (first[0] == '*') {
            EXPECT_EQ(first, "*       ") << "continuation line: " << line;
            EXPECT_FALSE(entries.empty()) << "continuation without an entry: " << line;
        } else {
            const std::size_t star = first.find('*');
            EXPECT_NE(star, std::string::npos) << "not a large-field entry: " << line;
            EXPECT_EQ(first.find_first_not_of(' ', star + 1), std::string::npos) << line;
            entries.push_back({first.substr(0, star), {}});
        }
        if (entries.empty()) {
            continue;
        }
        for (std::size_t f = 0; f < kLargeFieldsPerLine; ++f) {
            const std::string field =
                line.substr(kNameFieldWidth + f * kLargeFieldWidth, kLargeFieldWidth);
            const std::size_t begin = field.find_first_not_of(' ');
            if (begin != std::string::npos) {
                EXPECT_NE(field.back(), ' ') << "field not right-aligned: '" << field << "'";
                EXPECT_EQ(field.find(' ', begin), std::string::npos) << "'" << field << "'";
            }
            entries.back().fields.push_back(begin == std::string::npos ? "" : field.substr(begin));
        }
    }
    // Blank fields after the last value are no part of the entry.
    for (BulkEntry& entry : entries) {
        while (!entry.fields.empty() && entry.fields.back().empty()) {
            entry.fields.pop_back();
        }
    }
    return entries;
}

// A symmetric 6x6 matrix from the 21 terms of its upper triangle column by column, (1,1), (1,2),
// (2,2), (1,3), ..., the order of the keyword cards.
inline Matrix6 SymmetricFromColumns(const std::vector<double>& terms) {
    Matrix6 m{};
    std::size_t next = 0;
    for (std::size_t column = 0; column < 6; ++column) {
        for (std::size_t row = 0; row <= column; ++row) {
            m[row][column] = m[column][row] = terms.at(next++);
        }
    }
    return m;
}

// Fields G11, G12, G13, G22, G23, G33 of a MAT2 as a symmetric matrix.
inline Matrix3 Mat2Matrix(const BulkEntry& mat2) {
    const double upper[6] = {mat2.Real(1), mat2.Real(2), mat2.Real(3),
                             mat2.Real(4), mat2.Real(5), mat2.Real(6)};
    return SymmetricFromUpper(upper);
}

// Each entry of `actual` within `tolerance` of the largest entry of `expected`.
inline void ExpectMatrixNear(const Matrix3& actual, const Matrix3& expected, double tolerance,
                             const char* what) {
    double scale = 0.0;
    for (const auto& row : expected) {
        for (double value : row) {
            scale = std::max(scale, std::fabs(value));
        }
    }
    for (int i = 0; i < 3; ++i) {
        for (int j = 0; j < 3; ++j) {
            EXPECT_NEAR(actual[i][j], expected[i][j], tolerance * scale)
                << what << " (" << i + 1 << "," << j + 1 << ")";
        }
    }
}
