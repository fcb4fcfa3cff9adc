#include "online/Lobby.h"

#include "engine/Mj.h"
#include "online/DataModule.h"
#include "online/GameMsgServer.h"
#include "online/NetRoom.h"

LobbyLists Lobby;

namespace {

LobbyWindows gNoLobbyWindows;
LobbyWindows* gLobbyWindows = nullptr;

void PlayTalkSound(const char* gbkName) {
    if (pMj) pMj->PlayWave(gbkName);
}

}  // namespace

bool LobbyLinkUp() { return DataModule1 && DataModule1->ClientSocket1.Active(); }

bool SendLobbyRecord(const GameMsg& record) {
    if (!LobbyLinkUp()) return false;
    DataModule1->SendRecord(record.data(), kGameMsgSize);
    return true;
}

void ClearLobby() {
    const UserSortState sort = Lobby.sort;
    Lobby = LobbyLists{};
    Lobby.sort = sort;
}

void InstallLobbyWindows(LobbyWindows* windows) { gLobbyWindows = windows; }

LobbyWindows* CurrentLobbyWindows() { return gLobbyWindows ? gLobbyWindows : &gNoLobbyWindows; }

std::string IncomingTalkLine(const std::string& sender, const std::string& text, bool system) {
    if (system) return "[系统消息] " + text;
    return "[" + sender + "]说: " + text;
}

void ShowIncomingTalk(const std::uint8_t* record) {
    ScTalk talk;
    if (!Decode(record, &talk)) return;
    const std::string line = IncomingTalkLine(talk.sender, talk.text, talk.system);
    LobbyWindows* windows = CurrentLobbyWindows();
    if (windows->AddTalkLine(talk.sender, line)) {
        PlayTalkSound("Wave\\msg.wav");
        return;
    }
    if (windows->TalkWindowCount() < kMaxTalkWindows && windows->OpenTalkWindow(talk.sender) &&
        windows->AddTalkLine(talk.sender, line)) {
        PlayTalkSound("Wave\\ring.wav");
        return;
    }
    if (pNetRoom) pNetRoom->AddChatLine(line, 0x000000);
}
