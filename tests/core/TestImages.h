#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <QStringList>

#include "settings/AppSettings.h"

// Helpers the tests share: synthetic pictures, fixture files written by routes independent of
// the code under test, and independent readers of written files.
namespace TestImages {

// A picture whose four quadrants have distinct colours (red top left, green top right, blue
// bottom left, yellow bottom right) and whose every pixel differs from its neighbours in the
// low bits, so any permutation error shows.
QImage quadrants(int width, int height, QImage::Format format = QImage::Format_RGB32);

// Fine texture, hard edges and smooth ramps in colour, so a pixel filtered or decoded
// differently shows.
QImage detailed(int width, int height);

// Writes through Qt's own image writers (not the core's encoders).
void writeWithQt(const QImage &image, const QString &path, const char *format, int quality = -1);

// A JPEG written with libjpeg directly: CMYK samples (Adobe-inverted when `adobe`) of one
// flat colour, optionally with an ICC profile.
void writeCmykJpeg(const QString &path, int width, int height, const uchar cmyk[4], bool adobe,
                   const QByteArray &icc = QByteArray());

// A minimal DNG written with libtiff: the picture (as stored) linearised and sampled through an
// RGGB colour filter, 16 bits a sample, a camera whose colours are linear sRGB, neutral white
// balance, the given EXIF orientation and artist.
void writeDng(const QString &path, const QImage &picture, int orientation, const QString &artist);

// Bytes written as hexadecimal digits, spaces between groups for the reader: hexBytes("ff00 7f").
QByteArray hexBytes(const char *digits);
// Colours written as hexadecimal #AARRGGBB words, as QRgb prints: argbWords("ffff0000 8000ff00").
QList<QRgb> argbWords(const char *words);

// Whole-file helpers.
void writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

// Keeps a fixture as a fuzzing seed when PRESSMARK_FUZZ_SEEDS names a folder.
void saveFuzzSeed(const QString &kind, const QByteArray &bytes);

// A tiny PNG whose header claims the given size: a decompression bomb.
QByteArray pngClaiming(quint32 width, quint32 height);

// Sets EXIF tags with exiv2, e.g. {"Exif.Image.Orientation", "6"}.
void setExif(const QString &path, const QList<QPair<QString, QString>> &tags);
void setXmp(const QString &path, const QList<QPair<QString, QString>> &tags);
void setIptc(const QString &path, const QList<QPair<QString, QString>> &tags);
void setIcc(const QString &path, const QByteArray &icc);

// Runs a program and returns its standard output (standard error appended on failure).
QString run(const QString &program, const QStringList &arguments, int *exitCode = nullptr);
// One value as ImageMagick's identify prints it with -format, e.g. "%w %h %x".
QString identify(const QString &path, const QString &format);
// One tag's value as the exiv2 tool prints it (-Pv), empty when absent.
QString exiv2Value(const QString &path, const QString &key);

// Peak signal-to-noise ratio of two pictures of the same size over their colour channels, in
// dB; infinity when they are equal.
double psnr(const QImage &a, const QImage &b);

// Compares two pictures channel by channel within a tolerance; on failure the message names
// the first differing pixel and both colours.
bool fuzzyEqual(const QImage &actual, const QImage &expected, int tolerance, QString *message);

// An sRGB profile, a gray one and a wide-gamut one, made by LittleCMS.
QByteArray srgbProfile();
QByteArray grayProfile();
// Adobe RGB (1998), wider than sRGB in the greens.
QByteArray adobeRgbProfile();

// Every option row of `start` set away from its shipped default (and within its range), so a
// lost or swapped key shows.
AppSettings unusualSettings(AppSettings start = AppSettings());

} // namespace TestImages

#define PM_COMPARE_IMAGES(actual, expected, tolerance)                                                       \
    do {                                                                                                     \
        QString pmMessage;                                                                                   \
        if (!TestImages::fuzzyEqual((actual), (expected), (tolerance), &pmMessage))                          \
            QFAIL(qPrintable(pmMessage));                                                                    \
    } while (false)
