#pragma once
// Line splitting shared by the readers of the keyword tree and watched-auction files.
#include <string_view>
#include <vector>

// Cuts bytes into lines. A line ends at CR LF, a lone CR or a lone LF; a NUL byte ends the text.
// A last line without a line end counts; a line end at the very end makes no further empty line.
// The views point into bytes.
std::vector<std::string_view> splitLines(std::string_view bytes);
