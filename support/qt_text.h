#pragma once
// The program keeps its texts as UTF-8 in std::string; Qt wants QString.
#include <QString>
#include <string_view>

namespace orbel {

inline QString ToQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace orbel
