#include "settings/ShippedLogo.h"

QImage shippedLogo()
{
    QImage logo(QStringLiteral(":/pressmark/images/LogoW.svg"));
    return logo.convertToFormat(QImage::Format_ARGB32);
}
