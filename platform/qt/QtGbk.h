// The program's GBK texts and Qt's strings: widget texts go in and come out through these.
#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace platform {

QString FromGbk(std::string_view gbk);
std::string ToGbk(const QString& text);

}  // namespace platform
