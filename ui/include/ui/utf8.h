// The game's texts are UTF-8; Qt wants QString.
#pragma once

#include <QString>

#include <string_view>

namespace veldamo::ui {

inline QString FromUtf8(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace veldamo::ui
