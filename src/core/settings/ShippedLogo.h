#pragma once

#include <QImage>

// The shipped logo "LogoW": what the logo well holds on a first run, after a reset, and
// whenever the settings hold no logo of their own. The headless front end starts with it too.
QImage shippedLogo();
