// The table shown through its own renderer (CMj::renderer): the display set up with every
// table picture, the logo, whole frames composed and presented, and the flights, dice and
// revealed hands kept where the composition draws them.  The program makes one before its table
// and hands it to the table; tests and benchmarks that draw nothing leave the table the
// headless TablePresentation instead.
#pragma once

#include "engine/TablePresentation.h"

class CMjDraw;

class RendererPresentation : public TablePresentation {
public:
    void SetUpDisplay(CMj& table) override;
    void ShowBanner() override;
    void RenderFrame(const CMj& table) override;

    void SetAnimKind(int kind) override;
    void StartChipFlight(int fromSeat, int toSeat) override;
    void StartDiscardFlight(int seat, DeskCell cell, const tagMj& tile) override;
    void StartClaimFlight(int claimer, int discarder, const tagMj& tile) override;
    void StartWallFlight(int stack, int seat) override;
    bool StepFlight(int speed) override;

    void StartDiceThrow(int seat, int die1, int die2) override;
    bool StepDiceThrow() override;
    void SetDiceShown(bool shown) override;
    void SetRevealHands(bool reveal) override;

    void ScrollDown() override;
    void RunRipple() override;
    void LoadSeatAvatar(int seat, int picture) override;

private:
    // Until the table has set up its display, nothing is drawn and every flight arrives at once.
    CMj* table_ = nullptr;
    CMjDraw* draw_ = nullptr;
};
