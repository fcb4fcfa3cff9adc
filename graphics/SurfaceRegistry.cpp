#include "graphics/SurfaceRegistry.h"

#include "graphics/ImageLoader.h"
#include "graphics/SurfaceHelpers.h"

platform::Surface** SurfaceList[kMaxSurfaces];
std::string SurfacePath[kMaxSurfaces];
std::uint8_t SurfaceKind[kMaxSurfaces];
int SurfaceCount = 0;

bool GRegisterSurface(platform::Surface** surface, std::string_view path, std::uint8_t kind) {
    if (SurfaceCount >= kMaxSurfaces) return false;
    SurfaceList[SurfaceCount] = surface;
    SurfacePath[SurfaceCount] = path;
    SurfaceKind[SurfaceCount] = kind;
    ++SurfaceCount;
    return true;
}

int GFindSurfaceEntry(platform::Surface** surface) {
    for (int i = 0; i < SurfaceCount; ++i)
        if (SurfaceList[i] == surface) return i;
    return -1;
}

void GRewriteSurfaceEntry(int index, std::string_view path, std::uint8_t kind) {
    SurfacePath[index] = path;
    SurfaceKind[index] = kind;
}

void GReleaseAllSurfaces() {
    for (int i = 0; i < SurfaceCount; ++i) GReleaseSurface(SurfaceList[i]);
}

void GRestoreAllSurfaces() {
    for (int i = 0; i < SurfaceCount; ++i) {
        platform::Rect scratch;
        if (SurfaceKind[i] == kSurfaceImage)
            GLoadImage(SurfacePath[i], SurfaceList[i], &scratch, kNoRegister);
        else
            GLoadBitmap(SurfacePath[i], SurfaceList[i], &scratch, kNoRegister);
        GSetColorKey(SurfaceList[i]);
    }
}
