#pragma once

#include <string>
#include <string_view>

namespace zam {

// Conversions between the program's internal Windows-1252 text and the
// outside world (UTF-8 for terminals, files names and Qt; code page 850 for
// DOS-era DIF files).

// Every byte maps to one code point. The five bytes that Windows-1252 leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the same
// value, so that any byte string survives the round trip.
char32_t Cp1252ToCodePoint(unsigned char c);

// '?' for code points that Windows-1252 cannot hold.
char CodePointToCp1252(char32_t cp);

std::string Cp1252ToUtf8(std::string_view text);

// Invalid UTF-8 sequences are taken byte by byte as Windows-1252, so text that
// was never UTF-8 (an old export opened by mistake) stays readable.
std::string Utf8ToCp1252(std::string_view text);

// Windows-1252 <-> DOS code page 850. Characters without counterpart become '?'
// (bytes below 128 are the same in both).
std::string AnsiToOem(std::string_view text);
std::string OemToAnsi(std::string_view text);

}
