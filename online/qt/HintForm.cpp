#include "online/qt/HintForm.h"

#include <QGuiApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

#include <utility>

#include "platform/qt/QtGbk.h"

namespace {

// The window's picture: a dark green panel with a lighter rim.
QPixmap HintPicture() {
    QPixmap picture(THintForm::kWidth, THintForm::kHeight);
    QPainter painter(&picture);
    QLinearGradient fill(0, 0, 0, THintForm::kHeight);
    fill.setColorAt(0, QColor(40, 110, 70));
    fill.setColorAt(1, QColor(12, 48, 28));
    painter.fillRect(picture.rect(), fill);
    painter.setPen(QPen(QColor(150, 200, 160), 2));
    painter.drawRect(picture.rect().adjusted(1, 1, -1, -1));
    return picture;
}

}  // namespace

THintForm::THintForm(std::function<void()> closeMainWindow)
    : QWidget(nullptr, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool),
      Button1(new QPushButton(platform::FromGbk("取消"), this)),
      Image1(new QLabel(this)),
      Label1(new QLabel(platform::FromGbk("游戏服务器连接中"), this)),
      closeMainWindow_(std::move(closeMainWindow)) {
    setFixedSize(kWidth, kHeight);
    Image1->setGeometry(0, 0, kWidth, kHeight);
    Image1->setPixmap(HintPicture());
    Label1->setGeometry(0, 0, kWidth, kHeight);
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);
    Label1->setStyleSheet("color: white");
    Button1->hide();
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void THintForm::SetText(const std::string& gbkText) { Label1->setText(platform::FromGbk(gbkText)); }

void THintForm::ShowCentred() {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.x() + (area.width() - kWidth) / 2, area.y() + (area.height() - kHeight) / 2);
    }
    show();
}

void THintForm::Button1Click() {
    if (closeMainWindow_) closeMainWindow_();
}
