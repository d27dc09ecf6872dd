#include "preview/OverlayWarning.h"

#include <QLocale>

OverlayWarning::OverlayWarning(QWidget *parent) : QLabel(parent)
{
    setObjectName(QStringLiteral("overlayWarning"));
    setWordWrap(true);
    setToolTip(tr("Under most of it the overlay differs from the picture by less than %1:1 in "
                  "contrast. Another colour, a higher opacity or another place makes it stand out.")
                   .arg(QLocale().toString(kFaintContrast)));
    hide();
}

QString OverlayWarning::sentence(const QList<OverlayKind> &faint)
{
    if (faint.isEmpty())
        return QString();
    if (faint.size() == 1) {
        switch (faint.first()) {
        case OverlayKind::Logo:
            return tr("The logo is hardly visible on this picture.");
        case OverlayKind::Watermark:
            return tr("The watermark is hardly visible on this picture.");
        case OverlayKind::CopyrightLines:
            return tr("The copyright lines are hardly visible on this picture.");
        }
    }
    QStringList names;
    for (const OverlayKind kind : faint)
        names << (kind == OverlayKind::Logo        ? tr("the logo")
                  : kind == OverlayKind::Watermark ? tr("the watermark")
                                                   : tr("the copyright lines"));
    const QString last = names.takeLast();
    QString all = tr("%1 and %2").arg(names.join(QStringLiteral(", ")), last);
    all[0] = all[0].toUpper();
    return tr("%1 are hardly visible on this picture.").arg(all);
}

void OverlayWarning::showFaint(const QList<OverlayKind> &faint)
{
    const QString text = sentence(faint);
    setText(text.isEmpty() ? QString() : tr("⚠ %1").arg(text));
    setVisible(!text.isEmpty());
}
