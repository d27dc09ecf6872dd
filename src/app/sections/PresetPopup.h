#pragma once

#include "settings/AppSettings.h"

#include <QWidget>

#include <functional>
#include <memory>

class PresetStore;
class QAction;
class QComboBox;
class QLabel;
class QToolButton;
struct Preset;

// The preset popup at the top of the options panel: the saved presets by name, and beside it a
// menu of Save As…, Rename…, Delete, Export… and Import…. Choosing a preset applies it to every
// option control at once; any change of the options afterwards shows it as edited
// (an "edited" mark beside its name); choosing it again applies it again. What a preset held that this
// version does not know is said in a note under the popup. Questions are window-modal dialogs; tests answer
// them through setQuestions(). Threading: UI thread only.
class PresetPopup : public QWidget {
    Q_OBJECT
public:
    // The questions the actions ask; an empty answer cancels.
    struct Questions {
        std::function<QString(const QString &title, const QString &label, const QString &suggested)> name;
        std::function<bool(const QString &question, const QString &detail, const QString &action)> confirm;
        std::function<QString(const QString &suggested)> exportPath;
        std::function<QString()> importPath;
        std::function<void(const QString &what, const QString &why)> tell; // something failed
    };

    explicit PresetPopup(QWidget *parent = nullptr);
    ~PresetPopup() override;

    // Where presets are kept; until then the popup is disabled.
    void setStore(std::unique_ptr<PresetStore> store);
    // How the options are read from the controls and a preset put into them.
    void setOptions(std::function<AppSettings()> current, std::function<void(const Preset &)> apply);
    void setQuestions(const Questions &questions);

    QComboBox *popup() const { return m_popup; }
    QToolButton *menuButton() const { return m_menuButton; }
    QLabel *note() const { return m_note; }
    QLabel *editedMark() const { return m_editedMark; }
    QAction *saveAsAction() const { return m_saveAs; }
    QAction *renameAction() const { return m_rename; }
    QAction *deleteAction() const { return m_delete; }
    QAction *exportAction() const { return m_export; }
    QAction *importAction() const { return m_import; }

    // The preset chosen last (empty for none), and whether the options changed since.
    QString chosenName() const { return m_chosen; }
    bool isEdited() const { return m_edited; }
    // After settings are loaded: the preset they were saved with, as it was then.
    void restore(const QString &name, bool edited);
    // Reads the presets' names again.
    void refresh();
    // Compares the options with the chosen preset's (call when they changed).
    void optionsChanged();

    void choose(const QString &name);
    void saveAs();
    void renameChosen();
    void deleteChosen();
    void exportOptions();
    void importFile();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Saves under a name the user gives, asking before a preset of that name is replaced; the
    // name saved, or empty.
    QString saveNamed(const QString &title, const QString &label, const QString &suggested,
                      const AppSettings &values);
    void setChosen(const QString &name, const AppSettings &baseline, bool edited);
    void showChosen();
    void showNotes(const QString &name, const QStringList &notes);

    std::unique_ptr<PresetStore> m_store;
    std::function<AppSettings()> m_current;
    std::function<void(const Preset &)> m_apply;
    Questions m_questions;
    QComboBox *m_popup;
    QToolButton *m_menuButton;
    QLabel *m_note;
    QLabel *m_editedMark;
    QAction *m_saveAs;
    QAction *m_rename;
    QAction *m_delete;
    QAction *m_export;
    QAction *m_import;
    QString m_chosen;
    AppSettings m_baseline; // the options as the chosen preset left them
    bool m_edited = false;
};
