// Fonts as the layout names them: a face and a character height in pixels.
// The layout's Japanese gothic face is drawn with IPAGothic, which has the
// same metrics (half-width characters half an em, full-width one em).
#pragma once

#include <QFont>
#include <QString>

namespace veldamo::ui {

inline constexpr char kGothicFace[] = "ＭＳ ゴシック";
inline constexpr char kGothicStandIn[] = "IPAGothic";

// Maps the layout's face names to the installed faces, whatever the locale.
void RegisterFontSubstitutes();

// A font of `face` whose characters are `pixel_height` pixels high.
QFont LayoutFont(const QString& face, int pixel_height, bool italic = false);

}  // namespace veldamo::ui
