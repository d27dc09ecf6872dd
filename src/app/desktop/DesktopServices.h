#pragma once

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>

// What the window asks of the desktop, each with a way to tell whether it happened: opening a
// URL, showing written files in the file manager, a notification. On a desktop without a
// handler (no browser, no file manager, "Unable to detect a launcher") the caller says so itself.
// Threading: UI thread.
namespace DesktopServices {

// Opens the URL with the desktop's handler; false when none took it. Tests replace the opener.
bool openUrl(const QUrl &url);
void setUrlOpenerForTests(std::function<bool(const QUrl &)> opener);

// Shows these files selected in the file manager (the FileManager1 D-Bus interface, which
// Nautilus, Dolphin, Nemo, Caja and Thunar offer), else opens their folder. False when neither
// happened.
bool showFiles(const QStringList &files, const QString &folder);

// A desktop notification (the freedesktop Notifications interface); nothing where there is none.
void notify(const QString &summary, const QString &body);

} // namespace DesktopServices
