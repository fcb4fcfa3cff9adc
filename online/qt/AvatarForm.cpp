#include "online/qt/AvatarForm.h"

#include <QCheckBox>
#include <QEvent>
#include <QLabel>
#include <QListWidget>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>

#include <algorithm>

#include <gd.h>

#include "graphics/GifPicture.h"
#include "graphics/GraphicsGlobals.h"
#include "platform/Desktop.h"
#include "platform/Path.h"
#include "platform/qt/QtGbk.h"

TAvatarForm* AvatarForm = nullptr;

namespace {

constexpr int kPreviewWidth = 140;
constexpr int kPreviewHeight = 226;
// The list's click looks this far right of the mouse: over the item rather than its check box.
constexpr int kItemOffset = 15;

QString T(const char* gbk) { return platform::FromGbk(gbk); }

}  // namespace

bool LoadGifBitmap(const std::string& gbkPath, QImage* bitmap) {
    const std::string path = platform::FileExists(gbkPath) ? gbkPath : platform::ProgramPath(gbkPath);
    gdImagePtr image = GLoadGif(path);
    if (!image) return false;
    QImage picture(gdImageSX(image), gdImageSY(image), QImage::Format_RGB32);
    const int transparent = gdImageGetTransparent(image);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const int i = gdImagePalettePixel(image, x, y);
            picture.setPixel(x, y, i == transparent ? qRgb(255, 255, 255)
                                                    : qRgb(image->red[i], image->green[i], image->blue[i]));
        }
    gdImageDestroy(image);
    *bitmap = picture;
    return true;
}

TAvatarForm::TAvatarForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowCloseButtonHint),
      Label1(new QLabel(T("人物形象"), this)),
      BitBtn1(new QPushButton(T("保存"), this)),
      ListView1(new QListWidget(this)),
      Label2(new QLabel(T("头像选择"), this)),
      BitBtn2(new QPushButton(T("取消"), this)),
      CheckBox1(new QCheckBox(T("3D视角游戏模式头像显示 (进入游戏时候选择）"), this)),
      PaintBox1(new QLabel(this)),
      Label3(new QLabel(T("登录网站更换我的澄枫秀形象（2D模式下显示）"), this)),
      Label4(new QLabel(T("小提示：在进入游戏的时候您可以选择3D视角或者非3D视角模式，3D模式下，其他游戏玩家看到的是您的3D角色造型，非3D视角下，将显示您的澄枫秀"), this)) {
    setWindowTitle(T("游戏形象"));
    setFixedSize(kWidth, kHeight);
    Label1->setGeometry(12, 8, 140, 16);
    PaintBox1->setGeometry(12, 28, kPreviewWidth, kPreviewHeight);
    PaintBox1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label2->setGeometry(164, 8, 170, 16);
    ListView1->setGeometry(164, 28, 172, 226);
    ListView1->setViewMode(QListView::IconMode);
    ListView1->setIconSize(QSize(40, 56));
    ListView1->setMovement(QListView::Static);
    ListView1->setMouseTracking(true);
    ListView1->viewport()->installEventFilter(this);
    for (int i = 0; i < kAvatarPictures; ++i) {
        auto* item = new QListWidgetItem(ListView1);
        QImage figure;
        if (LoadGifBitmap(AvatarFigurePath(i + 1), &figure)) item->setIcon(QPixmap::fromImage(figure));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Unchecked);
    }
    CheckBox1->setGeometry(12, 262, 324, 20);
    CheckBox1->setChecked(true);
    Label3->setGeometry(12, 286, 324, 18);
    Label3->setCursor(Qt::PointingHandCursor);
    Label3->setStyleSheet("QLabel { color: blue } QLabel:hover { color: red }");
    Label3->installEventFilter(this);
    PaintBox1->installEventFilter(this);
    Label4->setGeometry(12, 308, 324, 64);
    Label4->setWordWrap(true);
    BitBtn1->setGeometry(150, 388, 86, 28);
    BitBtn2->setGeometry(250, 388, 86, 28);
    LoadGifBitmap("Graphic\\1.gif", &PreviewBitmap_);
    connect(BitBtn1, &QPushButton::clicked, this, [this] { BitBtn1Click(); });
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    connect(CheckBox1, &QCheckBox::clicked, this, [this] { CheckBox1Click(); });
    connect(ListView1, &QListWidget::itemClicked, this, [this] { ListView1Click(); });
    connect(ListView1, &QListWidget::currentItemChanged, this, [this] { ListView1SelectItem(); });
}

void TAvatarForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

bool TAvatarForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseMove && watched == ListView1->viewport())
        listMouse_ = static_cast<QMouseEvent*>(event)->pos();
    if (event->type() == QEvent::MouseButtonPress && watched == PaintBox1) PaintBox1MouseDown();
    if (event->type() == QEvent::MouseButtonPress && watched == Label3) Label3Click();
    return QDialog::eventFilter(watched, event);
}

void TAvatarForm::FormShow() {
    CheckBox1->setChecked(bNewStyle != 0);
    SetPreviewMode(!CheckBox1->isChecked());
    if (CheckBox1->isChecked())
        Show3D(user_.picture);
    else
        Show2D();
    CheckOnly(user_.picture - 1);
}

int TAvatarForm::FirstChecked() const {
    for (int i = 0; i < ListView1->count(); ++i)
        if (ListView1->item(i)->checkState() == Qt::Checked) return i;
    return -1;
}

void TAvatarForm::CheckOnly(int index) {
    for (int i = 0; i < ListView1->count(); ++i)
        ListView1->item(i)->setCheckState(i == index ? Qt::Checked : Qt::Unchecked);
}

void TAvatarForm::ListView1Click() {
    QListWidgetItem* item = ListView1->itemAt(listMouse_ + QPoint(kItemOffset, 0));
    if (!item) {
        if (QListWidgetItem* selected = ListView1->currentItem()) CheckOnly(ListView1->row(selected));
        return;
    }
    CheckOnly(ListView1->row(item));
    ListView1->setCurrentItem(item);
    if (CheckBox1->isChecked()) Show3D(ListView1->row(item) + 1);
}

void TAvatarForm::ListView1SelectItem() {
    if (CheckBox1->isChecked() && ListView1->currentItem()) Show3D(ListView1->currentRow() + 1);
}

void TAvatarForm::CheckBox1Click() {
    SetPreviewMode(!CheckBox1->isChecked());
    if (!CheckBox1->isChecked())
        Show2D();
    else if (FirstChecked() >= 0)
        Show3D(FirstChecked() + 1);
}

AvatarSave TAvatarForm::BitBtn1Click() { return SaveAvatarChoice(user_, std::max(FirstChecked(), 0)); }

void TAvatarForm::PaintBox1MouseDown() {
    if (!PaintBox1->toolTip().isEmpty()) platform::OpenUrl(kAvatarShowUrl);
}

void TAvatarForm::Label3Click() { platform::OpenUrl(kAvatarShowUrl); }

void TAvatarForm::SetPreviewMode(bool twoD) {
    PaintBox1->setCursor(twoD ? Qt::PointingHandCursor : Qt::ArrowCursor);
    PaintBox1->setToolTip(twoD ? T("点击进入网站更换澄枫秀") : QString());
}

void TAvatarForm::Show3D(int picture) {
    LoadGifBitmap(AvatarFigurePath(picture), &PreviewBitmap_);
    PaintBox1->setPixmap(QPixmap::fromImage(PreviewBitmap_));
}

void TAvatarForm::Show2D() {
    const std::string path = AvatarPortraitPath(user_);
    if (!path.empty()) LoadGifBitmap(path, &PreviewBitmap_);
    PaintBox1->setPixmap(QPixmap::fromImage(PreviewBitmap_));
}
