#include "ui/fonts.h"

#include <QStringList>

namespace veldamo::ui {

void RegisterFontSubstitutes() {
  const QString face = QString::fromUtf8(kGothicFace);
  if (!QFont::substitutes(face).contains(QLatin1String(kGothicStandIn))) {
    QFont::insertSubstitution(face, QString::fromLatin1(kGothicStandIn));
  }
}

QFont LayoutFont(const QString& face, int pixel_height, bool italic) {
  RegisterFontSubstitutes();
  QFont font(face);
  font.setPixelSize(pixel_height);
  font.setItalic(italic);
  font.setStyleHint(QFont::TypeWriter);
  // Whole-pixel advances, as the layout's metrics assume.
  font.setHintingPreference(QFont::PreferFullHinting);
  return font;
}

}  // namespace veldamo::ui
