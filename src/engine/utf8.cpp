#include "engine/utf8.h"

namespace sim {

std::optional<char32_t> nextUtf8(std::string_view s, size_t& i)
{
    const auto b = [&](size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = b(i);
    int extra = 0;
    char32_t cp = 0;
    if (c < 0x80) {
        ++i;
        return c;
    }
    if (c >= 0xC2 && c <= 0xDF) {
        extra = 1;
        cp = c & 0x1F;
    } else if (c >= 0xE0 && c <= 0xEF) {
        extra = 2;
        cp = c & 0x0F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        extra = 3;
        cp = c & 0x07;
    } else
        return std::nullopt;
    if (i + static_cast<size_t>(extra) >= s.size())
        return std::nullopt;
    for (int k = 1; k <= extra; ++k) {
        const unsigned char cc = b(i + static_cast<size_t>(k));
        if ((cc & 0xC0) != 0x80)
            return std::nullopt;
        cp = (cp << 6) | (cc & 0x3F);
    }
    if ((extra == 2 && cp < 0x800) || (extra == 3 && (cp < 0x10000 || cp > 0x10FFFF)) || (cp >= 0xD800 && cp <= 0xDFFF))
        return std::nullopt;
    i += static_cast<size_t>(extra) + 1;
    return cp;
}

void appendUtf8(std::string& out, char32_t c)
{
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

bool isWellFormedUtf8(std::string_view s)
{
    size_t i = 0;
    while (i < s.size())
        if (!nextUtf8(s, i))
            return false;
    return true;
}

std::string shortQuote(std::string_view s, size_t characters)
{
    size_t i = 0;
    for (size_t n = 0; i < s.size() && n < characters; ++n)
        if (!nextUtf8(s, i))
            break;
    return i < s.size() ? std::string(s.substr(0, i)) + "\xE2\x80\xA6" : std::string(s);
}

}   // namespace sim
