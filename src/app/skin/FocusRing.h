#pragma once

#include <QPointer>
#include <QWidget>

// The skin's focus ring: a rounded frame in the highlight colour drawn around the control that
// has the keyboard focus, over whatever the control paints itself, so every focusable control
// shows it the same way (sliders, popups, section headers, the grid, buttons). It shows when the
// focus came from the keyboard (Tab, Shift+Tab, a shortcut) and always on a text entry; a click
// that moves the focus hides it on other controls, as a click needs no ring to say where it went.
//
// A control may name another frame for its ring with the "focusRingRect" property (a QRect in its
// own coordinates), as a section's header button does for the whole header bar.
//
// One ring per top-level window, a child of that window laid over its content; the ring follows
// the control when it or an ancestor moves, resizes, shows or hides, and is clipped to the parts
// of the control its ancestors let show. UI thread only.
class FocusRing : public QWidget {
    Q_OBJECT
public:
    // Watches the application's focus from now on; once per application, later calls do nothing.
    static void install();
    // The ring of `window`, if its window ever had one.
    static FocusRing *of(const QWidget *window);

    // The control the ring is around, or null when it shows none.
    QWidget *target() const { return m_target; }
    // The frame it is drawn in, in its window's coordinates.
    QRect ringRect() const { return geometry(); }

    static constexpr int kWidth = 2;  // the ring's line
    static constexpr int kMargin = 2; // between the control's frame and the ring

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    explicit FocusRing(QWidget *window);
    void follow(QWidget *control);
    void place();
    friend class FocusRingWatcher;

    QPointer<QWidget> m_target;
};
