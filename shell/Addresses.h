// Web addresses the shell opens or tries.  Remote pages are not shown inside the program: the
// notice and exit panes keep their local pages, and the other addresses go to the desktop's
// browser.
#pragma once

// The start notice's remote notice page and its link to the mini-games page.
constexpr char kNoticePageUrl[] = "http://www.example.com/mj/notice.htm";
constexpr char kMiniGamesUrl[] = "http://www.example.com/mini/";
// The game's web site, opened when the update download fails.
constexpr char kGameSiteUrl[] = "http://www.example.com/mj/";
// The installer of an update.
constexpr char kInstallerUrl[] = "http://www.example.com/mj/setup/mj.exe";
