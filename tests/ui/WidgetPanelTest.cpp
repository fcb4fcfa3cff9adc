// A panel of every widget in its states, drawn from the program folder's pictures and written
// as a PNG for a person to look at: buttons (normal, hovered with its hint, pressed, disabled,
// translucent), check boxes, edits (GBK text with the caret, a long scrolled text, a password),
// both sliders, the link labels, and two chat windows on different pages.
#include <gtest/gtest.h>

#include <string>

#include "tests/support/PngWriter.h"
#include "WidgetTestSupport.h"
#include "graphics/SurfaceHelpers.h"
#include "ui/BitButtonArray.h"
#include "ui/BitCheckBox.h"
#include "ui/DxChatWnd.h"
#include "ui/DxEdit.h"
#include "ui/DxGameChatWnd.h"
#include "ui/DxLabel.h"
#include "ui/DxLinkLabel.h"
#include "ui/DxTrackBar.h"
#include "ui/DxTrackBar2.h"
#include "ui/WidgetDraw.h"

using namespace ui_test;

namespace {

void Label(int x, int y, const std::string& text, std::uint32_t color = 0xFFFFFF) {
    CDxLabel label;
    label.SetRect(x, y, 400, 16);
    label.text = text;
    label.textColor = color;
    label.Draw();
}

void Type(CDxEdit& edit, const std::string& bytes) {
    edit.focus = 1;
    for (char c : bytes) edit.OnChar(static_cast<unsigned char>(c));
}

template <typename Window>
void AddLines(Window& window, int n, const char* prefix) {
    const std::uint32_t colors[] = {0xFFFFFF, 0x00FFFF, 0x80FF80};
    for (int i = 0; i < n; ++i) {
        const std::string text = prefix + std::to_string(i + 1);
        window.AddText(text.data(), static_cast<int>(text.size()), colors[i % 3]);
    }
}

class WidgetPanelTest : public WidgetTest {};

TEST_F(WidgetPanelTest, WritesAPanelOfEveryWidget) {
    // Buttons in each state: a plain face with a caption, and a face with its own lettering.
    CBitButtonArray buttons;
    const char* states[] = {"普通", "悬停", "按下", "禁用", "半透明"};
    for (int i = 0; i < 5; ++i) {
        buttons.Add("IDB_BUTTON", "发送");
        buttons.SetPos(2 * i, 20 + i * 80, 40);
        buttons.Add("Graphic\\ChatWnd\\send.bmp", "");
        buttons.SetPos(2 * i + 1, 20 + i * 80, 70);
        Label(20 + i * 80, 98, states[i]);
    }
    for (int i = 0; i < buttons.count; ++i) {
        CBitButton* b = buttons.GetButton(i);
        const int state = i / 2;
        if (i % 2 == 0) b->hint = "发送聊天";  // shown above the hovered plain buttons
        if (state == 1 || state == 2) b->MouseMove(b->x + 10, b->y + 10);
        if (state == 2) b->MouseDown(b->x + 10, b->y + 10);
        b->enabled = state != 3;
        b->translucent = state == 4;
    }
    buttons.DrawAll();

    // Edits: GBK text with the caret, a long text scrolled to its end, a password.
    CDxEdit name("Graphic\\input.bmp");
    name.SetPos(20, 130);
    Type(name, "玩家甲 abc 中文");
    CDxEdit chat("Graphic\\input.bmp");
    chat.SetPos(20, 165);
    Type(chat, "这是一条很长的聊天消息，超过输入框的宽度以后开头被裁掉 end");
    chat.caretOn = 0;
    CDxEdit secret("Graphic\\input.bmp");
    secret.SetPos(20, 200);
    secret.password = 1;
    Type(secret, "密码pw");
    secret.focus = 0;
    for (CDxEdit* edit : {&name, &chat, &secret}) edit->Draw();
    Label(330, 135, "焦点+光标");
    Label(330, 170, "长文本");
    Label(330, 205, "密码");

    // The options dialog's background with two check boxes and the volume slider.
    platform::Surface* options = nullptr;
    platform::Rect optionsRect;
    GLoadBitmap("Graphic\\OptionForm\\background.bmp", &options, &optionsRect, kNoRegister);
    DrawOpaque(options, optionsRect, 480, 10);
    CBitCheckBox wild("Graphic\\OptionForm\\checkbox1.bmp", "Graphic\\OptionForm\\checkbox2.bmp");
    wild.SetPos(500, 60);
    wild.caption = "财神规则";
    CBitCheckBox official("Graphic\\OptionForm\\checkbox1.bmp",
                          "Graphic\\OptionForm\\checkbox2.bmp");
    official.SetPos(500, 90);
    official.caption = "官方规则";
    official.checked = 0;
    wild.Draw();
    official.Draw();
    CDxTrackBar volume("Graphic\\OptionForm\\key.bmp");
    volume.SetGeometry(500, 760, 150);
    volume.value = 12;
    volume.Draw();
    Label(500, 180, "音量 12/20", 0x000000);
    GReleaseSurface(&options);

    // The scroll bar at position 5 of 16.
    CDxTrackBar2 scroll("Graphic\\NetForm\\bar.bmp", "Graphic\\NetForm\\up.bmp",
                        "Graphic\\NetForm\\down.bmp");
    scroll.SetRange(741, 400, 540);
    scroll.buttons.SetPos(CDxTrackBar2::kUpArrow, 740, 384);
    scroll.buttons.SetPos(CDxTrackBar2::kDownArrow, 740, 540);
    scroll.position = 5;
    scroll.Draw();

    // The table chat window on its first page with a hovered line, the lobby's on its second.
    CDxGameChatWnd phrases;
    phrases.SetRect(15, 300, 255, 430);
    phrases.visible = 1;
    phrases.enabled = 1;
    AddLines(phrases, 12, "快点吧，我等得花儿都谢了 ");
    phrases.currentPage = 0;
    phrases.MouseMove(100, 300 + 2 * 16 + 5);
    phrases.Draw(180);
    CDxChatWnd room;
    room.SetRect(300, 300, 540, 430);
    room.visible = 1;
    AddLines(room, 7, "玩家乙：大家好，欢迎来到翠岭 ");
    const std::string wrapped = "系统：这是一条较长的消息，会在窗口的宽度处折行，显示在第二页上";
    room.AddText(wrapped.data(), static_cast<int>(wrapped.size()), 0x00FFFF);
    room.Draw(200);
    Label(15, 450, "聊天窗口：第1页(悬停行高亮)");
    Label(300, 450, "大厅聊天：第2页");

    // Link labels, the second hovered.
    CDxLinkLabel home, games;
    home.Set(265, 572, "访问翠岭网站", "http://example.com/");
    games.Set(485, 572, "每日精选小游戏,免费玩", "http://example.com/games");
    games.MouseMove(500, 575);
    home.Draw();
    games.Draw();

    ASSERT_EQ(phrases.pages.count, 2);
    ASSERT_EQ(room.pages.count, 2);
    EXPECT_EQ(room.currentPage, 1);
    EXPECT_EQ(Pixel(250, 300 + 2 * 16 + 1), 0x00FF);

    const std::string path = std::string(MJ_TEST_OUT_DIR) + "/widget_panel.png";
    ASSERT_TRUE(testsupport::WritePng(frame, path));
}

}  // namespace
