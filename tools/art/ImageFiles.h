// Writing finished pictures: Windows BMP (24 bits) and palette GIF.
#pragma once

#include <QImage>

#include <string>

namespace art {

// Writes a 24-bit bottom-up BMP; false when the file cannot be written.
bool WriteBmp24(const QImage& image, const std::string& path);
// Writes a palette GIF (up to 256 colours); pixels of the colour key become its transparent
// index.  False when the file cannot be written.
bool WriteGif(const QImage& image, const std::string& path);

}  // namespace art
