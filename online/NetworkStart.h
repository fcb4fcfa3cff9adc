// What the main window calls of online play, and the state of a command-line start.
//
// A launcher starts the program as `mahjong NetWork <user> <password> <host>[:<port>]`: the
// main window stays hidden, the hint window shows while the link connects and logs in with the
// given name and password, and the main window appears once the login went through.  A start
// that cannot go on (refused, failed, timed out) tells the user and closes the main window.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/MessageBox.h"

// The program was started for online play from the command line.
extern std::uint8_t bNetMode;
// That start has logged in (the main window is shown).
extern std::uint8_t bNetLoggedIn;
// That start has ended: its message is posted to the main window, which closes after it.
extern std::uint8_t bNetEnded;

// The user's own account name as the login record carried it (20 bytes and a terminator);
// the user's own entries in later records carry the same bytes.
constexpr int kMyNameBytes = 20;
extern char szMyName[kMyNameBytes + 1];

// "host" or "host:port"; a port that is missing, not a number or outside 1..65535 gives
// `defaultPort`.
void ParseHostPort(std::string_view text, std::uint16_t defaultPort, std::string* host,
                   std::uint16_t* port);

// The "NetWork" start: fills the login dialog's name and password, shows the hint window and
// connects to `hostPort` (port 1982 when none is given).  The link (DataModule1) and the login
// dialog must exist; false when they do not.
bool StartNetworkFromCommandLine(const char* user, const char* password, const char* hostPort);

// The main window's close: sends CS_LOGOFF while the game socket is connected and a network
// game is on.
void SendLogoff();

// A command-line start's hint window closes (nothing otherwise, or once the start has ended).
void CloseNetworkHint();

// Ends a command-line start: the hint window closes, and the main window is told to show the
// message in turn with its other boxes, last, and then to close (WM_NETENDMSG).  Only the
// first call does anything.
void EndNetworkStart(const std::string& gbkText, const std::string& gbkCaption,
                     platform::MbIcon icon);
