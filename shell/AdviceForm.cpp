#include "shell/AdviceForm.h"

#include <QCheckBox>
#include <QFrame>
#include <QImage>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QTextBrowser>

#include <memory>
#include <string>

#include "platform/Bmp.h"
#include "platform/Desktop.h"
#include "platform/Path.h"
#include "shell/Addresses.h"
#include "shell/LinkLabel.h"
#include "shell/QtText.h"
#include "shell/WebPane.h"

namespace {

constexpr const char* kAdvice[] = {
    "抵制不良游戏，拒绝盗版游戏；",
    "注意自我保护，谨防受骗上当；",
    "适度游戏益智，沉溺游戏伤身；",
    "合理安排时间，享受健康生活。",
};

// A panel at the notice's page place holding a browser pane that fills it.
QFrame* NewPagePanel(QWidget* parent, int x, QTextBrowser** pane) {
    auto* panel = new QFrame(parent);
    panel->setGeometry(x, 13, 305, 275);
    *pane = NewWebPane(panel, 0, 0, 305, 275);
    return panel;
}

// A preview of a table view: its background picture made small.  The pictures belong to the
// program folder; a missing one leaves the preview empty.
QLabel* NewPreview(QWidget* parent, const char* picture) {
    auto* image = new QLabel(parent);
    image->setGeometry(18, 302, 100, 75);
    const std::unique_ptr<platform::Surface> room =
        platform::LoadBmpFile(platform::ProgramPath(picture));
    if (room) {
        const QImage full(reinterpret_cast<const uchar*>(room->Pixels()), room->Width(),
                          room->Height(), room->Pitch(), QImage::Format_RGB16);
        image->setPixmap(QPixmap::fromImage(
            full.scaled(100, 75, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
    }
    return image;
}

QCheckBox* NewCheckBox(QWidget* parent, int y, const char* gbkText) {
    auto* box = new QCheckBox(FromGbk(gbkText), parent);
    box->setFont(ShellFont(12));
    box->move(155, y);
    box->adjustSize();
    return box;
}

}  // namespace

TAdviceForm::TAdviceForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                         Qt::WindowStaysOnTopHint) {
    setWindowTitle(FromGbk("澄枫翠岭 游戏公告"));
    setFont(ShellFont(12));
    setFixedSize(343, 418);
    for (int i = 0; i < 4; ++i) NewLabel(this, 40, 32 + 24 * i, kAdvice[i], 16);
    auto* bevel = new QFrame(this);
    bevel->setGeometry(24, 16, 249, 119);
    bevel->setFrameShape(QFrame::Box);
    bevel->setFrameShadow(QFrame::Sunken);

    Panel1 = NewPagePanel(this, 19, &CppWebBrowser1);
    Panel1->hide();
    Panel2 = NewPagePanel(this, 20, &CppWebBrowser2);
    Image1 = NewPreview(this, "Graphic\\NewStyle\\Room.bmp");
    Image2 = NewPreview(this, "Graphic\\Room.bmp");

    Label5 = new LinkLabel(this, 24, 392, std::string("每日精选小游戏免费玩 ") + kMiniGamesUrl);
    Label5->onClick = [this] { Label5Click(); };
    BitBtn1 = new QPushButton(FromGbk("进入"), this);
    BitBtn1->setGeometry(153, 354, 75, 25);
    BitBtn1->setDefault(true);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    CheckBox1 = NewCheckBox(this, 327, "以全屏幕方式进入游戏");
    CheckBox1->hide();
    CheckBox2 = NewCheckBox(this, 303, "以3D视角进入游戏");
    connect(CheckBox2, &QCheckBox::clicked, this, [this] { CheckBox2Click(); });
}

void TAdviceForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TAdviceForm::FormShow() {
    if (NavigatePane(*CppWebBrowser2, platform::ProgramPath("ad\\pop.htm")))
        FinishPage(*CppWebBrowser2, true);
    else
        CppWebBrowser2NavigateError();
    if (NavigatePane(*CppWebBrowser1, kNoticePageUrl)) {
        FinishPage(*CppWebBrowser1, false);
        CppWebBrowser1NavigateComplete2();
    } else {
        CppWebBrowser1NavigateError();
    }
}

void TAdviceForm::CppWebBrowser1NavigateComplete2() {
    if (!bRemoteOk) return;
    Panel2->hide();
    Panel1->show();
}

void TAdviceForm::CppWebBrowser1NavigateError() { bRemoteOk = false; }

void TAdviceForm::CppWebBrowser2NavigateError() { bRemoteOk = false; }

void TAdviceForm::CheckBox2Click() {
    Image1->setVisible(CheckBox2->isChecked());
    Image2->setVisible(!CheckBox2->isChecked());
}

void TAdviceForm::Label5Click() { platform::OpenUrl(kMiniGamesUrl); }
