#include "shell/GDIButtonArray.h"

#include <utility>

void CGDIButtonArray::Add(std::string_view path, std::string caption) {
    if (Count() >= kMaxButtons) return;
    buttons_.push_back(std::make_unique<CGDIButton>(path));
    buttons_.back()->SetText(std::move(caption));
}

void CGDIButtonArray::SetPos(int index, int x, int y) {
    if (index >= 0 && index < Count()) buttons_[index]->SetPos(x, y);
}

void CGDIButtonArray::DrawAll(platform::Surface& canvas) const {
    for (const auto& button : buttons_) button->Draw(canvas);
}

int CGDIButtonArray::MouseDown(int x, int y) {
    for (int i = 0; i < Count(); ++i)
        if (buttons_[i]->MouseDown(x, y)) return i;
    return -1;
}

int CGDIButtonArray::MouseMove(int x, int y) {
    for (int i = 0; i < Count(); ++i)
        if (buttons_[i]->MouseMove(x, y)) return i;
    return -1;
}

int CGDIButtonArray::MouseUp(int x, int y) {
    int clicked = -1;
    for (int i = 0; i < Count(); ++i)
        if (buttons_[i]->MouseUp(x, y)) clicked = i;
    return clicked;
}
