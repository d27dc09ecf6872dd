#include "sections/OverlayClashNote.h"

#include "options/ConversionOptions.h"

OverlayClashNote::OverlayClashNote(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("overlayClashNote"));
    setWordWrap(true);
    setContentsMargins(14, 4, 14, 4);
    QPalette colours = palette();
    colours.setColor(QPalette::WindowText, QColor(0x9a, 0x3b, 0x12)); // an amber warning on the light panel
    setPalette(colours);
    hide();
}

QString OverlayClashNote::textFor(const ConversionOptions &options)
{
    if (!options.logo.active() || !options.watermark.active() ||
        options.logo.position != options.watermark.position)
        return QString();
    switch (options.logo.position) {
    case Placement::TopLeft:
        return tr("The logo and the watermark share the top-left corner, where they overlap.");
    case Placement::TopRight:
        return tr("The logo and the watermark share the top-right corner, where they overlap.");
    case Placement::BottomLeft:
        return tr("The logo and the watermark share the bottom-left corner, where they overlap.");
    case Placement::BottomRight:
        return tr("The logo and the watermark share the bottom-right corner, where they overlap.");
    case Placement::Center:
        return tr("The logo and the watermark are both centred, where they overlap.");
    case Placement::CenterTop:
    case Placement::CenterBottom:
        break; // watermark places only
    }
    return QString();
}

void OverlayClashNote::showFor(const ConversionOptions &options)
{
    const QString text = textFor(options);
    setText(text);
    setVisible(!text.isEmpty());
}
