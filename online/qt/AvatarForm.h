// The avatar chooser: the twelve pictures other players see as the user's figure at the
// table, one checked; a preview of the chosen figure (3D mode) or of the user's own 2D
// picture; saving sends the choice to the game server (online/AvatarChoice.h).  The lobby sets
// the user's record before it shows the dialog.
#pragma once

#include <QDialog>
#include <QImage>

#include <string>

#include "online/AvatarChoice.h"

class QCheckBox;
class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;

// Decodes the GIF at a path (taken relative to the program folder when no file is there) into
// the image, each pixel its palette colour, the transparent index white.  False, with the
// image unchanged, when the file is no GIF.
bool LoadGifBitmap(const std::string& gbkPath, QImage* bitmap);

class TAvatarForm : public QDialog {
public:
    static constexpr int kWidth = 348;
    static constexpr int kHeight = 427;

    explicit TAvatarForm(QWidget* owner = nullptr);

    void SetUser(const AvatarUser& user) { user_ = user; }
    const QImage& PreviewBitmap() const { return PreviewBitmap_; }
    // The first checked item's index; -1 when none is checked.
    int FirstChecked() const;

    void FormShow();
    void ListView1Click();
    void ListView1SelectItem();
    void CheckBox1Click();
    AvatarSave BitBtn1Click();
    // The preview opens the avatar-show page only while it shows the 2D picture.
    void PaintBox1MouseDown();
    void Label3Click();

    QLabel* Label1;
    QPushButton* BitBtn1;
    QListWidget* ListView1;
    QLabel* Label2;
    QPushButton* BitBtn2;
    QCheckBox* CheckBox1;
    QLabel* PaintBox1;
    QLabel* Label3;
    QLabel* Label4;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CheckOnly(int index);
    void Show3D(int picture);
    void Show2D();
    void SetPreviewMode(bool twoD);

    AvatarUser user_;
    QImage PreviewBitmap_;
    QPoint listMouse_;
};

// The one chooser, made at start-up; null before and after.
extern TAvatarForm* AvatarForm;
