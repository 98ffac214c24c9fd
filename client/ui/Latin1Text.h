// Conversions between the Latin-1 bytes that text boxes and text objects hold and the UTF-8 text of files.
#pragma once

#include <string>
#include <string_view>

// Each byte as the character of the same number, written in UTF-8.
std::string Latin1ToUtf8(std::string_view latin1);
// UTF-8 text as Latin-1 bytes. Characters beyond Latin-1 and malformed sequences are left out.
std::string Utf8ToLatin1(std::string_view utf8);
