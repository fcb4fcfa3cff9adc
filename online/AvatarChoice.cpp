#include "online/AvatarChoice.h"

#include "online/AvatarCache.h"
#include "online/DataModule.h"
#include "online/GameMsgClient.h"
#include "platform/MessageBox.h"
#include "platform/Path.h"

namespace {

constexpr int kPicturesPerSex = 6;
constexpr const char* kCaption = "翠岭";

}  // namespace

AvatarSave SaveAvatarChoice(const AvatarUser& user, int index) {
    const int first = user.sex == 1 ? kPicturesPerSex : 0;
    if (index < first || index >= first + kPicturesPerSex) {
        platform::ShowMessage("性别不符，无法修改资料！", kCaption, platform::MbIcon::Information);
        return AvatarSave::kSexMismatch;
    }
    if (index + 1 == user.picture) {
        platform::ShowMessage("资料修改成功！", kCaption, platform::MbIcon::Information);
        return AvatarSave::kUnchanged;
    }
    CsSetAvatar choice;
    choice.picture = index + 1;
    const GameMsg record = Encode(choice);
    if (DataModule1) DataModule1->SendRecord(record.data(), kGameMsgSize);
    return AvatarSave::kSent;
}

std::string AvatarFigurePath(int picture) {
    return platform::ProgramPath("Graphic\\" + std::to_string(picture) + ".gif");
}

std::string AvatarPortraitPath(const AvatarUser& user) {
    const std::string cached = AvatarCachePath(user.avatarId);
    if (platform::FileExists(cached)) return cached;
    const std::string fallback = platform::ProgramPath(user.sex == 1 ? "male.gif" : "female.gif");
    return platform::FileExists(fallback) ? fallback : std::string();
}
