// What the server does with the records it receives: the login, the keep-alive, the logoff;
// and the sign-up channel's request.
#include "online/GameMsgClient.h"
#include "online/GameMsgServer.h"
#include "tools/testserver/Connection.h"

namespace testserver {

namespace {

std::string Bytes(const GameMsg& msg) { return std::string(msg.begin(), msg.end()); }

}  // namespace

void TestServer::OnRecord(Connection& c, const std::uint8_t* record) {
    switch (MsgType(record)) {
        case CS_LOGIN: OnLogin(c, record); return;
        case CS_LOGOFF: Close(c); return;
        default: OnTableRecord(c, record); return;  // the keep-alive only keeps it open
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
    {
        std::lock_guard<std::mutex> lock(mutex_);
        for (const Account& a : accounts_)
            if (a.name == login.name && a.password == login.password) known = true;
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
    if (const HostileCase* hostile = CaseFor(HostileWhen::kAfterLogin)) Play(c, *hostile);
    SeatAfterLogin(c);
}

// One answer byte; an answer of 1 creates the account when the server is told to.
void TestServer::AnswerSignUp(Connection& c, const std::string& bytes) {
    if (const HostileCase* hostile = CaseFor(HostileWhen::kForSignUp)) {
        Play(c, *hostile);
        return;
    }
    const RegRequest request = DecodeRegRequest(reinterpret_cast<const std::uint8_t*>(bytes.data()));
    if (options_.regReply == kRegOk && options_.regCreatesAccount && !HasAccount(request.name)) {
        Account account;
        account.name = request.name;
        account.password = request.password;
        account.sex = request.male ? 1 : 0;
        std::lock_guard<std::mutex> lock(mutex_);
        accounts_.push_back(account);
    }
    Send(c, std::string(1, static_cast<char>(options_.regReply)));
    CloseAfterSending(c);
}

}  // namespace testserver
