#pragma once

#include <string>
#include <string_view>

namespace zam {

// Exact text storage of computed reals: the six bytes of a six-byte real, each
// as two letters "A".."P". Sixteen letters are read as the eight bytes of an
// IEEE double; any other length is 0.
std::string EncodeReal(double x);
double DecodeReal(std::string_view code);

}
