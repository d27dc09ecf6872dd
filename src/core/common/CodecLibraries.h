#pragma once

#include <QList>
#include <QString>

#include <functional>

// Sets the image libraries up once for the whole process: Qt's image allocation limit raised to
// cover the largest picture at 64 bits per pixel, exiv2's XMP toolkit initialised for use from
// several threads, and library messages routed into our logging instead of stderr.
// Safe to call from any thread, any number of times.
void initializeCodecLibraries();

struct Exiv2Message {
    bool error; // else a warning
    QString text;
};

// Runs `work` and returns what exiv2 reported meanwhile on this thread: exiv2 passes over the
// parts of a file it cannot read and says so only in its log. Exceptions pass through.
QList<Exiv2Message> exiv2MessagesDuring(const std::function<void()> &work);
