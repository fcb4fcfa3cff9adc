// The options: four switches (animations, full screen, music, spoken calls) applied by OK, and
// two sliders (sound volume, play pace) that act at once while dragged.  The slider positions
// live in the dialog and reach SET.ini when it is deleted (`Volume` `Sound`, `Window`
// `Speed`).  Dialog id 2.
#pragma once

#include <cstdint>
#include <memory>
#include <string_view>

#include "ui/BitCheckBox.h"
#include "ui/BitForm.h"
#include "ui/DxTrackBar.h"

// Full-screen display wanted; the main window reads it from SET.ini at start.  The table
// always stays in its window, so nothing else changes it.
extern std::uint8_t bFullScreen;

class CSetForm : public CBitForm {
public:
    enum ButtonId : int { kOk = 0, kCancel = 1 };
    static constexpr int kSliderMax = 20;

    // The sound volume of a volume position, hundredths of a decibel: 0 at 20, -5000 at 0.
    static int VolumeFor(int position);
    // The claim timer's interval after each discard for a pace position: 50 ms at 20, 450 at 0.
    static int PaceFor(int position);

    // Positions from SET.ini (values 0..19 are taken, others leave 20), applied at once.
    CSetForm(std::string_view backgroundPath, CMj* owner);
    // Writes both positions to SET.ini.
    ~CSetForm() override;

    // The background blended at 240, the buttons, the boxes and the sliders.
    void Draw() override;
    void SetPos(int x, int y) override;
    // The boxes from the table's current options.
    void Show() override;
    int OnLButtonDown(int x, int y) override;
    int OnMouseMove(int x, int y) override;
    // OK applies the boxes, then both buttons close; slider changes stay either way.
    int OnLButtonUp(int x, int y) override;

    std::unique_ptr<CBitCheckBox> animateBox;
    std::unique_ptr<CBitCheckBox> fullScreenBox;
    std::unique_ptr<CBitCheckBox> musicBox;
    std::unique_ptr<CBitCheckBox> voiceBox;
    std::unique_ptr<CDxTrackBar> volumeSlider;
    std::unique_ptr<CDxTrackBar> speedSlider;

private:
    void ApplyVolume();
    void ApplyPace();
    void ApplyBoxes();
};
