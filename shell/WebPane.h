// The panes of the ordinary windows that show web pages.  A local page (a file of the program
// folder) shows in a QTextBrowser; remote pages count as unreachable, so a pane keeps what it
// showed.  The Navigate functions answer whether the page arrived: false is the navigation
// error of the pane.
#pragma once

#include <string>

class QTextBrowser;
class QWidget;

// A read-only browser pane at (x, y) of `parent`, w × h.
QTextBrowser* NewWebPane(QWidget* parent, int x, int y, int w, int h);

// Shows the page at a game path (a file, GBK text).  A missing file shows the pane's error
// page and answers false; a web address is unreachable: the pane is left alone, false.
bool NavigatePane(QTextBrowser& pane, const std::string& gbkAddress);

// A loaded page's body scrolls "no"; with `noBorder`, the pane has no border either.
void FinishPage(QTextBrowser& pane, bool noBorder);
