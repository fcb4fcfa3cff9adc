// The link notice: a text, a link that opens in the desktop's browser, and "确定".  The link
// turns red under the mouse and blue again over the text or the window.
#pragma once

#include <QDialog>

#include <string>

class QLabel;
class LinkLabel;

class TLinkDlgForm : public QDialog {
public:
    explicit TLinkDlgForm(QWidget* owner);

    // Shows a notice's texts (GBK): the notice, the link's caption and its address.
    void SetNotice(const std::string& text, const std::string& caption, const std::string& url);

    QLabel* Label1;
    LinkLabel* Label2;
    std::string Url;

    void Label2Click();
    void Label2MouseMove();
    void FormMouseMove();

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
