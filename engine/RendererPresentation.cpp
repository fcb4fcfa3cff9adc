#include "engine/RendererPresentation.h"

#include "engine/Mj.h"
#include "graphics/MjDraw.h"

void RendererPresentation::SetUpDisplay(CMj& table) {
    table_ = &table;
    draw_ = &table.renderer;
    draw_->InitWindowed();
}

void RendererPresentation::ShowBanner() {
    if (draw_) draw_->Banner();
}

void RendererPresentation::RenderFrame(const CMj&) {
    if (draw_) draw_->RenderFrame(table_, table_->stackheight);
}

void RendererPresentation::SetAnimKind(int kind) {
    if (draw_) draw_->SetAnimKind(static_cast<std::uint8_t>(kind));
}

void RendererPresentation::StartChipFlight(int fromSeat, int toSeat) {
    if (draw_) draw_->StartChipFlight(fromSeat, toSeat);
}

void RendererPresentation::StartDiscardFlight(int seat, DeskCell cell, const tagMj& tile) {
    if (draw_) draw_->StartDiscardFlight(seat, cell.a, cell.b, tile, table_->Player);
}

void RendererPresentation::StartClaimFlight(int claimer, int discarder, const tagMj& tile) {
    if (draw_) draw_->StartClaimFlight(claimer, discarder, tile);
}

void RendererPresentation::StartWallFlight(int stack, int seat) {
    if (draw_) draw_->StartWallFlight(stack, seat);
}

bool RendererPresentation::StepFlight(int speed) { return !draw_ || draw_->StepFlight(speed); }

void RendererPresentation::StartDiceThrow(int seat, int die1, int die2) {
    TablePresentation::StartDiceThrow(seat, die1, die2);
    if (draw_) draw_->StartDiceThrow(seat, die1, die2);
}

bool RendererPresentation::StepDiceThrow() {
    return draw_ ? draw_->StepDiceThrow() : TablePresentation::StepDiceThrow();
}

void RendererPresentation::SetDiceShown(bool shown) {
    if (draw_) draw_->SetDiceShown(shown ? 1 : 0);
}

void RendererPresentation::SetRevealHands(bool reveal) {
    if (draw_) draw_->SetRevealHands(reveal ? 1 : 0);
}

void RendererPresentation::ScrollDown() {
    if (draw_) draw_->ScrollDown();
}

void RendererPresentation::RunRipple() {
    if (draw_) draw_->RunRipple();
}

void RendererPresentation::LoadSeatAvatar(int seat, int picture) {
    if (draw_) draw_->LoadSeatAvatar(seat, picture);
}
