#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zam {

// Plain string helpers and the caret lists in which captions, presets and
// choices are stored. Field numbers and columns are 1-based.

inline constexpr char kCaret = '^';

std::string Trim(std::string_view text);
std::string TrimLeft(std::string_view text);
std::string TrimRight(std::string_view text);

// The k-th field between separators; empty when there are fewer fields.
std::string GetField(std::string_view list, int k, char separator = kCaret);

// Every field (empty ones included), padded with empty strings to minCount.
std::vector<std::string> SplitFields(std::string_view text, char separator = kCaret, int minCount = 0);
std::string JoinFields(const std::vector<std::string>& fields, char separator = kCaret);

int CountChar(std::string_view text, char c);

// 1-based position of the last occurrence of sub in text, 0 if none.
int LastPos(std::string_view sub, std::string_view text);

// The trimmed text in a field of the given width: mode -1 left (cut on the
// right), 0 centred, 1 right (a too long text keeps its rightmost characters).
std::string Align(std::string_view text, int width, int mode);

// Pads with blanks or cuts to exactly width characters; width <= 0 leaves it.
std::string PadRight(std::string_view text, int width);

// Replaces the characters from the 1-based column on, padding as needed.
std::string OverwriteAt(std::string_view text, std::string_view insert, int column);

std::string CommaToPoint(std::string_view text);

// An integer of digits with an optional leading "-" (blanks around allowed
// when trim is set); false for anything else or more than nine digits.
bool ParsePlainInteger(std::string_view text, int& out, bool trim = false);

bool EqualsNoCase(std::string_view a, std::string_view b);
std::string UpperCase(std::string_view text);
std::string LowerCase(std::string_view text);

}
