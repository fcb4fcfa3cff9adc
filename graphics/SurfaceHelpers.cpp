#include "graphics/SurfaceHelpers.h"

#include <memory>

#include "graphics/GraphicsGlobals.h"
#include "graphics/SurfaceRegistry.h"
#include "platform/Bmp.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"
#include "platform/Resource.h"

int nSurfacesCreated = 0;
int nSurfacesReleased = 0;
bool bGameFileMissing = false;

namespace {

// The one message of a missing picture: the game cannot run without its files.  It names the
// first picture found missing; later ones only keep the program ending.
void ReportMissingFile(std::string_view path) {
    if (bGameFileMissing) return;
    bGameFileMissing = true;
    platform::ShowMessage("游戏缺少文件，重新安装可能解决该问题。\n" + std::string(path), "警告",
                          platform::MbIcon::Warning);
}

// Loads the picture into the variable, reporting it when it cannot be loaded.  The surface is
// named after the path as the game gave it.
void LoadInto(std::string_view path, platform::Surface** surface, platform::Rect* rect) {
    const std::unique_ptr<platform::Surface> bitmap = GLoadPicture(path);
    if (GCreateOffScreenPlain(bitmap.get(), surface, rect) == DD_OK)
        (*surface)->SetName(std::string(path));
}

}  // namespace

int GCreateOffScreenPlain(const platform::Surface* bitmap, platform::Surface** surface,
                          platform::Rect* rect) {
    const bool empty = bitmap == nullptr || bitmap->Empty();
    if (rect)
        *rect = empty ? platform::Rect{} : platform::Rect{0, 0, bitmap->Width(), bitmap->Height()};
    // The copy is made before the old surface goes: the bitmap may be that surface.
    platform::Surface* made = empty ? nullptr : new platform::Surface(*bitmap);
    GReleaseSurface(surface);
    if (made == nullptr || surface == nullptr) {
        delete made;
        return DDERR_INVALIDPARAMS;
    }
    made->ClearColorKey();
    made->SetObserver(nullptr);  // whoever watched the bitmap did not ask to watch this one
    *surface = made;
    ++nSurfacesCreated;
    return DD_OK;
}

void GReleaseSurface(platform::Surface** surface) {
    if (surface == nullptr || *surface == nullptr) return;
    ++nSurfacesReleased;
    delete *surface;
    *surface = nullptr;
}

int GSetColorKey(platform::Surface** surface) {
    if (surface == nullptr || *surface == nullptr) return DDERR_INVALIDPARAMS;
    (*surface)->SetColorKey(ColorKey);
    return DD_OK;
}

std::string GFindPictureFile(std::string_view path) {
    if (platform::FileExists(path)) return std::string(path);
    const std::string inFolder = platform::ProgramPath(path);
    return platform::FileExists(inFolder) ? inFolder : std::string();
}

std::unique_ptr<platform::Surface> GLoadPicture(std::string_view path) {
    const std::string file = GFindPictureFile(path);
    std::unique_ptr<platform::Surface> picture =
        file.empty() ? platform::LoadResourceBitmap(path) : platform::LoadBmpFile(file);
    if (!picture) ReportMissingFile(path);
    return picture;
}

void GLoadBitmap(std::string_view path, platform::Surface** surface, platform::Rect* rect,
                 bool registerSurface) {
    LoadInto(path, surface, rect);
    if (registerSurface) GRegisterSurface(surface, path, kSurfaceBitmap);
}

void GReloadBitmap(std::string_view path, platform::Surface** surface, platform::Rect* rect) {
    const int entry = GFindSurfaceEntry(surface);
    if (entry < 0) return;
    LoadInto(path, surface, rect);
    GRewriteSurfaceEntry(entry, path, kSurfaceBitmap);
}
