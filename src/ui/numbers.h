#pragma once
// Number helpers shared by every drawing and label: plain C++, no toolkit.

#include <cmath>
#include <cstdio>
#include <string>

namespace num {

// Cut toward zero, as every pixel coordinate on the table is.
inline int Trunc(double x) { return static_cast<int>(x); }

// Nearest integer, halves to the even neighbour.
inline int Round(double x)
{
    const double f = std::floor(x);
    const double diff = x - f;
    double r;
    if (diff > 0.5)
        r = f + 1.0;
    else if (diff < 0.5)
        r = f;
    else
        r = (std::fmod(f, 2.0) == 0.0) ? f : f + 1.0;
    return static_cast<int>(r);
}

// Integer division truncating toward zero (C++ already does; named for clarity).
inline int Div(int a, int b) { return a / b; }

// Fixed format into a caller's buffer: x rounded to d decimals, right-aligned
// and blank-padded to at least w characters, never cut. Returns the length.
// A value that rounds to zero never shows a minus sign.
inline int formatFixed(char* buf, int size, double x, int w, int d)
{
    int n = std::snprintf(buf, static_cast<size_t>(size), "%*.*f", w, d, x);
    if (n <= 0 || n >= size)
        return n;
    // Drop the sign of a negative zero ("-0.00" -> " 0.00").
    bool allZero = true;
    for (int i = 0; i < n; ++i) {
        const char c = buf[i];
        if (c >= '1' && c <= '9') { allZero = false; break; }
    }
    if (allZero) {
        for (int i = 0; i < n; ++i) {
            if (buf[i] == '-') {
                // shift right by one, pad with a blank, keep width w
                if (n > w) {
                    for (int j = i; j < n - 1; ++j) buf[j] = buf[j + 1];
                    --n;
                    buf[n] = '\0';
                } else {
                    for (int j = i; j > 0; --j) buf[j] = buf[j - 1];
                    buf[0] = ' ';
                }
                break;
            }
        }
    }
    return n;
}

inline std::string F(double x, int w, int d)
{
    char buf[64];
    int n = formatFixed(buf, sizeof buf, x, w, d);
    if (n < 0) return std::string();
    if (n >= static_cast<int>(sizeof buf)) {
        std::string s(static_cast<size_t>(n) + 1, '\0');
        formatFixed(s.data(), n + 1, x, w, d);
        s.resize(static_cast<size_t>(n));
        return s;
    }
    return std::string(buf, static_cast<size_t>(n));
}

} // namespace num
