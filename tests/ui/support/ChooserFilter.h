// What a file chooser lists, as the platform's own dialog decides it.
#pragma once

#include <optional>
#include <string>

class wxFileDialog;

// Whether the chooser lists a file of this name under its chosen filter;
// std::nullopt where the platform's dialog cannot be asked (only the GTK
// chooser can).
std::optional<bool> ChooserLists(wxFileDialog* chooser, const std::string& name);
