#include "app/ModelText.h"

#include "platform/Windows1252.h"

wxString ToWx(const std::string& modelText)
{
  return wxString::FromUTF8(platform::Cp1252ToUtf8(modelText));
}

std::optional<std::string> FromWx(const wxString& text)
{
  const wxScopedCharBuffer utf8 = text.utf8_str();
  return platform::Utf8ToCp1252(std::string_view(utf8.data(), utf8.length()));
}
