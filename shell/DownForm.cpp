#include "shell/DownForm.h"

#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>

#include "shell/QtText.h"

TDownForm::TDownForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowStaysOnTopHint) {
    setWindowTitle(FromGbk("游戏下载"));
    setFont(ShellFont(12));
    setFixedSize(241, 102);
    Label1 = new QLabel(FromGbk("正在获取文件信息"), this);
    Label1->setGeometry(16, 16, 209, 17);
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setGeometry(16, 40, 209, 17);
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setTextVisible(false);
    Button1 = new QPushButton(FromGbk("取消"), this);
    Button1->setGeometry(72, 72, 97, 25);
    connect(Button1, &QPushButton::clicked, this, [this] { Button1Click(); });
}

void TDownForm::SetLabel(const std::string& gbkText) { Label1->setText(FromGbk(gbkText)); }

void TDownForm::SetProgress(int percent) { ProgressBar1->setValue(percent); }

void TDownForm::Button1Click() {
    bCancelled = true;
    if (abortTransfer) abortTransfer();
    close();
}

void TDownForm::Finish() {
    bCancelled = true;
    close();
}

void TDownForm::reject() {
    if (bCancelled) QDialog::reject();
}

void TDownForm::closeEvent(QCloseEvent* event) {
    if (bCancelled)
        QDialog::closeEvent(event);
    else
        event->ignore();
}
