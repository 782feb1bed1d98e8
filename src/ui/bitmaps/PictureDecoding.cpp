#include "bitmaps/PictureDecoding.h"

#include <cstddef>

#include <wx/image.h>
#include <wx/log.h>

namespace {

// The decoders are registered on first use: start-up needs none of them.
void RegisterDecoders()
{
  static const bool registered = [] {
    const auto add = [](wxImageHandler* handler) {
      if (wxImage::FindHandler(handler->GetType()))
        delete handler;
      else
        wxImage::AddHandler(handler);
    };
#if wxUSE_LIBPNG
    add(new wxPNGHandler);
#endif
#if wxUSE_LIBJPEG
    add(new wxJPEGHandler);
#endif
#if wxUSE_GIF
    add(new wxGIFHandler);
#endif
#if wxUSE_LIBTIFF
    add(new wxTIFFHandler);
#endif
#if wxUSE_PCX
    add(new wxPCXHandler);
#endif
#if wxUSE_PNM
    add(new wxPNMHandler);
#endif
#if wxUSE_TGA
    add(new wxTGAHandler);
#endif
#if wxUSE_ICO_CUR
    add(new wxICOHandler);
#endif
    return true;
  }();
  (void)registered;
}

} // namespace

std::optional<RgbaPixels> DecodePictureFile(const wxString& path)
{
  RegisterDecoders();
  wxImage image;
  {
    // A file that is no picture is answered with our own message.
    wxLogNull quiet;
    if (!image.LoadFile(path) || !image.IsOk()) return std::nullopt;
  }
  if (image.HasMask() && !image.HasAlpha()) image.InitAlpha();
  RgbaPixels pixels{image.GetWidth(), image.GetHeight(), {}};
  const std::size_t count = static_cast<std::size_t>(pixels.Width) * pixels.Height;
  pixels.Bytes.resize(count * 4);
  const unsigned char* rgb = image.GetData();
  const unsigned char* alpha = image.HasAlpha() ? image.GetAlpha() : nullptr;
  for (std::size_t i = 0; i < count; ++i) {
    pixels.Bytes[4 * i] = rgb[3 * i];
    pixels.Bytes[4 * i + 1] = rgb[3 * i + 1];
    pixels.Bytes[4 * i + 2] = rgb[3 * i + 2];
    pixels.Bytes[4 * i + 3] = alpha ? alpha[i] : 255;
  }
  return pixels;
}

wxString PictureFilePatterns()
{
  RegisterDecoders();
  wxArrayString extensions;
  for (auto node = wxImage::GetHandlers().GetFirst(); node; node = node->GetNext()) {
    const auto* handler = static_cast<const wxImageHandler*>(node->GetData());
    extensions.push_back(handler->GetExtension());
    for (const wxString& more : handler->GetAltExtensions()) extensions.push_back(more);
  }
  wxString patterns;
  for (const wxString& extension : extensions) {
    if (extension.empty()) continue;
    // "*.png" for Windows, whose chooser ignores case, and "*.[pP][nN][gG]"
    // for GTK, whose chooser does not.
    wxString anyCase = "*.";
    for (const wxUniChar c : extension.Lower())
      anyCase += wxString("[") + c + wxString(c).Upper() + "]";
    patterns += (patterns.empty() ? "" : ";") + ("*." + extension.Lower()) + ";" + anyCase;
  }
  return patterns;
}
