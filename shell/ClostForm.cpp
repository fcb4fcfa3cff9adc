#include "shell/ClostForm.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTextBrowser>
#include <QWindow>

#include "graphics/SurfaceHelpers.h"
#include "platform/Blit.h"
#include "platform/Path.h"
#include "shell/WebPane.h"
#include "shell/WindowRegion.h"

namespace {

struct ButtonPlace {
    const char* picture;
    int x;
    int y;
};
// OK, cancel, close, in array order.
constexpr ButtonPlace kButtons[] = {
    {"Res\\Button\\queding.bmp", 42, 376},
    {"Res\\Button\\quxiao.bmp", 250, 376},
    {"Res\\Button\\close.bmp", 305, 8},
};
constexpr int kOkButton = 0;

std::unique_ptr<platform::Surface> LoadProgramPicture(const std::string& relative) {
    return GLoadPicture(platform::ProgramPath(relative));
}

}  // namespace

TClostForm::TClostForm(QWidget* owner)
    : QDialog(owner, Qt::Dialog | Qt::FramelessWindowHint),
      BitBtn1(new QPushButton(this)),
      BitBtn2(new QPushButton(this)),
      CppWebBrowser1(NewWebPane(this, 16, 135, 298, 222)) {
    BitBtn1->hide();
    BitBtn2->hide();
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::accept);
    connect(BitBtn2, &QPushButton::clicked, this, &QDialog::reject);
    for (const ButtonPlace& b : kButtons) {
        Buttons.Add(platform::ProgramPath(b.picture), "");
        Buttons.SetPos(Buttons.Count() - 1, b.x, b.y);
    }
    FormBitmap = LoadProgramPicture("Res\\closeform.bmp");
    for (int i = 0; i < 4; ++i)
        CornerMasks[i] = LoadProgramPicture("Res\\mask_conner" + std::to_string(i + 1) + ".bmp");
    setMouseTracking(true);
    setFixedSize(kWidth, kHeight);
    BuildRegion();
}

TClostForm::~TClostForm() = default;

platform::Surface TClostForm::RegionMask() const {
    platform::Surface mask(width(), height());
    platform::ColorFill(&mask, nullptr, 0xFFFF);
    for (int i = 0; i < 4; ++i) {
        const platform::Surface* corner = CornerMasks[i].get();
        if (!corner) continue;
        const int x = i % 2 == 0 ? 0 : mask.Width() - corner->Width();
        const int y = i < 2 ? 0 : mask.Height() - corner->Height();
        platform::BltFast(&mask, x, y, corner, nullptr, platform::kBltFastWait);
    }
    return mask;
}

void TClostForm::BuildRegion() { CreateRegionFromBitmap(RegionMask(), this); }

platform::Surface TClostForm::Compose() const {
    platform::Surface canvas(width(), height());
    if (FormBitmap) platform::BltFast(&canvas, 0, 0, FormBitmap.get(), nullptr, platform::kBltFastWait);
    Buttons.DrawAll(canvas);
    return canvas;
}

void TClostForm::FormShow() {
    const bool loaded = NavigatePane(*CppWebBrowser1, platform::ProgramPath("ad\\closead.htm"));
    if (!RemotePage.empty()) NavigatePane(*CppWebBrowser1, RemotePage);
    if (loaded) FinishPage(*CppWebBrowser1, false);
}

void TClostForm::FormMouseDown(int x, int y) {
    if (Buttons.MouseDown(x, y) >= 0) {
        update();
        return;
    }
    // Off the buttons the window moves with the mouse, as a caption would.
    if (QWindow* window = windowHandle()) window->startSystemMove();
}

void TClostForm::FormMouseMove(int x, int y) {
    if (Buttons.MouseMove(x, y) >= 0) update();
}

void TClostForm::FormMouseUp(int x, int y) {
    const int clicked = Buttons.MouseUp(x, y);
    if (clicked >= 0) update();
    if (clicked == kOkButton)
        BitBtn1->click();
    else if (clicked > kOkButton)
        reject();
}

void TClostForm::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    FormShow();
}

void TClostForm::paintEvent(QPaintEvent*) {
    const platform::Surface canvas = Compose();
    QPainter painter(this);
    painter.drawImage(0, 0, QImage(reinterpret_cast<const uchar*>(canvas.Pixels()), canvas.Width(),
                                   canvas.Height(), canvas.Pitch(), QImage::Format_RGB16));
}

void TClostForm::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    BuildRegion();
}

void TClostForm::mousePressEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    FormMouseDown(p.x(), p.y());
}

void TClostForm::mouseMoveEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    FormMouseMove(p.x(), p.y());
}

void TClostForm::mouseReleaseEvent(QMouseEvent* event) {
    const QPoint p = event->position().toPoint();
    FormMouseUp(p.x(), p.y());
}
