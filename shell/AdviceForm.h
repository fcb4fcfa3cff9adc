// The start notice, shown before the table is built: the health advice, a notice page, a
// preview of the table view with the choice between the 3D and the flat view, and "进入".
// Closing it with its close box ends it like "进入"; the main window reads its boxes either way.
#pragma once

#include <QDialog>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QTextBrowser;
class LinkLabel;

class TAdviceForm : public QDialog {
public:
    explicit TAdviceForm(QWidget* owner);

    // The remote page has failed; then it never replaces the local one.
    bool bRemoteOk = true;

    QCheckBox* CheckBox1;  // full screen; never visible
    QCheckBox* CheckBox2;  // the 3D view
    QLabel* Image1;        // preview of the 3D view
    QLabel* Image2;        // preview of the flat view
    QFrame* Panel1;        // the remote notice page
    QFrame* Panel2;        // the local notice page
    QTextBrowser* CppWebBrowser1;
    QTextBrowser* CppWebBrowser2;
    LinkLabel* Label5;
    QPushButton* BitBtn1;

    void FormShow();
    // The remote page arrived.
    void CppWebBrowser1NavigateComplete2();
    void CppWebBrowser1NavigateError();
    void CppWebBrowser2NavigateError();
    void CheckBox2Click();
    void Label5Click();

protected:
    void showEvent(QShowEvent* event) override;
};
