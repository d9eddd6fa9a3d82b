#pragma once
// Number helpers shared by every drawing and label: plain C++, no toolkit.

#include <charconv>
#include <cmath>
#include <cstdio>
#include <string>

namespace num {

// The one value of pi the program computes with (the physics keeps its own
// written constants where the table has always used them).
constexpr double kPi = 3.14159265358979323846;

// Whole pixels never overflow: far beyond any picture a value saturates
// (and NaN reads as 0) instead of being undefined.
inline int toIntSaturated(double r)
{
    if (!(r == r))
        return 0;
    if (r >= 2147483647.0)
        return 2147483647;
    if (r <= -2147483648.0)
        return -2147483647 - 1;
    return static_cast<int>(r);
}

// Cut toward zero, as every pixel coordinate on the table is.
inline int Trunc(double x)
{
    return toIntSaturated(x);
}

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
    return toIntSaturated(r);
}

// Integer division truncating toward zero (C++ already does; named for clarity).
inline int Div(int a, int b)
{
    return a / b;
}

// Fixed format into a caller's buffer: x rounded to d decimals, right-aligned
// and blank-padded to at least w characters, never cut. Returns the length.
// A value that rounds to zero never shows a minus sign.
inline int formatFixed(char* buf, int size, double x, int w, int d)
{
    // Fast path for the ordinary magnitudes of tables and labels: the same
    // digits as printf, which rounds the exact binary value. Away from a
    // rounding tie the scaled product decides it exactly; near one, and for
    // anything large, printf itself decides.
    if (d >= 0 && d <= 6 && w < 24 && size > 48 && std::isfinite(x)) {
        static constexpr double kP10[] = {1, 10, 100, 1000, 1e4, 1e5, 1e6};
        static constexpr long long kI10[] = {1, 10, 100, 1000, 10000, 100000, 1000000};
        const double y = std::fabs(x) * kP10[d];
        if (y < 2e9) {
            const double fl = std::floor(y);
            const double frac = y - fl;
            if (std::fabs(frac - 0.5) > 1e-6) {
                const long long v = static_cast<long long>(frac > 0.5 ? fl + 1.0 : fl);
                char digits[32];
                int n = 0;
                long long ip = v / kI10[d], fp = v % kI10[d];
                for (int k = 0; k < d; ++k, fp /= 10)
                    digits[n++] = static_cast<char>('0' + fp % 10);
                if (d > 0)
                    digits[n++] = '.';
                do {
                    digits[n++] = static_cast<char>('0' + ip % 10);
                    ip /= 10;
                } while (ip > 0);
                if (x < 0 && v != 0)
                    digits[n++] = '-';
                int out = 0;
                for (int k = n; k < w; ++k)
                    buf[out++] = ' ';
                while (n > 0)
                    buf[out++] = digits[--n];
                buf[out] = '\0';
                return out;
            }
        }
    }
    int n = std::snprintf(buf, static_cast<size_t>(size), "%*.*f", w, d, x);
    if (n <= 0 || n >= size)
        return n;
    // Drop the sign of a negative zero ("-0.00" -> " 0.00").
    bool allZero = true;
    for (int i = 0; i < n; ++i) {
        const char c = buf[i];
        if (c >= '1' && c <= '9') {
            allZero = false;
            break;
        }
    }
    if (allZero) {
        for (int i = 0; i < n; ++i) {
            if (buf[i] == '-') {
                // shift right by one, pad with a blank, keep width w
                if (n > w) {
                    for (int j = i; j < n - 1; ++j)
                        buf[j] = buf[j + 1];
                    --n;
                    buf[n] = '\0';
                } else {
                    for (int j = i; j > 0; --j)
                        buf[j] = buf[j - 1];
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
    if (n < 0)
        return std::string();
    if (n >= static_cast<int>(sizeof buf)) {
        std::string s(static_cast<size_t>(n) + 1, '\0');
        formatFixed(s.data(), n + 1, x, w, d);
        s.resize(static_cast<size_t>(n));
        return s;
    }
    return std::string(buf, static_cast<size_t>(n));
}

// The shortest decimal text that reads back to the same double (0.05, not
// 0.050000000000000003); `size` must be at least 32. Returns the length.
inline int formatShortest(char* buf, int size, double x)
{
    const std::to_chars_result r = std::to_chars(buf, buf + size, x);
    return r.ec == std::errc() ? static_cast<int>(r.ptr - buf) : 0;
}

}   // namespace num
