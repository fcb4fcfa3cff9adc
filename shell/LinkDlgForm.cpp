#include "shell/LinkDlgForm.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QStyle>

#include "platform/Desktop.h"
#include "shell/LinkLabel.h"
#include "shell/QtText.h"

TLinkDlgForm::TLinkDlgForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowCloseButtonHint) {
    setWindowTitle(FromGbk("翠岭"));
    setFont(ShellFont(12));
    setFixedSize(279, 100);
    setMouseTracking(true);
    auto* image = new QLabel(this);
    image->setGeometry(8, 16, 32, 32);
    image->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    Label1 = new QLabel(this);
    Label1->setGeometry(64, 8, 201, 25);
    Label1->setWordWrap(true);
    Label2 = new LinkLabel(this, 64, 40, "");
    Label2->onClick = [this] { Label2Click(); };
    Label2->onMouseMove = [this] { Label2MouseMove(); };
    auto* ok = new QPushButton(FromGbk("确定"), this);
    ok->setGeometry(88, 64, 100, 25);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
}

void TLinkDlgForm::SetNotice(const std::string& text, const std::string& caption,
                             const std::string& url) {
    Label1->setText(FromGbk(text));
    Label2->setText(FromGbk(caption));
    Label2->adjustSize();
    Url = url;
}

void TLinkDlgForm::Label2Click() { platform::OpenUrl(Url); }

void TLinkDlgForm::Label2MouseMove() { Label2->SetColour(LinkLabel::kRed); }

void TLinkDlgForm::FormMouseMove() { Label2->SetColour(LinkLabel::kBlue); }

// Moves over the text arrive here too: the text takes none of its own.
void TLinkDlgForm::mouseMoveEvent(QMouseEvent*) { FormMouseMove(); }
