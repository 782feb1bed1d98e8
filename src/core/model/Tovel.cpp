#include "model/Tovel.h"

TovelTables TheTovel;
std::array<BitmapSlot, MaxBitmaps> BitmapImages;
std::string TovelsFolder;

void TovelTables::ClearLinks()
{
  for (auto& row : OutputLinks)
    for (int& entry : row) entry = -1;
  for (auto& row : InputLinks)
    for (int& entry : row) entry = -1;
  for (int& entry : VariableLinks) entry = -1;
  for (auto& row : ValueLinks)
    for (int& entry : row) entry = -1;
  for (auto& row : MotorLinks)
    for (int& entry : row) entry = -1;
}

void BitmapSlot::Release()
{
  Bitmap.reset();
  Palette.reset();
}

void ResetTovel()
{
  ItemCount = 0;
  BitmapCount = 0;
  CurrentItem = -1;
  for (auto& name : BitmapNames) name.clear();
  TheTovel.ClearLinks();
  for (auto& slot : BitmapImages) slot.Release();
}
