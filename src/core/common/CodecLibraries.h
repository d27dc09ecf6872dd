#pragma once

// Sets the image libraries up once for the whole process: Qt's image allocation limit raised to
// cover the largest picture at 64 bits per pixel, exiv2's XMP toolkit initialised for use from
// several threads, and library messages routed into our logging instead of stderr.
// Safe to call from any thread, any number of times.
void initializeCodecLibraries();
