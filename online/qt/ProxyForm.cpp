#include "online/qt/ProxyForm.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QPushButton>
#include <QRadioButton>

#include "online/ProxySettings.h"
#include "platform/qt/QtGbk.h"

using platform::FromGbk;
using platform::ToGbk;

namespace {

constexpr char16_t kBackspace = 8;

// An edit that takes input is white; one that does not has the colour of a button face.
void SetEditEnabled(QLineEdit* edit, bool on) {
    edit->setEnabled(on);
    QPalette palette = edit->palette();
    palette.setColor(QPalette::Base, on ? QColor(Qt::white) : palette.color(QPalette::Button));
    edit->setPalette(palette);
}

std::string Bounded(const QLineEdit* edit) { return BoundProxyField(ToGbk(edit->text())); }

}  // namespace

TProxyForm::TProxyForm(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint),
      ProxyName(new QLineEdit(this)),
      Port(new QLineEdit(this)),
      User(new QLineEdit(this)),
      PassWord(new QLineEdit(this)),
      RadioButton1(new QRadioButton(FromGbk("Socks代理"), this)),
      RadioButton2(new QRadioButton(FromGbk("Http代理"), this)),
      CheckBox1(new QCheckBox(FromGbk("代理服务器需要身份验证"), this)),
      BitBtn1(new QPushButton(FromGbk("确定"), this)),
      BitBtn2(new QPushButton(FromGbk("取消"), this)),
      UseProxy(new QCheckBox(FromGbk("使用代理服务器进行网络联机"), this)) {
    setWindowTitle(FromGbk("代理服务器设置"));
    auto* grid = new QGridLayout(this);
    // A dialog border: the size its controls need, neither resized nor maximised, so a window
    // manager draws it no resize handle and its frame stays whole.
    grid->setSizeConstraint(QLayout::SetFixedSize);
    grid->addWidget(new QLabel(FromGbk("代理服务器设置,请向网络管理员咨询"), this), 0, 0, 1, 3);
    grid->addWidget(new QLabel(FromGbk("代理服务器名(Proxy)"), this), 1, 0);
    grid->addWidget(ProxyName, 1, 1, 1, 2);
    grid->addWidget(new QLabel(FromGbk("代理服务器端口号:"), this), 2, 0);
    grid->addWidget(Port, 2, 1);
    grid->addWidget(new QLabel(FromGbk("如1080,808等"), this), 2, 2);
    grid->addWidget(RadioButton1, 3, 0);
    grid->addWidget(RadioButton2, 3, 1);
    grid->addWidget(CheckBox1, 4, 0, 1, 3);
    grid->addWidget(new QLabel(FromGbk("用户名"), this), 5, 0);
    grid->addWidget(User, 5, 1, 1, 2);
    grid->addWidget(new QLabel(FromGbk("密码"), this), 6, 0);
    grid->addWidget(PassWord, 6, 1, 1, 2);
    grid->addWidget(UseProxy, 7, 0, 1, 3);
    grid->addWidget(BitBtn1, 8, 1);
    grid->addWidget(BitBtn2, 8, 2);
    PassWord->setEchoMode(QLineEdit::Password);
    RadioButton1->setChecked(true);
    BitBtn1->setDefault(true);
    Port->installEventFilter(this);
    connect(UseProxy, &QCheckBox::clicked, this, [this] { UseProxyClick(); });
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
}

void TProxyForm::UseProxyClick() {
    const bool on = UseProxy->isChecked();
    for (QLineEdit* edit : {ProxyName, Port, User, PassWord}) SetEditEnabled(edit, on);
    for (QWidget* w : {static_cast<QWidget*>(RadioButton1), static_cast<QWidget*>(RadioButton2),
                       static_cast<QWidget*>(CheckBox1)})
        w->setEnabled(on);
    if (on && !CheckBox1->isChecked()) {
        SetEditEnabled(User, false);
        SetEditEnabled(PassWord, false);
    }
}

void TProxyForm::CheckBox1Click() {
    const bool on = CheckBox1->isChecked();
    SetEditEnabled(User, on);
    SetEditEnabled(PassWord, on);
}

bool TProxyForm::PortKeyPress(QChar c) {
    return (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c.unicode() == kBackspace;
}

bool TProxyForm::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Port && event->type() == QEvent::KeyPress) {
        const QString text = static_cast<QKeyEvent*>(event)->text();
        if (!text.isEmpty() && !PortKeyPress(text.at(0))) return true;
    }
    return QDialog::eventFilter(watched, event);
}

void TProxyForm::Load(const ProxyFormFields& fields) {
    UseProxy->setChecked(true);
    UseProxyClick();
    for (QLineEdit* edit : {ProxyName, Port, User, PassWord}) SetEditEnabled(edit, true);
    RadioButton2->setChecked(fields.http);
    RadioButton1->setChecked(!fields.http);
    CheckBox1->setChecked(fields.auth);
    ProxyName->setText(FromGbk(fields.host));
    Port->setText(FromGbk(fields.port));
    User->setText(FromGbk(fields.user));
    PassWord->setText(FromGbk(fields.password));
    UseProxy->setChecked(fields.useProxy);
    UseProxyClick();
}

ProxyFormFields TProxyForm::Fields() const {
    ProxyFormFields fields;
    fields.useProxy = UseProxy->isChecked();
    fields.host = Bounded(ProxyName);
    fields.port = Bounded(Port);
    fields.http = !RadioButton1->isChecked();
    fields.auth = CheckBox1->isChecked();
    fields.user = Bounded(User);
    fields.password = Bounded(PassWord);
    return fields;
}
