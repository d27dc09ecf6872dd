#pragma once

#include <QLabel>

struct ConversionOptions;

// A note under the option sections when the logo and the watermark are both on and placed at
// the same position, where they would overlap ("The logo and the watermark share the
// bottom-right corner"); hidden otherwise. Neither overlay is moved: the note leaves the choice
// to the user.
// Threading: UI thread only.
class OverlayClashNote : public QLabel {
    Q_OBJECT
public:
    explicit OverlayClashNote(QWidget *parent = nullptr);

    // Shows or hides the note for these options.
    void showFor(const ConversionOptions &options);
    // The note's text for these options; empty when the overlays do not share a place.
    static QString textFor(const ConversionOptions &options);
};
