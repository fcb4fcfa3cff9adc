// GIF pictures (seat portraits, avatars, the lobby's table pictures) loaded into surfaces of
// the composition format, registered, and reloaded in place from other files.
//
// A GIF's transparent pixels become magenta (0xF81F), the table pictures' colour key; the
// loaders do not set the key themselves (GSetColorKey does).  A GIF never ends the program: a
// picture that cannot be loaded is an empty placeholder, or the old picture stays.  A loaded
// surface is named after the path the game gave.
#pragma once

#include <string_view>

#include "platform/Rect.h"
#include "platform/Surface.h"

// True when the file at the path opens and decodes as a GIF picture.
bool GIsGifFile(std::string_view path);

// Loads the GIF the path names (the path itself when a file is there, else the program folder
// followed by the path) into a new surface in the variable; the rectangle becomes {0, 0,
// width, height}.  A picture that cannot be loaded gives a 1 × 1 surface and the rectangle
// {0, 0, 0, 0}, so drawing it through its rectangle draws nothing.  With `registerSurface`,
// the variable enters the registry with the path as given (kind 1).  Answers DD_OK, or the
// error of making the surface (nothing registered, the variable null).
int GLoadImage(std::string_view path, platform::Surface** surface, platform::Rect* rect,
               bool registerSurface);

// Replaces the picture of a registered variable by the GIF at the path (taken as given) and
// rewrites its first registry entry to (path, kind 1).  An unregistered variable or a file
// that is not a GIF changes nothing and answers 0; otherwise the answer is DD_OK or the error
// of making the new surface.
int GReloadImage(std::string_view path, platform::Surface** surface, platform::Rect* rect);

// GReloadImage, keeping only the picture's top-left maxWidth × maxHeight; a maximum below 1
// keeps nothing of it, so changes nothing and answers 0.
int GReloadImageClipped(std::string_view path, platform::Surface** surface, platform::Rect* rect,
                        int maxWidth, int maxHeight);
