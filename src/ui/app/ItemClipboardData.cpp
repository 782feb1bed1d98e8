#include "app/ItemClipboardData.h"

#include <string>
#include <string_view>

#include <wx/clipbrd.h>
#include <wx/dataobj.h>

#include "app/ModelText.h"

namespace {

const wxDataFormat& ItemFormat()
{
  static const wxDataFormat format("application/x-tovelcreator-item");
  return format;
}

} // namespace

bool PutItemOnClipboard(const CopiedItem& copied)
{
  wxClipboardLocker locker;
  if (!locker) return false;
  const std::string bytes = ClipboardBytes(copied);
  auto* own = new wxCustomDataObject(ItemFormat());
  own->SetData(bytes.size(), bytes.data());
  auto* both = new wxDataObjectComposite;
  both->Add(own, true);
  both->Add(new wxTextDataObject(ToWx(ClipboardText(copied))));
  return wxTheClipboard->SetData(both);
}

bool ClipboardHoldsItem()
{
  wxClipboardLocker locker;
  if (!locker) return false;
  return wxTheClipboard->IsSupported(ItemFormat());
}

std::optional<CopiedItem> ItemOnClipboard()
{
  wxClipboardLocker locker;
  if (!locker || !wxTheClipboard->IsSupported(ItemFormat())) return std::nullopt;
  wxCustomDataObject own(ItemFormat());
  if (!wxTheClipboard->GetData(own)) return std::nullopt;
  return CopiedFromClipboard(
      std::string_view(static_cast<const char*>(own.GetData()), own.GetSize()));
}
