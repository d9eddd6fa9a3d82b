#pragma once
// Explanation text in experiment files: 8-bit Windows-1252 as older files
// have it, or UTF-8 when the text holds characters that set lacks. The
// program keeps text as UTF-8.

#include <string>
#include <string_view>
#include <vector>

namespace exper {

bool isValidUtf8(std::string_view bytes);

// UTF-8 lines as they stand when all of them are valid UTF-8 (plain ASCII
// included), else every byte read as Windows-1252.
std::vector<std::string> decodeLines(const std::vector<std::string>& raw);

// Windows-1252 bytes when every character has one, else UTF-8 unchanged.
std::vector<std::string> encodeLines(const std::vector<std::string>& utf8);

}   // namespace exper
