#pragma once

#include <QString>
#include <string_view>

namespace controls {

// The program's texts travel as UTF-8 outside the Qt layer.
inline QString ToQString(std::string_view utf8Text) {
    return QString::fromUtf8(utf8Text.data(), static_cast<qsizetype>(utf8Text.size()));
}

}  // namespace controls
