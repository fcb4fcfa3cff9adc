// The about box: the program's icon, name and version, and "关闭".
#pragma once

#include <QDialog>

class TAboutForm : public QDialog {
public:
    explicit TAboutForm(QWidget* owner);
};

// The program's icon, 32 × 32: a tile with the program's first character.
QPixmap ProgramIcon();
