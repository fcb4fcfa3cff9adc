#include "online/qt/NetSetForm.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include "platform/qt/QtGbk.h"

namespace {

QCheckBox* Check(QWidget* parent, const char* gbk, int y) {
    auto* box = new QCheckBox(platform::FromGbk(gbk), parent);
    box->move(12, y);
    return box;
}

// Edit1 and Edit3 take digits and '-', Edit2 digits only; Backspace always works.
QLineEdit* NumberEdit(QWidget* parent, int x, int y, bool minus) {
    auto* edit = new QLineEdit(parent);
    edit->setGeometry(x, y, 50, 20);
    const QString pattern = minus ? QStringLiteral("[-0-9]*") : QStringLiteral("[0-9]*");
    edit->setValidator(new QRegularExpressionValidator(QRegularExpression(pattern), edit));
    return edit;
}

void Enable(QLineEdit* edit, bool on) {
    edit->setEnabled(on);
    edit->setStyleSheet(on ? "background: white" : "");
}

}  // namespace

TNetSetForm::TNetSetForm(QWidget* parent) : QDialog(parent) {
    setWindowTitle(platform::FromGbk("游戏设置"));
    setFixedSize(330, 220);
    auto* group = new QGroupBox(platform::FromGbk("同桌玩家限制"), this);
    group->setGeometry(8, 6, 314, 168);
    CheckBox1 = Check(group, "接受其他玩家的邀请", 22);
    CheckBox2 = Check(group, "不与IP地址前", 50);
    ComboBox1 = new QComboBox(group);
    ComboBox1->addItems({platform::FromGbk("四"), platform::FromGbk("三")});
    ComboBox1->setGeometry(120, 48, 50, 22);
    (new QLabel(platform::FromGbk("位相同的玩家游戏"), group))->move(176, 52);
    CheckBox3 = Check(group, "不与逃跑率大于         的玩家游戏", 78);
    Edit1 = NumberEdit(group, 130, 76, true);
    (new QLabel(platform::FromGbk("%的玩家游戏"), group))->move(186, 80);
    CheckBox4 = Check(group, "不与积分和自己相差", 106);
    Edit2 = NumberEdit(group, 150, 104, false);
    (new QLabel(platform::FromGbk("的玩家游戏"), group))->move(206, 108);
    CheckBox5 = Check(group, "不与积分低于", 134);
    Edit3 = NumberEdit(group, 150, 132, true);
    (new QLabel(platform::FromGbk("的玩家游戏"), group))->move(206, 136);
    auto* ok = new QPushButton(platform::FromGbk("确定"), this);
    ok->setGeometry(150, 184, 76, 28);
    ok->setDefault(true);
    auto* cancel = new QPushButton(platform::FromGbk("取消"), this);
    cancel->setGeometry(238, 184, 76, 28);
    QObject::connect(ok, &QPushButton::clicked, [this] { accept(); });
    QObject::connect(cancel, &QPushButton::clicked, [this] { reject(); });
    for (QCheckBox* box : {CheckBox2, CheckBox3, CheckBox4, CheckBox5})
        QObject::connect(box, &QCheckBox::toggled, [this] { CheckBoxClick(); });
    CheckBoxClick();
}

void TNetSetForm::CheckBoxClick() {
    ComboBox1->setEnabled(CheckBox2->isChecked());
    Enable(Edit1, CheckBox3->isChecked());
    Enable(Edit2, CheckBox4->isChecked());
    Enable(Edit3, CheckBox5->isChecked());
}

void TNetSetForm::Fill(const TablePrefsFields& f) {
    CheckBox1->setChecked(f.invite);
    CheckBox2->setChecked(f.sameAddress);
    ComboBox1->setCurrentIndex(f.addressItem);
    CheckBox3->setChecked(f.escape);
    Edit1->setText(platform::FromGbk(f.escapeText));
    CheckBox4->setChecked(f.limit1);
    Edit2->setText(platform::FromGbk(f.limit1Text));
    CheckBox5->setChecked(f.limit2);
    Edit3->setText(platform::FromGbk(f.limit2Text));
    CheckBoxClick();
}

TablePrefsFields TNetSetForm::Read() const {
    TablePrefsFields f;
    f.invite = CheckBox1->isChecked();
    f.sameAddress = CheckBox2->isChecked();
    f.addressItem = ComboBox1->currentIndex();
    f.escape = CheckBox3->isChecked();
    f.escapeText = platform::ToGbk(Edit1->text());
    f.limit1 = CheckBox4->isChecked();
    f.limit1Text = platform::ToGbk(Edit2->text());
    f.limit2 = CheckBox5->isChecked();
    f.limit2Text = platform::ToGbk(Edit3->text());
    return f;
}
