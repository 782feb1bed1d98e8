#include "support/ChooserFilter.h"

#include <gtest/gtest.h>
#include <wx/filedlg.h>

#ifdef __WXGTK__
#include <dlfcn.h>

namespace {

// GtkFileFilterInfo of GTK 3, whose headers the build does not use: the
// functions are looked up in the GTK library that wxWidgets has loaded.
struct FilterInfo {
  int Contains;
  const char* Filename;
  const char* Uri;
  const char* DisplayName;
  const char* MimeType;
};
constexpr int FilterFilename = 1 << 0;
constexpr int FilterDisplayName = 1 << 2;

template <class Function> Function Lookup(const char* name)
{
  return reinterpret_cast<Function>(::dlsym(RTLD_DEFAULT, name));
}

} // namespace

std::optional<bool> ChooserLists(wxFileDialog* chooser, const std::string& name)
{
  const auto getFilter = Lookup<void* (*)(void*)>("gtk_file_chooser_get_filter");
  const auto filter = Lookup<int (*)(void*, const FilterInfo*)>("gtk_file_filter_filter");
  if (!getFilter || !filter) {
    ADD_FAILURE() << "the GTK file chooser's filter functions are not found";
    return std::nullopt;
  }
  void* current = getFilter(chooser->GetHandle());
  if (!current) return true; // without a filter every file is listed
  const FilterInfo info{FilterFilename | FilterDisplayName, name.c_str(), nullptr, name.c_str(),
                        nullptr};
  return filter(current, &info) != 0;
}

#else

std::optional<bool> ChooserLists(wxFileDialog*, const std::string&)
{
  return std::nullopt;
}

#endif
