#include "app/NumberText.h"

#include <cctype>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <locale.h>
#include <system_error>

namespace {

const char* SkipBlanks(const char* text)
{
    while (*text != '\0' && std::isspace(static_cast<unsigned char>(*text))) {
        ++text;
    }
    return text;
}

} // namespace

bool ParseLeadingInt(const char* text, int* value)
{
    if (text == nullptr || value == nullptr) {
        return false;
    }
    const char* p = SkipBlanks(text);
    bool negative = false;
    if (*p == '+' || *p == '-') {
        negative = (*p == '-');
        ++p;
    }
    if (!std::isdigit(static_cast<unsigned char>(*p))) {
        return false;
    }
    // Accumulate in a wider type and saturate, so an overlong number clamps
    // instead of overflowing.
    long long magnitude = 0;
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    for (; std::isdigit(static_cast<unsigned char>(*p)); ++p) {
        if (magnitude < limit) {
            magnitude = magnitude * 10 + (*p - '0');
        }
    }
    long long result = negative ? -magnitude : magnitude;
    if (result > INT_MAX) {
        result = INT_MAX;
    } else if (result < INT_MIN) {
        result = INT_MIN;
    }
    *value = static_cast<int>(result);
    return true;
}

bool ParseLeadingDouble(const char* text, double* value)
{
    if (text == nullptr || value == nullptr) {
        return false;
    }
    const char* p = SkipBlanks(text);
    const bool negative = (*p == '-');
    if (*p == '+' || *p == '-') {
        ++p;
    }
    // strtod alone would also read "inf", "nan(...)" and hexadecimal numbers,
    // none of which a setting or a database cell means.
    const bool digitFirst = std::isdigit(static_cast<unsigned char>(p[0])) != 0;
    if (!digitFirst && !(p[0] == '.' && std::isdigit(static_cast<unsigned char>(p[1])))) {
        return false;
    }
    if (p[0] == '0' && (p[1] == 'x' || p[1] == 'X')) {
        *value = negative ? -0.0 : 0.0;
        return true;
    }
    // strtod_l with a C locale object never reads a decimal comma.
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(nullptr));
    const double result = strtod_l(text, nullptr, cLocale);
    if (!std::isfinite(result)) {
        return false; // too large for a double
    }
    *value = result;
    return true;
}

int TextToInt(const char* text)
{
    int value = 0;
    return ParseLeadingInt(text, &value) ? value : 0;
}

double TextToDouble(const char* text)
{
    double value = 0.0;
    return ParseLeadingDouble(text, &value) ? value : 0.0;
}

std::string DoubleToText(double value)
{
    if (!std::isfinite(value)) {
        return std::string();
    }
    char buffer[64];
    const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof(buffer), value);
    if (ec != std::errc()) {
        return "0";
    }
    return std::string(buffer, ptr);
}
