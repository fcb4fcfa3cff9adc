// The update download's progress window: a label, a bar from 0 to 100 and "取消".  While a
// download runs (bCancelled 0) only "取消" ends it: the close box and Esc do nothing.
#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLabel;
class QProgressBar;
class QPushButton;

class TDownForm : public QDialog {
public:
    explicit TDownForm(QWidget* owner);

    std::string InstallerPath;
    bool bCancelled = true;
    // Aborts the transfer under way; set by whoever runs it.
    std::function<void()> abortTransfer;

    QLabel* Label1;
    QProgressBar* ProgressBar1;
    QPushButton* Button1;

    void SetLabel(const std::string& gbkText);
    void SetProgress(int percent);
    void Button1Click();
    // Ends the window once the download is over (bCancelled is 1 then).
    void Finish();

    void reject() override;

protected:
    void closeEvent(QCloseEvent* event) override;
};
