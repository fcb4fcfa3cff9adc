// A private talk window: the conversation with one partner, an input of at most 100
// characters, send and close.  Each is a top-level window of its own; closing it tells the main
// window (WM_TALKCLOSED with the partner's name), which deletes it.
#pragma once

#include <QWidget>

#include <string>

// The line a text that could not be sent leaves in the conversation.
inline constexpr char kTalkNotSentLine[] = "[系统消息] 与服务器的连接已断开，消息未发送";

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTextEdit;

class TTalkForm : public QWidget {
public:
    static constexpr int kMaxInput = 100;

    explicit TTalkForm(const std::string& gbkPeer);

    // Adds a line to the conversation (GBK).
    void AddLine(const std::string& gbkLine);
    void Button1Click();
    const std::string& PeerName() const { return peer_; }

    QTextEdit* Memo1;
    QPushButton* Button1;
    QPushButton* Button2;
    QPlainTextEdit* Memo2;
    QLabel* Label1;

protected:
    void closeEvent(QCloseEvent* event) override;
    // Each activation puts the keyboard in the input line.
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::string peer_;
};
