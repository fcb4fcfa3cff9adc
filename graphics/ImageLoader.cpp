#include "graphics/ImageLoader.h"

#include <gd.h>

#include <memory>
#include <string>

#include "graphics/GifPicture.h"
#include "graphics/SurfaceHelpers.h"
#include "graphics/SurfaceRegistry.h"

namespace {

// The top-left maxWidth × maxHeight of the GIF file as a surface, or null.
std::unique_ptr<platform::Surface> LoadGifPicture(std::string_view file, int maxWidth,
                                                  int maxHeight) {
    gdImageStruct* image = GLoadGif(file);
    if (image == nullptr) return nullptr;
    std::unique_ptr<platform::Surface> picture = GGifToSurface(image, maxWidth, maxHeight);
    gdImageDestroy(image);
    return picture;
}

}  // namespace

bool GIsGifFile(std::string_view path) {
    gdImageStruct* image = GLoadGif(path);
    if (image == nullptr) return false;
    gdImageDestroy(image);
    return true;
}

int GLoadImage(std::string_view path, platform::Surface** surface, platform::Rect* rect,
               bool registerSurface) {
    const std::string file = GFindPictureFile(path);
    const std::unique_ptr<platform::Surface> picture =
        file.empty() ? nullptr : LoadGifPicture(file, kMaxGifSide, kMaxGifSide);
    int result;
    if (picture) {
        result = GCreateOffScreenPlain(picture.get(), surface, rect);
    } else {
        const platform::Surface placeholder(1, 1);
        result = GCreateOffScreenPlain(&placeholder, surface, rect);
        if (rect) *rect = platform::Rect{};
    }
    if (result != DD_OK) return result;
    (*surface)->SetName(std::string(path));
    if (registerSurface) GRegisterSurface(surface, path, kSurfaceImage);
    return DD_OK;
}

int GReloadImageClipped(std::string_view path, platform::Surface** surface, platform::Rect* rect,
                        int maxWidth, int maxHeight) {
    const int entry = GFindSurfaceEntry(surface);
    if (entry < 0) return 0;
    const std::unique_ptr<platform::Surface> picture = LoadGifPicture(path, maxWidth, maxHeight);
    if (!picture) return 0;
    const int result = GCreateOffScreenPlain(picture.get(), surface, rect);
    if (result != DD_OK) return result;
    (*surface)->SetName(std::string(path));
    GRewriteSurfaceEntry(entry, path, kSurfaceImage);
    return DD_OK;
}

int GReloadImage(std::string_view path, platform::Surface** surface, platform::Rect* rect) {
    return GReloadImageClipped(path, surface, rect, kMaxGifSide, kMaxGifSide);
}
