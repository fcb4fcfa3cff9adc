// The surface helpers: a surface made from a picture, BMP pictures loaded and reloaded by path,
// surfaces released and given the colour key.
//
// A surface variable (`platform::Surface*`) owns the surface it points to.  The helpers that
// make or replace a surface are given the variable's address and write the new pointer into it;
// GReleaseSurface deletes the surface and nulls the variable.  A registered variable is known to
// the registry (SurfaceRegistry.h) by its address, so it must stay at one address for as long
// as the program runs: a member of a long-lived object, or a global.
#pragma once

#include <memory>
#include <string>
#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

// Results of making a surface.
constexpr int DD_OK = 0;
constexpr int DDERR_INVALIDPARAMS = 1;  // no surface, or a picture without pixels

// The register argument of the loaders.
constexpr bool kRegisterSurface = true;
constexpr bool kNoRegister = false;

// Surfaces made by GCreateOffScreenPlain and released by GReleaseSurface so far.
extern int nSurfacesCreated;
extern int nSurfacesReleased;

// Set when a picture the game needs could not be loaded.  The first such picture shows the
// one missing-file message; the program cannot run on, and start-up ends it when this is set
// after the table object is built.
extern bool bGameFileMissing;

// Makes a surface of the bitmap's size holding a copy of its pixels and name, without a colour
// key or a draw observer, in the variable (whatever the variable held before is released
// first); the rectangle (when given) becomes {0, 0, width, height}.  A null or empty bitmap
// leaves the variable null and answers DDERR_INVALIDPARAMS.
int GCreateOffScreenPlain(const platform::Surface* bitmap, platform::Surface** surface,
                          platform::Rect* rect);

// Deletes the variable's surface and nulls it; a null variable is left alone (and not counted).
void GReleaseSurface(platform::Surface** surface);

// Gives the variable's surface the table pictures' colour key `ColorKey`.
int GSetColorKey(platform::Surface** surface);

// The file that a picture path names: the path itself when a file is there (a relative path is
// taken from the current folder), else the program folder followed by the path when a file is
// there; empty when neither is.
std::string GFindPictureFile(std::string_view path);

// The BMP picture the path names (the file GFindPictureFile finds), else the resource bitmap of
// that name (`MjRes\<name>.bmp`).  A picture that cannot be loaded is reported as a missing
// file and gives null.
std::unique_ptr<platform::Surface> GLoadPicture(std::string_view path);

// Loads a BMP picture into a new surface in the variable, named after the path: the file the
// path names, else the resource bitmap of that name (`MjRes\<name>.bmp`).  With
// `registerSurface`, the variable enters the registry with the path as given (kind 0), also
// when the load failed.  A picture that cannot be loaded leaves the variable null and reports
// the missing file.
void GLoadBitmap(std::string_view path, platform::Surface** surface, platform::Rect* rect,
                 bool registerSurface);

// Replaces the picture of a registered variable by the BMP the path names (same search as
// GLoadBitmap) and rewrites its first registry entry to (path, kind 0).  An unregistered
// variable is left alone.
void GReloadBitmap(std::string_view path, platform::Surface** surface, platform::Rect* rect);
