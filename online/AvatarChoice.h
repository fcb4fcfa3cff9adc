// What the avatar chooser (TAvatarForm) knows of the user and what its save does, without a
// window system: a picture must fit the user's sex (1..6 for sex 0, 7..12 for sex 1); a choice
// of the picture the user has already is confirmed without a record; any other goes to the
// server as CS_SET_AVATAR, which takes effect when the server announces it.
#pragma once

#include <cstdint>
#include <string>

// The user's record as the chooser reads it.
struct AvatarUser {
    int sex = 0;               // 1 male
    int picture = 1;           // 1..12
    std::int32_t avatarId = 0; // the user's file in the avatar cache
};

enum class AvatarSave { kSexMismatch, kUnchanged, kSent };

constexpr int kAvatarPictures = 12;

// Saves picture `index` + 1 (index 0..11, the first checked item; 0 when none is checked).
AvatarSave SaveAvatarChoice(const AvatarUser& user, int index);

// The preview's pictures: the 3D figure of picture n, and the user's 2D picture (the cached
// one, else the default of the user's sex); empty when no such file is there.
std::string AvatarFigurePath(int picture);
std::string AvatarPortraitPath(const AvatarUser& user);

// The avatar-show web page the preview's link opens.
constexpr const char* kAvatarShowUrl = "http://www.cuiling-game.net/show/";
