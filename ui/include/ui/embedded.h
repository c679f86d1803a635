// The resources built into the program (the picture, the cursor, the icon)
// and their conversion to what Qt shows. Everything here takes bytes, so
// damaged resources can be tried without touching the embedded ones.
#pragma once

#include <QByteArray>
#include <QCursor>
#include <QIcon>
#include <QImage>

#include <cstdint>
#include <optional>
#include <span>

#include "picture/images.h"

namespace veldamo::ui {

struct ResourceBytes {
  QByteArray picture;  // panda.bmp
  QByteArray cursor;   // mycsr.cur
  QByteArray icon;     // mainicon.ico
};

// The copies built into the program.
ResourceBytes EmbeddedResources();

std::span<const std::uint8_t> AsBytes(const QByteArray& bytes);

// A decoded 32 x 32 image as a Qt image.
QImage ToQImage(const picture::Image32& image);

// The custom cursor, or nothing if the bytes do not decode.
std::optional<QCursor> CursorFromBytes(const QByteArray& bytes);

// The program icon, or a null icon if the bytes do not decode.
QIcon IconFromBytes(const QByteArray& bytes);

}  // namespace veldamo::ui
