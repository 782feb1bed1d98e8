// Conversion between the model's Windows-1252 strings and wxString.
#pragma once

#include <optional>
#include <string>

#include <wx/string.h>

// The text of a model string, for showing.
wxString ToWx(const std::string& modelText);

// The model string for a text, or nothing when the text holds a character
// that Windows-1252 cannot hold.
std::optional<std::string> FromWx(const wxString& text);
