#include "experiments/text_encoding.h"

#include <cstdint>
#include <optional>

#include "engine/utf8.h"

namespace exper {

using sim::appendUtf8;
using sim::nextUtf8;

namespace {

// Windows-1252 0x80..0x9F; 0 where the code page leaves a hole.
constexpr char32_t kHigh[32] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0,      0x017D, 0,      0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
};

std::optional<unsigned char> toCp1252(char32_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<unsigned char>(c);
    for (int k = 0; k < 32; ++k)
        if (kHigh[k] != 0 && kHigh[k] == c)
            return static_cast<unsigned char>(0x80 + k);
    return std::nullopt;
}

}   // namespace

bool isValidUtf8(std::string_view s)
{
    return sim::isWellFormedUtf8(s);
}

std::vector<std::string> decodeLines(const std::vector<std::string>& raw)
{
    bool utf8 = true;
    for (const std::string& l : raw)
        utf8 = utf8 && isValidUtf8(l);
    if (utf8)
        return raw;
    std::vector<std::string> out;
    out.reserve(raw.size());
    for (const std::string& l : raw) {
        std::string d;
        for (char ch : l) {
            const unsigned char c = static_cast<unsigned char>(ch);
            // the code page's five holes keep their Latin-1 control meaning
            const char32_t cp = (c >= 0x80 && c <= 0x9F && kHigh[c - 0x80] != 0) ? kHigh[c - 0x80] : c;
            appendUtf8(d, cp);
        }
        out.push_back(std::move(d));
    }
    return out;
}

std::vector<std::string> encodeLines(const std::vector<std::string>& utf8)
{
    std::vector<std::string> out;
    out.reserve(utf8.size());
    bool high = false;
    for (const std::string& l : utf8) {
        std::string e;
        size_t i = 0;
        while (i < l.size()) {
            const std::optional<char32_t> cp = nextUtf8(l, i);
            const std::optional<unsigned char> b = cp ? toCp1252(*cp) : std::nullopt;
            if (!b)
                return utf8;   // a character the code page lacks: the whole text as UTF-8
            e += static_cast<char>(*b);
            high = high || *b >= 0x80;
        }
        out.push_back(std::move(e));
    }
    // 8-bit text that would read back as UTF-8 ("Ã©") is written as UTF-8
    if (high) {
        bool looksUtf8 = true;
        for (const std::string& l : out)
            looksUtf8 = looksUtf8 && isValidUtf8(l);
        if (looksUtf8)
            return utf8;
    }
    return out;
}

}   // namespace exper
