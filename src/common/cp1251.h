#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// The game speaks one single-byte code page, Windows-1251. Text from the
// system is converted at the platform boundary with these.

// Unicode code point of a Windows-1251 byte (0 for the one unassigned byte).
char32_t cp1251ToUnicode(uint8_t byte);

// Windows-1251 byte for a code point; false when the code page has none.
bool unicodeToCp1251(char32_t codePoint, uint8_t& byte);

// Decodes the UTF-8 sequence at text[i] (i below text's size) and moves i
// past it; U+FFFD when it is malformed.
char32_t decodeUtf8(std::string_view text, size_t& i);

// UTF-8 in, Windows-1251 out; characters the code page lacks become '?'.
// Malformed UTF-8 bytes are taken one by one as '?'.
std::string utf8ToCp1251(std::string_view utf8);

// Windows-1251 in, UTF-8 out.
std::string cp1251ToUtf8(std::string_view text);

}  // namespace vantor
