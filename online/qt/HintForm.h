// The small window a command-line start shows while it connects: a 222 × 85 picture without a
// frame, always on top, centred on the desktop, with one line of white text.  Its cancel
// button stays hidden; pressing it would close the main window.
#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QLabel;
class QPushButton;

class THintForm : public QWidget {
public:
    static constexpr int kWidth = 222;
    static constexpr int kHeight = 85;

    explicit THintForm(std::function<void()> closeMainWindow = {});

    void SetText(const std::string& gbkText);
    // Centres the window on the primary screen and shows it.
    void ShowCentred();
    void Button1Click();

    QPushButton* Button1;
    QLabel* Image1;
    QLabel* Label1;

private:
    std::function<void()> closeMainWindow_;
};
