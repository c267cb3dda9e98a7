#include "WeavePatterns.h"

namespace {

// Repeats `row` `count` times.
std::vector<std::string> Repeat(const std::string& row, int count) {
    return std::vector<std::string>(count, row);
}

std::vector<std::string> Concat(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

short KindOf(bool rowYarnUndulates, bool columnYarnUndulates) {
    if (rowYarnUndulates && columnYarnUndulates) {
        return 1;
    }
    if (!rowYarnUndulates && !columnYarnUndulates) {
        return 2;
    }
    return rowYarnUndulates ? 3 : 4;
}

short ApplyDeviation(short kind, bool plus, WeaveDeviation deviation) {
    switch (deviation) {
        case WeaveDeviation::AllKind4:
            return 4;
        case WeaveDeviation::SwapKinds3And4OnPlus:
            if (plus && (kind == 3 || kind == 4)) {
                return static_cast<short>(7 - kind);
            }
            return kind;
        case WeaveDeviation::None:
            return kind;
    }
    return kind;
}

}  // namespace

const std::vector<WeaveDefinition>& BuiltinWeaveDefinitions() {
    using enum WeaveDeviation;
    static const std::vector<WeaveDefinition> definitions = {
        {"Simple UD", {"+"}, None},
        {"Plain", {"-+", "+-"}, None},
        {"Leno", {"-+", "+-"}, AllKind4},
        {"Mock Leno", {"-+-+-+", "+++---", "-+-+-+", "+-+-+-", "---+++", "+-+-+-"}, None},
        {"Twill 2x1", {"--+", "-+-", "+--"}, None},
        {"Twill 3x1", {"---+", "--+-", "-+--", "+---"}, None},
        {"Twill 2x2", {"--++", "-++-", "++--", "+--+"}, None},
        {"Twill 4x4",
         {"----++++", "---++++-", "--++++--", "-++++---", "++++----", "+++----+", "++----++",
          "+----+++"},
         None},
        {"Satin  5H", {"+++-+", "+-+++", "++++-", "++-++", "-++++"}, None},
        {"Satin  8H",
         {"+++-++++", "-+++++++", "+++++-++", "++-+++++", "+++++++-", "++++-+++", "+-++++++",
          "++++++-+"},
         None},
        {"Satin 12H",
         {"+++++-++++++", "++++++++++-+", "+++-++++++++", "++++++++-+++", "+-++++++++++",
          "++++++-+++++", "+++++++++++-", "++++-+++++++", "+++++++++-++", "++-+++++++++",
          "+++++++-++++", "-+++++++++++"},
         None},
        {"Basket 2x2", {"++--", "++--", "--++", "--++"}, SwapKinds3And4OnPlus},
        {"Basket 4x4", Concat(Repeat("++++----", 4), Repeat("----++++", 4)), SwapKinds3And4OnPlus},
        {"Basket 8x8", Concat(Repeat("++++++++--------", 8), Repeat("--------++++++++", 8)),
         SwapKinds3And4OnPlus},
    };
    return definitions;
}

std::vector<short> ExpandInterlacing(const std::vector<std::string>& interlacing,
                                     WeaveDeviation deviation) {
    const int m = static_cast<int>(interlacing.size());
    const int n = 2 * m;
    auto plusAt = [&](int row, int col) {
        return interlacing[(row + m) % m][(col + m) % m] == '+';
    };
    std::vector<short> cells(static_cast<size_t>(n) * n);
    for (int I = 0; I < m; ++I) {
        for (int J = 0; J < m; ++J) {
            const bool plus = plusAt(I, J);
            for (int a = 0; a < 2; ++a) {      // 0 upper, 1 lower cell row of the block
                for (int c = 0; c < 2; ++c) {  // 0 left, 1 right cell column of the block
                    bool rowYarnUndulates = plusAt(I, c == 0 ? J - 1 : J + 1) != plus;
                    bool columnYarnUndulates = plusAt(a == 0 ? I - 1 : I + 1, J) != plus;
                    short kind = ApplyDeviation(KindOf(rowYarnUndulates, columnYarnUndulates), plus,
                                                deviation);
                    cells[(2 * I + a) * n + (2 * J + c)] = static_cast<short>(plus ? kind : -kind);
                }
            }
        }
    }
    return cells;
}
