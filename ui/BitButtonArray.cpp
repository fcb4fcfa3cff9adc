#include "ui/BitButtonArray.h"

void CBitButtonArray::Add(std::string_view bitmapPath, std::string_view caption) {
    if (count >= kMaxButtons) return;
    auto button = std::make_unique<CBitButton>(bitmapPath);
    button->SetPos(0, 0);
    button->SetCaption(caption);
    buttons_[count++] = std::move(button);
}

void CBitButtonArray::SetPos(int index, int x, int y) {
    if (CBitButton* button = GetButton(index)) button->SetPos(x, y);
}

CBitButton* CBitButtonArray::GetButton(int index) const {
    return index >= 0 && index < count ? buttons_[index].get() : nullptr;
}

void CBitButtonArray::DrawAll() {
    for (int i = 0; i < count; ++i) buttons_[i]->Draw();
}

int CBitButtonArray::MouseDown(int x, int y) {
    for (int i = 0; i < count; ++i) buttons_[i]->pressed = 0;
    for (int i = 0; i < count; ++i)
        if (buttons_[i]->MouseDown(x, y)) return i;
    return -1;
}

int CBitButtonArray::MouseMove(int x, int y) {
    for (int i = 0; i < count; ++i)
        if (buttons_[i]->MouseMove(x, y)) return i;
    return -1;
}

void CBitButtonArray::ClearHover() {
    for (int i = 0; i < count; ++i) buttons_[i]->hover = 0;
}

int CBitButtonArray::MouseUp(int x, int y) {
    int clicked = -1;
    for (int i = 0; i < count; ++i)
        if (buttons_[i]->MouseUp(x, y)) clicked = i;
    return clicked;
}
