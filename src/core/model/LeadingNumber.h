#pragma once

#include <string_view>

// Reads the number at the start of a text the way the standard decimal
// conversion does: leading white space is skipped, an optional sign and the
// digits after it are taken, the first other character ends the number, and
// no digits give 0. Values beyond the range of int are clamped to it.
int LeadingNumber(std::string_view text);
