#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <optional>

// The largest picture we agree to decode, in either direction. Checked from the header, before
// any pixel memory is allocated.
inline constexpr int MaxPictureSide = 4096;

// Decodes JPEG bytes with TurboJPEG into a Format_RGB32 image. Throws Error naming `fileName`
// and the problem.
QImage decodeJpeg(const QByteArray &bytes, const QString &fileName);

// Decodes BMP bytes with QImage into a Format_RGB32 image. Throws Error naming `fileName` and the
// problem.
QImage decodeBmp(const QByteArray &bytes, const QString &fileName);

// Loads a picture file: JPEG for ".jpg"/".jpeg", BMP for ".bmp". The result is Format_RGB32.
// A missing or undecodable file throws Error naming the file and the problem.
QImage loadPictureFile(const QString &path);

// The same for a picture that may be left out: nothing when the path names nothing (or a link
// that leads nowhere); anything else there that is not a readable picture throws as above.
std::optional<QImage> loadPictureFileIfPresent(const QString &path);

// Has Qt's image reader load its format plugins now, on the calling thread: the first BMP read
// loads them all otherwise (about a millisecond), and a start reads its arrows' bitmaps on the way
// to its first frame.
void loadPictureReaders();
