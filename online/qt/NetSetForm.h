// The table-partner dialog "游戏设置": whom the user will not sit with.  The lobby fills it from
// its preferences, shows it modally and reads it back on OK.
#pragma once

#include <QDialog>

#include "online/NetRoom.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class TNetSetForm : public QDialog {
public:
    explicit TNetSetForm(QWidget* parent = nullptr);

    void Fill(const TablePrefsFields& fields);
    TablePrefsFields Read() const;
    // Each check box enables its control.
    void CheckBoxClick();

    QCheckBox* CheckBox1;
    QCheckBox* CheckBox2;
    QComboBox* ComboBox1;
    QCheckBox* CheckBox3;
    QLineEdit* Edit1;
    QCheckBox* CheckBox4;
    QLineEdit* Edit2;
    QCheckBox* CheckBox5;
    QLineEdit* Edit3;
};
