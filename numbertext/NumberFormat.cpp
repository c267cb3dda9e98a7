#include "NumberFormat.h"

#include <cctype>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

namespace {

// Large enough for the fixed notation of the largest double (309 digits) with any decimals the
// reports use.
constexpr std::size_t kBufferSize = 400;

// Non-finite values as printf writes them; to_chars would write "nan" for every NaN.
bool FormatNonFinite(double value, std::string& text) {
    if (std::isnan(value)) {
        text = std::signbit(value) ? "-nan" : "nan";
        return true;
    }
    if (std::isinf(value)) {
        text = value < 0 ? "-inf" : "inf";
        return true;
    }
    return false;
}

std::string Format(double value, std::chars_format format, int precision) {
    std::string text;
    if (FormatNonFinite(value, text)) {
        return text;
    }
    char buffer[kBufferSize];
    auto result = std::to_chars(buffer, buffer + kBufferSize, value, format, precision);
    return std::string(buffer, result.ptr);
}

std::string PadLeft(std::string text, int width) {
    if (static_cast<int>(text.size()) < width) {
        text.insert(0, width - text.size(), ' ');
    }
    return text;
}

bool IsBlank(char c) {
    return std::isspace(static_cast<unsigned char>(c)) != 0;
}

}  // namespace

std::string FormatGeneral(double value, int significantDigits) {
    return Format(value, std::chars_format::general, significantDigits);
}

std::string FormatFixed(double value, int width, int decimals) {
    return PadLeft(Format(value, std::chars_format::fixed, decimals), width);
}

std::string FormatExponent(double value, int width, int decimals) {
    std::string text = Format(value, std::chars_format::scientific, decimals);
    // The exponent follows "e+" or "e-"; widen it to three digits.
    std::size_t e = text.find('e');
    if (e != std::string::npos) {
        std::size_t digits = text.size() - (e + 2);
        if (digits < 3) {
            text.insert(e + 2, 3 - digits, '0');
        }
    }
    return PadLeft(std::move(text), width);
}

bool ParseNumber(std::string_view text, double& value) {
    std::size_t begin = 0;
    while (begin < text.size() && IsBlank(text[begin])) {
        ++begin;
    }
    std::size_t end = text.size();
    while (end > begin && IsBlank(text[end - 1])) {
        --end;
    }
    // from_chars takes a '-' but not a '+'.
    if (begin < end && text[begin] == '+' && end - begin > 1 && text[begin + 1] != '-' &&
        text[begin + 1] != '+') {
        ++begin;
    }
    if (begin == end) {
        return false;
    }
    const char* first = text.data() + begin;
    const char* last = text.data() + end;
    double parsed = 0.0;
    auto result = std::from_chars(first, last, parsed);
    if (result.ptr != last) {
        return false;
    }
    if (result.ec == std::errc::result_out_of_range) {
        // from_chars leaves the value alone when the literal does not fit a double; like strtod,
        // take the nearest double: infinity for "1e999", zero for "1e-999".
        long double wide = 0.0L;
        auto wideResult = std::from_chars(first, last, wide);
        if (wideResult.ec == std::errc()) {
            parsed = static_cast<double>(wide);
        } else {
            bool negative = *first == '-';
            bool tiny =
                std::string_view(first, last - first).find("e-") != std::string_view::npos ||
                std::string_view(first, last - first).find("E-") != std::string_view::npos;
            double magnitude = tiny ? 0.0 : std::numeric_limits<double>::infinity();
            parsed = negative ? -magnitude : magnitude;
        }
    } else if (result.ec != std::errc()) {
        return false;
    }
    value = parsed;
    return true;
}
