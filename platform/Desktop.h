// The desktop around the main window: opening a web address in the user's browser, drawing
// the user's attention to the window (taskbar urgency) and minimising the program.
#pragma once

#include <string_view>

namespace platform {

class Desktop {
public:
    virtual ~Desktop() = default;
    // Hands a web address (UTF-8, already checked by OpenUrl below) to the desktop's opener.
    virtual bool OpenWebAddress(std::string_view utf8Url) = 0;
    // Marks the window urgent until the user activates it, unless the program is the active
    // application and its window is not minimised.
    virtual void FlashIfInactive() = 0;
    virtual void Minimize() = 0;
};

// The desktop the game goes through; none installed: nothing happens.
void InstallDesktop(Desktop* desktop);
Desktop* CurrentDesktop();

// True for the addresses the program may open: "http:" and "https:" ones (scheme in any case)
// with something after the scheme.
bool IsWebAddress(std::string_view url);
// Opens a GBK web address; anything else, a "file:" address too, is refused (false).  False
// too when no desktop opener is installed or the opener cannot start a browser.  Every address
// that comes from a server or a page goes through here.
bool OpenUrl(std::string_view gbkUrl);

// What became of a request to open a page of the program folder.
enum class PageOpening { Opened, Missing, NoBrowser };
// Opens the program folder's own page named by a game path ("help.htm") by its "file:" address
// (FileAddress.h): Missing when it is not a regular file inside the folder, NoBrowser when no
// desktop opener is installed or it cannot start a browser.  Only the program's own fixed
// pages are opened here, never an address that came from outside.
PageOpening OpenProgramPage(std::string_view gbkGamePath);
void FlashIfInactive();
void MinimizeApplication();

}  // namespace platform
