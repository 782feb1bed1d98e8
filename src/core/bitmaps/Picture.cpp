#include "bitmaps/Picture.h"

Picture::~Picture() = default;
