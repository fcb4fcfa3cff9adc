// The pop-up page window: a window of its own (not owned by the main window, with its own
// taskbar entry) whose pane fills it.  Pages on the web open in the desktop's browser instead.
#pragma once

#include <QWidget>

#include <string>

class QTextBrowser;

class TPopForm : public QWidget {
public:
    TPopForm();

    // Shows an announced pop-up page: a local page in this window, a web address in the
    // desktop's browser.
    void ShowPage(const std::string& gbkAddress);

    QTextBrowser* CppWebBrowser1;

protected:
    void resizeEvent(QResizeEvent* event) override;
};
