// The resource folder `MjRes\` in the program folder: the game's bitmaps by resource name
// ("IDB_BUTTON" is `MjRes\IDB_BUTTON.bmp`) and its mouse cursor.
#pragma once

#include <memory>
#include <string_view>

#include "platform/Surface.h"

namespace platform {

// The folder's game path, "<program folder>MjRes\".
std::string ResourceFolder();

// True when the resource folder exists; the program cannot run without it.
bool ResourceFolderExists();

// The bitmap of a resource name, or null when the name is not a plain file name (empty, or with
// a path separator or "..") or its file is missing or not a picture.
std::unique_ptr<Surface> LoadResourceBitmap(std::string_view name);

// A cursor: its picture, with #FF00FF (0xF81F) as the colour key marking transparent pixels,
// and its hot spot.
struct ResourceCursor {
    std::unique_ptr<Surface> image;
    int hotX = 0;
    int hotY = 0;
};

// The cursor of a resource name (`MjRes\IDC_WCUR.bmp`, 32 × 32, hot spot at the top-left
// corner); `image` is null when it cannot be loaded.
ResourceCursor LoadResourceCursor(std::string_view name);

}  // namespace platform
