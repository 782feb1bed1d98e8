// The native tovel file: semicolon- and comma-separated text, one record
// per line, CR LF line ends, bytes written and read without conversion.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "model/Tovel.h"

// The longest line the reader takes at once, line feed included; a longer
// line is read as two lines.
constexpr std::size_t MaxTovelLineBytes = 511;
// The longest line a tovel may hold, line end not counted: a longer one
// would be read back as two lines.
constexpr std::size_t MaxTovelLineChars = 510;

struct TovelParseResult {
  std::optional<TovelTables> Tables; // every State 0, CurrentItem -1
  std::string Problem;               // why the bytes were refused, when they were
};

// Parses the bytes of a tovel file into fresh tables. Refuses only what
// the tables cannot hold: an empty file, or counts outside 0..30 items and
// 0..20 bitmaps. Everything else is read as the program always has: short
// files repeat their last line, missing separators give empty fields.
TovelParseResult ParseTovel(std::string_view bytes);

// The tables in the native form, CR LF line ends.
std::string FormatTovel(const TovelTables& tables);

// The pieces that the native, Acorn and Macintosh writers share; the forms
// differ in their line ends and in what goes into an item line.
// An item line: the five numbers and the four texts separated by ',', then
// ';' and the line end. Texts are written as held.
std::string FormatItemLine(const std::array<std::int64_t, 5>& numbers,
                           const std::array<std::string, 4>& texts, std::string_view lineEnd);
// An item's own line: Left, Top, Right, Bottom, Flags and its Contents.
std::string FormatItemLine(const TovelItem& item, std::string_view lineEnd);
// The 32 lines of the connection tables: inputs, outputs, values, motors,
// variables, rows in index order, each ending with the line end.
std::string FormatLinkLines(const TovelTables& tables, std::string_view lineEnd);

// The length of the line FormatTovel writes for an item
// ("Left,Top,Right,Bottom,Flags,C0,C1,C2,C3;"), line end not counted.
std::size_t ItemLineLength(const TovelItem& item);
// The length of the line of bitmap names (each name followed by ';'),
// line end not counted.
std::size_t NamesLineLength(const TovelTables& tables);

// Why the tables cannot be written so that they read back as they are: a
// line of the file would be longer than MaxTovelLineChars. Tables read from
// a file can be in that state, as when a names line lacks some of its
// separators. Nothing when every line fits.
std::optional<std::string> UnstorableLine(const TovelTables& tables);

struct TovelReadResult {
  std::optional<TovelTables> Tables;
  std::string Error; // the message to show, naming the file, when the read failed
};

// Reads a tovel file into fresh tables; the open tovel is not touched.
TovelReadResult ReadTovelFile(const std::filesystem::path& path);

// Reads a tovel file and, only when that succeeded, makes it the open
// tovel (ResetTovel, then the tables read). Pictures are not loaded here.
// Returns the message to show on failure, with nothing changed.
std::optional<std::string> ReadTovel(const std::filesystem::path& path);

// Writes the open tovel's tables to a file, never leaving a half-written
// file behind, and refusing tables with an unstorable line. Returns the
// message to show on failure.
std::optional<std::string> WriteTovel(const std::filesystem::path& path);
