#pragma once

#include "overlay/OverlayContrast.h"

#include <QLabel>
#include <QList>

// One line under a preview naming the overlays that hardly stand out from the picture under
// them (OverlayContrast::hardlyVisible()), "The watermark is hardly visible on this picture.";
// hidden while every overlay stands out. UI thread only.
class OverlayWarning : public QLabel {
    Q_OBJECT
public:
    explicit OverlayWarning(QWidget *parent = nullptr);

    // Shows the warning for these overlays, or hides it when there are none.
    void showFaint(const QList<OverlayKind> &faint);

    // The sentence for these overlays; empty for none.
    static QString sentence(const QList<OverlayKind> &faint);
};
