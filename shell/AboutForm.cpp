#include "shell/AboutForm.h"

#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "shell/LinkLabel.h"
#include "shell/QtText.h"

QPixmap ProgramIcon() {
    QPixmap icon(32, 32);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(QColor(20, 80, 48), 1.5));
    painter.setBrush(QColor(246, 240, 222));
    painter.drawRoundedRect(QRectF(4.5, 1.5, 23, 29), 4, 4);
    painter.setPen(QColor(30, 120, 70));
    painter.setFont(ShellFont(18));
    painter.drawText(QRect(4, 1, 24, 30), Qt::AlignCenter, FromGbk("翠"));
    return icon;
}

TAboutForm::TAboutForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint) {
    setWindowTitle(FromGbk("关于翠岭"));
    setFont(ShellFont(12));
    setFixedSize(419, 89);
    auto* image = new QLabel(this);
    image->setGeometry(20, 23, 32, 32);
    image->setPixmap(ProgramIcon());
    NewLabel(this, 80, 16, "翠岭 v4.2");
    NewLabel(this, 80, 34, "澄枫游戏");
    NewLabel(this, 80, 59, "国标麻将与大众麻将，单机与网上对局。");
    auto* close = new QPushButton(FromGbk("关闭"), this);
    close->setGeometry(336, 20, 65, 20);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
}
