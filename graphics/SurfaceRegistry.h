// The surface registry: for each loaded picture, the address of the variable that holds its
// surface, the path it came from and the loader that made it, so that a picture can be
// reloaded in place and every picture released and loaded again together.
//
// Entries are only appended, or rewritten in place by a reload; none is ever removed, not even
// when its surface is released.  The same variable may stand in several entries (it was loaded
// with registration again); lookups take the first.  A registration into a full registry is
// refused: the picture is still loaded, it is only not entered.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/Surface.h"

constexpr int kMaxSurfaces = 500;

// Which loader made an entry's surface, and so which one loads it again.
constexpr std::uint8_t kSurfaceBitmap = 0;  // GLoadBitmap, GReloadBitmap
constexpr std::uint8_t kSurfaceImage = 1;   // GLoadImage and the image reloaders

// Parallel columns: entry i is (SurfaceList[i], SurfacePath[i], SurfaceKind[i]); entries 0 to
// SurfaceCount - 1 are valid.
extern platform::Surface** SurfaceList[kMaxSurfaces];
extern std::string SurfacePath[kMaxSurfaces];
extern std::uint8_t SurfaceKind[kMaxSurfaces];
extern int SurfaceCount;

// Appends the entry (variable, path as the caller gave it, kind); false when the registry is
// full, which leaves it unchanged.
bool GRegisterSurface(platform::Surface** surface, std::string_view path, std::uint8_t kind);

// The index of the first entry of the variable, or -1 when it is not registered.
int GFindSurfaceEntry(platform::Surface** surface);

// Rewrites entry `index` (a valid one) to the new path and kind, keeping its variable.
void GRewriteSurfaceEntry(int index, std::string_view path, std::uint8_t kind);

// Releases the surface of every entry; the entries stay.
void GReleaseAllSurfaces();

// Loads every entry again into its variable, in index order, with the loader of its kind and
// without registering, then gives it the colour key.  Nothing is appended; the owners'
// rectangles are left as they were.
void GRestoreAllSurfaces();
