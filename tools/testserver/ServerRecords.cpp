// What the server does with the records it receives: the login, the keep-alive, the logoff;
// and the sign-up channel's request.
#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "platform/Gbk.h"
#include "tools/testserver/Connection.h"

namespace testserver {

namespace {

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

// Names and passwords are 4 to 12 bytes long, as the sign-up dialog and the login check them.
constexpr std::size_t kMinBytes = 4;
constexpr std::size_t kMaxBytes = 12;

bool LengthOk(const std::string& text) { return text.size() >= kMinBytes && text.size() <= kMaxBytes; }

// The answer to a sign-up's name: the login's length, of whole GBK characters and visible
// ASCII (no control bytes, and no blank or leading '#', which the account file would read as a
// field's end or a comment).
int NameReply(const std::string& name) {
    if (!LengthOk(name)) return kRegNotCreated;
    if (name[0] == '#') return kRegForbiddenCharacters;
    for (std::size_t pos = 0; pos < name.size();) {
        const std::size_t n = platform::GbkCharLength(name.data(), name.size(), pos);
        const unsigned char c = static_cast<unsigned char>(name[pos]);
        if (n == 1 && (c <= ' ' || c >= 0x7F)) return kRegForbiddenCharacters;
        pos += n;
    }
    return kRegOk;
}

}  // namespace

void TestServer::OnRecord(Connection& c, const std::uint8_t* record) {
    switch (MsgType(record)) {
        case CS_LOGIN: OnLogin(c, record); return;
        case CS_LOGOFF: Close(c); return;
        case CS_SET_AVATAR: OnSetAvatar(c, record); return;
        default:
            // A seated person's hand records go to the table; the rest (chat, talk, leaving
            // the table) to the rooms.  The keep-alive only keeps the connection open.
            if (c.table && OnTableRecord(c, record)) return;
            if (rooms_ && c.loggedIn) rooms_->OnRecord(c.id, record);
            return;
    }
}

// A refusal closes the connection; a second login of a name replaces its first connection.
void TestServer::OnLogin(Connection& c, const std::uint8_t* record) {
    if (const HostileCase* hostile = CaseFor(HostileWhen::kForLogin)) {
        Play(c, *hostile);
        return;
    }
    CsLogin login;
    Decode(record, &login);
    bool known = false;
    Account account;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Account& a : accounts_)
            if (a.name == login.name && a.password == login.password) {
                known = true;
                account = a;
            }
    }
    if (!known) {
        Send(c, Bytes(Encode(ScLoginFail{options_.refusal})));
        CloseAfterSending(c);
        return;
    }
    for (auto& other : connections_)
        if (other.get() != &c && other->loggedIn && other->name == login.name) Close(*other);
    c.loggedIn = true;
    c.name = login.name;
    {
        std::lock_guard<std::mutex> lock(mutex_);
        online_.insert(c.name);
    }
    Send(c, Bytes(Encode(ScLoginSuccess{})));
    AnnounceDefaultPictures(c);
    AnnounceAvatar(c, account);
    const HostileCase* hostile = CaseFor(HostileWhen::kAfterLogin);
    if (hostile) Play(c, *hostile);
    if (options_.seatOnLogin)
        SeatAfterLogin(c);
    else if (!hostile && rooms_)
        rooms_->OnLogin(c.id, account);
}

// One answer byte; an answer of 1 creates the account, with its sex's default picture, when the
// server is told to.  A name or password the sign-up dialog would refuse is not created; a name
// that has an account already is answered as taken: a success would not be true.
void TestServer::AnswerSignUp(Connection& c, const std::string& bytes) {
    if (const HostileCase* hostile = CaseFor(HostileWhen::kForSignUp)) {
        Play(c, *hostile);
        return;
    }
    const RegRequest request = DecodeRegRequest(reinterpret_cast<const std::uint8_t*>(bytes.data()));
    int reply = options_.regReply;
    if (reply == kRegOk) reply = NameReply(request.name);
    if (reply == kRegOk && !LengthOk(request.password)) reply = kRegNotCreated;
    if (reply == kRegOk && HasAccount(request.name)) reply = kRegNameTaken;
    if (reply == kRegOk && options_.regCreatesAccount) CreateAccount(request);
    Send(c, std::string(1, static_cast<char>(reply)));
    CloseAfterSending(c);
}

// The new account takes the next free user id and, with an account file, is kept in it, so a
// restart of the server on the same file knows it by the same id.
void TestServer::CreateAccount(const RegRequest& request) {
    Account account;
    account.name = request.name;
    account.password = request.password;
    account.sex = request.male ? 1 : 0;
    account.picture = DefaultPicture(account.sex);
    std::lock_guard<std::mutex> lock(mutex_);
    account.userId = NextUserId(accounts_);
    accounts_.push_back(account);
    if (!options_.accountFile.empty()) AppendAccount(options_.accountFile, account);
}

}  // namespace testserver
