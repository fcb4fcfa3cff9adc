// The ordinary windows online play uses, behind an interface so that the table's half of
// online play needs no window system: the proxy settings dialog, the small hint window of a
// command-line start, and the two things online play asks of the main window.  The program
// installs the Qt windows (online/qt); tests install a recorder; with none installed nothing
// is shown and the proxy dialog is cancelled.
#pragma once

#include <string>

#include "online/AvatarChoice.h"

// The proxy dialog's fields as the login dialog fills them and reads them back (GBK).
struct ProxyFormFields {
    bool useProxy = false;
    std::string host;
    std::string port;
    bool http = false;  // the HTTP radio button; otherwise SOCKS
    bool auth = false;  // the proxy needs a user and password
    std::string user;
    std::string password;
};

class OnlineWindows {
public:
    virtual ~OnlineWindows() = default;
    // Shows the proxy settings modally, filled from `fields`; true on OK, with `fields` read
    // back from the dialog (each text at most 49 bytes, cut at a character boundary).
    virtual bool EditProxySettings(ProxyFormFields& fields) = 0;
    // The hint window of a command-line start ("游戏服务器连接中").
    virtual void ShowHint() = 0;
    virtual void SetHintText(const std::string& gbkText) = 0;
    virtual void CloseHint() = 0;
    // The main window: shown once a command-line start has logged in; closed to end the
    // program.
    virtual void ShowMainWindow() = 0;
    virtual void CloseMainWindow() = 0;
    // The avatar chooser, for the user's record; with none installed nothing is shown.
    virtual void ShowAvatarChooser(const AvatarUser& /*user*/) {}
};

void InstallOnlineWindows(OnlineWindows* windows);
OnlineWindows* CurrentOnlineWindows();
