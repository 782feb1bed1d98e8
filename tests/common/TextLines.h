// Pieces of written files for tests to compare line by line.
#pragma once

#include <string>
#include <vector>

#include "model/Tovel.h"

// The lines of a text ending with `lineEnd`; a last line without it is
// marked "<no line end>".
std::vector<std::string> SplitLines(const std::string& text, char lineEnd);

// Tables with no items, no bitmaps and every link -1.
TovelTables EmptyTables();
