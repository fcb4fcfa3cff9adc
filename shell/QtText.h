// Texts of the ordinary windows: the program's GBK texts as Qt strings and back, and the font.
#pragma once

#include <QFont>
#include <QString>

#include <string>
#include <string_view>

#include "platform/Gbk.h"

inline QString FromGbk(std::string_view gbk) {
    return QString::fromStdString(platform::GbkToUtf8(gbk));
}

inline std::string ToGbk(const QString& text) { return platform::Utf8ToGbk(text.toStdString()); }

// The windows' font, "宋体" as this system has it, `pixels` high.
inline QFont ShellFont(int pixels) {
    QFont font;
    font.setFamilies({QStringLiteral("AR PL UMing CN"), QStringLiteral("WenQuanYi Zen Hei Sharp")});
    font.setPixelSize(pixels);
    return font;
}
