#pragma once
// Well-formed UTF-8: no overlong forms, surrogates or values past U+10FFFF.
// Every text the program reads from a file is checked by these.

#include <optional>
#include <string>
#include <string_view>

namespace sim {

// The code point at i, moving i past it; nothing when the bytes there are
// not well-formed UTF-8.
std::optional<char32_t> nextUtf8(std::string_view s, size_t& i);

void appendUtf8(std::string& out, char32_t c);

bool isWellFormedUtf8(std::string_view s);

// At most `characters` code points of well-formed `s`, with "…" when cut.
std::string shortQuote(std::string_view s, size_t characters = 80);

}   // namespace sim
