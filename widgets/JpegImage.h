#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decodes JPEG data with libjpeg; a null image when the data is not a JPEG
// picture that libjpeg can read.
QImage decodeJpeg(const QByteArray& data);

// Reads and decodes a JPEG file, also one of the program's embedded resources
// (":/pictures/...").
QImage loadJpeg(const QString& path);
