#include "MainWindow.h"
#include "TestImages.h"
#include "sections/OptionsPanel.h"
#include "sections/SectionPanel.h"
#include "settings/SettingsStore.h"

#include <QAbstractButton>
#include <QAbstractSlider>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QLineEdit>
#include <QScrollBar>
#include <QtTest>

#include <functional>

// What a screen reader meets in the window: every control it can operate has a name.
class TestAccessibility : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void everyControlIsNamed();
    void titleBarButtonsAreOperable();

private:
    QTemporaryDir m_dir;
};

namespace {

bool interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::Slider:
    case QAccessible::SpinBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
        return true;
    default:
        return false;
    }
}

// Walks the accessible tree from the window down, listing interactive objects without a name.
void collectUnnamed(QAccessibleInterface *node, QStringList &unnamed, QSet<QObject *> &seen, int depth = 0)
{
    if (!node || depth > 64)
        return;
    if (QObject *object = node->object()) {
        if (seen.contains(object))
            return;
        seen.insert(object);
    }
    if (interactive(node->role()) && node->text(QAccessible::Name).trimmed().isEmpty()) {
        QObject *object = node->object();
        unnamed << QStringLiteral("%1 (%2, role %3)")
                       .arg(object ? object->objectName() : QString(),
                            object ? QString::fromLatin1(object->metaObject()->className()) : QString())
                       .arg(int(node->role()));
    }
    for (int i = 0; i < node->childCount(); ++i)
        collectUnnamed(node->child(i), unnamed, seen, depth + 1);
}

} // namespace

void TestAccessibility::initTestCase()
{
    TestImages::writeWithQt(TestImages::quadrants(60, 40), m_dir.filePath("a.jpg"), "jpeg", 90);
}

void TestAccessibility::everyControlIsNamed()
{
    MainWindow window;
    SettingsStore store(m_dir.filePath("settings/pressmark.conf"));
    window.useSettings(&store);
    window.openFiles({m_dir.filePath("a.jpg")});
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    SectionPanel *panel = window.options()->sections();
    panel->setAnimated(false);
    // Each section open in turn: a closed section's controls are not in the tree.
    const QList<std::function<void()>> toggles = {
        [panel] { panel->toggleTitleSection(); }, [panel] { panel->toggleLogoSection(); },
        [panel] { panel->toggleWatermarkSection(); }, [panel] { panel->toggleCopyrightSection(); }};
    QStringList unnamed;
    int controls = 0;
    for (const auto &toggle : toggles) {
        panel->collapseAll();
        toggle();
        QCoreApplication::processEvents();
        QSet<QObject *> seen;
        collectUnnamed(QAccessible::queryAccessibleInterface(&window), unnamed, seen);
        controls += int(seen.size());
    }
    // Widgets the tree may not reach (inside scroll areas, hidden parts) are checked directly too.
    for (QWidget *widget : window.findChildren<QWidget *>()) {
        // Scroll bars are the scroll areas' own, read by their orientation.
        if (qobject_cast<QScrollBar *>(widget))
            continue;
        if (!qobject_cast<QAbstractButton *>(widget) && !qobject_cast<QAbstractSlider *>(widget) &&
            !qobject_cast<QAbstractSpinBox *>(widget) && !qobject_cast<QComboBox *>(widget) &&
            !qobject_cast<QLineEdit *>(widget))
            continue;
        // Parts of a composite control (a spin box's line edit, a combo box's) speak through it.
        if (qobject_cast<QLineEdit *>(widget) && (qobject_cast<QAbstractSpinBox *>(widget->parentWidget()) ||
                                                  qobject_cast<QComboBox *>(widget->parentWidget())))
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(widget);
        if (node && node->text(QAccessible::Name).trimmed().isEmpty())
            unnamed << QStringLiteral("%1 (%2)").arg(widget->objectName(),
                                                     QString::fromLatin1(widget->metaObject()->className()));
    }
    unnamed.removeDuplicates();
    QVERIFY(controls > 40);
    QVERIFY2(unnamed.isEmpty(), qPrintable(unnamed.join(QStringLiteral("\n"))));
}

void TestAccessibility::titleBarButtonsAreOperable()
{
    // The title bar's buttons stay out of the Tab path; a screen reader presses them by their action.
    MainWindow window;
    SettingsStore store(m_dir.filePath("settings/pressmark.conf"));
    window.useSettings(&store);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QStringList names;
    for (QAbstractButton *button : window.findChildren<QAbstractButton *>()) {
        if (!button->objectName().startsWith(QLatin1String("titleBar")))
            continue;
        QAccessibleInterface *node = QAccessible::queryAccessibleInterface(button);
        QVERIFY(node);
        QAccessibleActionInterface *actions = node->actionInterface();
        QVERIFY2(actions && actions->actionNames().contains(QAccessibleActionInterface::pressAction()),
                 qPrintable(button->objectName()));
        names << node->text(QAccessible::Name);
    }
    QVERIFY2(names.size() >= 3, qPrintable(names.join(QLatin1Char(','))));
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
