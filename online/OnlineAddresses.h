// Where online play connects and what it opens, when the data files say nothing else.
#pragma once

// The game, login and sign-up hosts (Dirconfig.ini, Network.cfg and the command line may
// name others).
constexpr const char* kDefaultServerHost = "127.0.0.1";
// The pages a link notice and the login dialog open (each fits the link notice's 35 bytes).
constexpr const char* kServiceStatusUrl = "http://www.cuiling-game.net/fw.htm";
constexpr const char* kSignUpPageUrl = "http://www.cuiling-game.net/reg/";
