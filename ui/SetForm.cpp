#include "ui/SetForm.h"

#include <string>

#include "engine/Mj.h"
#include "graphics/AlphaBlend.h"
#include "graphics/DxSound.h"
#include "platform/Ini.h"
#include "platform/Path.h"
#include "ui/Dialogs.h"

std::uint8_t bFullScreen = 0;

namespace {

constexpr int kOpacity = 240;

std::string SettingsPath() { return platform::ProgramPath("SET.ini"); }

// A stored position counts only inside 0..19; anything else (20 included) leaves 20.
int StoredPosition(const char* section, const char* key) {
    const int value = platform::ReadProfileInt(section, key, CSetForm::kSliderMax, SettingsPath());
    return value >= 0 && value < CSetForm::kSliderMax ? value : CSetForm::kSliderMax;
}

}  // namespace

int CSetForm::VolumeFor(int position) { return 5000 / kSliderMax * position - 5000; }

int CSetForm::PaceFor(int position) { return (kSliderMax - position) * 20 + 50; }

CSetForm::CSetForm(std::string_view backgroundPath, CMj* ownerTable)
    : CBitForm(backgroundPath, ownerTable) {
    auto box = [] {
        return std::make_unique<CBitCheckBox>("Graphic\\OptionForm\\checkbox1.bmp",
                                              "Graphic\\OptionForm\\checkbox2.bmp");
    };
    animateBox = box();
    fullScreenBox = box();
    musicBox = box();
    voiceBox = box();
    volumeSlider = std::make_unique<CDxTrackBar>("Graphic\\OptionForm\\key.bmp");
    speedSlider = std::make_unique<CDxTrackBar>("Graphic\\OptionForm\\key.bmp");
    buttons.Add("Graphic\\OptionForm\\Restart.bmp", "");
    buttons.Add("Graphic\\OptionForm\\Exit.bmp", "");
    SetPosCentred();
    volumeSlider->value = StoredPosition("Volume", "Sound");
    speedSlider->value = StoredPosition("Window", "Speed");
    ApplyVolume();
    ApplyPace();
}

CSetForm::~CSetForm() {
    platform::WriteProfileString("Volume", "Sound", std::to_string(volumeSlider->value),
                                 SettingsPath());
    platform::WriteProfileString("Window", "Speed", std::to_string(speedSlider->value),
                                 SettingsPath());
}

void CSetForm::SetPos(int newX, int newY) {
    CBitForm::SetPos(newX, newY);
    buttons.SetPos(kOk, newX + 35, newY + 213);
    buttons.SetPos(kCancel, newX + 154, newY + 213);
    animateBox->SetPos(newX + 87, newY + 131);
    voiceBox->SetPos(newX + 213, newY + 131);
    musicBox->SetPos(newX + 87, newY + 179);
    fullScreenBox->SetPos(newX + 213, newY + 179);
    volumeSlider->SetGeometry(newX + 35, newX + 130, newY + 99);
    speedSlider->SetGeometry(newX + 155, newX + 250, newY + 99);
}

void CSetForm::Draw() {
    GAlphaBlt(background, x, y, 0, 0, backgroundRect.right, backgroundRect.bottom, kOpacity);
    buttons.DrawAll();
    for (CBitCheckBox* box :
         {animateBox.get(), fullScreenBox.get(), musicBox.get(), voiceBox.get()})
        box->Draw();
    volumeSlider->Draw();
    speedSlider->Draw();
}

void CSetForm::Show() {
    if (owner) {
        animateBox->checked = owner->GetAnimate() != 0;
        musicBox->checked = owner->GetMusic() != 0;
        voiceBox->checked = owner->voiceon != 0;
    }
    fullScreenBox->checked = bFullScreen != 0;
    nActiveForm = kSetFormId;
    Redraw();
}

int CSetForm::OnLButtonDown(int px, int py) {
    volumeSlider->MouseDown(px, py);
    speedSlider->MouseDown(px, py);
    const int index = PressButtons(px, py);
    bool toggled = false;
    for (CBitCheckBox* box :
         {animateBox.get(), fullScreenBox.get(), musicBox.get(), voiceBox.get()})
        toggled = box->Click(px, py) || toggled;
    if (toggled) Redraw();
    return index;
}

int CSetForm::OnMouseMove(int px, int py) {
    const int index = buttons.MouseMove(px, py);
    const bool volumeMoved = volumeSlider->MouseMove(px, py);
    const bool paceMoved = speedSlider->MouseMove(px, py);
    if (volumeMoved) ApplyVolume();
    if (paceMoved) ApplyPace();
    if (index >= 0 || volumeMoved || paceMoved) Redraw();
    return index;
}

int CSetForm::OnLButtonUp(int px, int py) {
    volumeSlider->MouseUp();
    speedSlider->MouseUp();
    const int index = buttons.MouseUp(px, py);
    if (index == kOk) ApplyBoxes();
    if (index == kOk || index == kCancel) Close();
    return index;
}

void CSetForm::ApplyVolume() {
    if (pDxSound) pDxSound->SetVolume(VolumeFor(volumeSlider->value));
}

void CSetForm::ApplyPace() {
    if (owner) owner->claimdelay = PaceFor(speedSlider->value);
}

// The music starts or stops at once; the display stays in its window whatever the box says.
void CSetForm::ApplyBoxes() {
    if (!owner) return;
    owner->SetAnimate(animateBox->checked);
    owner->SetMusic(musicBox->checked);
    owner->voiceon = voiceBox->checked;
    if (pDxSound) pDxSound->bVoicesOn = voiceBox->checked;
    if (fullScreenBox->checked != bFullScreen) owner->ChangeDisplayMode();
}
