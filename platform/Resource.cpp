#include "platform/Resource.h"

#include <sys/stat.h>

#include <string>

#include "platform/Bmp.h"
#include "platform/Path.h"

namespace platform {

namespace {

constexpr std::uint16_t kCursorTransparent = Rgb565(0xFF, 0x00, 0xFF);

bool PlainName(std::string_view name) {
    return !name.empty() && name.find_first_of("\\/") == std::string_view::npos &&
           name != "." && name != "..";
}

}  // namespace

std::string ResourceFolder() { return ProgramPath("MjRes\\"); }

bool ResourceFolderExists() {
    struct stat st;
    return stat(ToDiskPath(ResourceFolder()).c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

std::unique_ptr<Surface> LoadResourceBitmap(std::string_view name) {
    if (!PlainName(name)) return nullptr;
    return LoadBmpFile(ResourceFolder() + std::string(name) + ".bmp");
}

ResourceCursor LoadResourceCursor(std::string_view name) {
    ResourceCursor cursor;
    cursor.image = LoadResourceBitmap(name);
    if (cursor.image) cursor.image->SetColorKey(kCursorTransparent);
    return cursor;
}

}  // namespace platform
