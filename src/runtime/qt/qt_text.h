// The program's UTF-8 text, as the layout tables hold it, for Qt.
#pragma once

#include <QString>
#include <string_view>

namespace quantaro {

inline QString qtText(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace quantaro
