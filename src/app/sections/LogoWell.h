#pragma once

#include <QImage>
#include <QLabel>

class QMimeData;

// The logo well: shows the logo and takes a new one from a dropped file (the 16 picture
// extensions, first file only), from dropped picture data (PNG or TIFF), or from its chooser.
// Setting a logo emits logoSet; the logo section switches the option on from there.
class LogoWell : public QLabel {
    Q_OBJECT
public:
    explicit LogoWell(QWidget *parent = nullptr);

    // The logo the conversion stamps; null when the well holds none.
    QImage logo() const { return m_logo; }
    // Puts a logo in the well without emitting logoSet (loading settings, reset).
    void showLogo(const QImage &logo);
    // Handles a drop's content; false when nothing was set.
    bool acceptDrop(const QMimeData *data);
    // Opens the chooser ("Choose image").
    void chooseLogo();
    // Sets the logo from a file, as the chooser does once a file is picked.
    void setLogoFromFile(const QString &path);

Q_SIGNALS:
    void logoSet();

protected:
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void setLogo(const QImage &logo);
    void refreshPixmap();
    void showReadingError(const QString &path);

    QImage m_logo;
};
