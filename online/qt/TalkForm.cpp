#include "online/qt/TalkForm.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextEdit>

#include "online/GameMsgClient.h"
#include "online/Lobby.h"
#include "online/MainWindowNotices.h"
#include "platform/qt/QtGbk.h"

namespace {

constexpr std::size_t kTalkBytes = 100;

}  // namespace

TTalkForm::TTalkForm(const std::string& gbkPeer)
    : QWidget(nullptr, Qt::Window | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      Memo1(new QTextEdit(this)),
      Button1(new QPushButton(platform::FromGbk("发送"), this)),
      Button2(new QPushButton(platform::FromGbk("关闭"), this)),
      Memo2(new QPlainTextEdit(this)),
      Label1(new QLabel(this)),
      peer_(gbkPeer) {
    setWindowTitle(platform::FromGbk("与 " + gbkPeer + " 交谈中..."));
    setFixedSize(360, 300);
    Memo1->setGeometry(8, 8, 344, 190);
    Memo1->setReadOnly(true);
    Memo1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    Memo2->setGeometry(8, 206, 344, 50);
    Button1->setGeometry(200, 264, 70, 26);
    Button2->setGeometry(282, 264, 70, 26);
    Label1->setGeometry(8, 264, 180, 26);
    Memo2->installEventFilter(this);
    QObject::connect(Button1, &QPushButton::clicked, [this] { Button1Click(); });
    QObject::connect(Button2, &QPushButton::clicked, [this] { close(); });
}

void TTalkForm::AddLine(const std::string& gbkLine) { Memo1->append(platform::FromGbk(gbkLine)); }

// An empty input is refused with a system line; a longer text goes out cut to 100 bytes and
// shows whole.  A text that could not go out (the link is down) says so and stays in the input.
void TTalkForm::Button1Click() {
    const std::string text = platform::ToGbk(Memo2->toPlainText());
    if (text.empty()) {
        AddLine("[系统消息] 请不要发送空消息");
        AddLine("");
    } else if (!SendLobbyRecord(Encode(CsTalk{peer_, text.substr(0, kTalkBytes)}))) {
        AddLine(kTalkNotSentLine);
        AddLine("");
        Memo2->setFocus();
        return;
    } else {
        AddLine("[我说]: " + text);
        AddLine(" ");
    }
    Memo2->clear();
    Memo2->setFocus();
}

void TTalkForm::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Memo2->setFocus();
}

void TTalkForm::closeEvent(QCloseEvent* event) {
    PostNoticeText(WM_TALKCLOSED, peer_);
    event->accept();
}

// Enter sends; at 100 characters only Enter and keys that change nothing pass.
bool TTalkForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched != Memo2 || event->type() != QEvent::KeyPress) return QWidget::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        Button1Click();
        return true;
    }
    const bool full = Memo2->toPlainText().size() >= kMaxInput;
    return full && (!key->text().isEmpty() || key->key() == Qt::Key_Backspace);
}
