#include "sections/PresetPopup.h"

#include "settings/PresetStore.h"
#include "skin/SkinnedControls.h"

#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The real dialogs, each modal to the window only.
PresetPopup::Questions dialogs(QWidget *owner)
{
    PresetPopup::Questions questions;
    questions.name = [owner](const QString &title, const QString &label, const QString &suggested) {
        QInputDialog dialog(owner->window());
        dialog.setWindowTitle(title);
        dialog.setLabelText(label);
        dialog.setTextValue(suggested);
        // Room for a name and the title (the dialog sizes itself to its field).
        if (auto *field = dialog.findChild<QLineEdit *>())
            field->setMinimumWidth(320);
        dialog.setWindowModality(Qt::WindowModal);
        return dialog.exec() == QDialog::Accepted ? dialog.textValue() : QString();
    };
    questions.confirm = [owner](const QString &question, const QString &detail, const QString &action) {
        QMessageBox ask(QMessageBox::Question, PresetPopup::tr("Presets"), question, QMessageBox::Cancel,
                        owner->window());
        ask.setInformativeText(detail);
        QPushButton *yes = ask.addButton(action, QMessageBox::DestructiveRole);
        ask.setDefaultButton(QMessageBox::Cancel);
        ask.setWindowModality(Qt::WindowModal);
        ask.exec();
        return ask.clickedButton() == yes;
    };
    const auto fileDialog = [owner](const QString &title, QFileDialog::AcceptMode mode) {
        auto *dialog = new QFileDialog(owner->window(), title, QDir::homePath());
        dialog->setOption(QFileDialog::DontUseNativeDialog);
        dialog->setAcceptMode(mode);
        dialog->setNameFilters({PresetPopup::tr("Presets (*.ini)"), PresetPopup::tr("All files (*)")});
        dialog->setWindowModality(Qt::WindowModal);
        return dialog;
    };
    questions.exportPath = [fileDialog](const QString &suggested) {
        std::unique_ptr<QFileDialog> dialog(
            fileDialog(PresetPopup::tr("Export Preset"), QFileDialog::AcceptSave));
        dialog->setDefaultSuffix(QStringLiteral("ini"));
        dialog->selectFile(suggested);
        return dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()
                   ? dialog->selectedFiles().constFirst()
                   : QString();
    };
    questions.importPath = [fileDialog] {
        std::unique_ptr<QFileDialog> dialog(
            fileDialog(PresetPopup::tr("Import Preset"), QFileDialog::AcceptOpen));
        dialog->setFileMode(QFileDialog::ExistingFile);
        return dialog->exec() == QDialog::Accepted && !dialog->selectedFiles().isEmpty()
                   ? dialog->selectedFiles().constFirst()
                   : QString();
    };
    questions.tell = [owner](const QString &what, const QString &why) {
        QMessageBox box(QMessageBox::Warning, PresetPopup::tr("Presets"), what, QMessageBox::Ok,
                        owner->window());
        box.setInformativeText(why);
        box.setWindowModality(Qt::WindowModal);
        box.exec();
    };
    return questions;
}

} // namespace

PresetPopup::PresetPopup(QWidget *parent)
    : QWidget(parent), m_popup(new SkinnedPopUp(SkinnedPopUp::Bezel::Fonts, this)),
      m_menuButton(new QToolButton(this)), m_note(new QLabel(this)),
      m_editedMark(new QLabel(tr("edited"), this))
{
    m_popup->setObjectName(QStringLiteral("presetPopup"));
    m_popup->setPlaceholderText(tr("No preset"));
    m_popup->setToolTip(tr("Choose a preset to put its options into every control at once"));
    m_popup->installEventFilter(this);
    m_popup->setAccessibleName(tr("Preset"));
    m_menuButton->setObjectName(QStringLiteral("presetMenu"));
    m_menuButton->setText(tr("Presets"));
    m_menuButton->setPopupMode(QToolButton::InstantPopup);
    auto *menu = new QMenu(m_menuButton);
    m_saveAs = menu->addAction(tr("Save As\u2026"), this, &PresetPopup::saveAs);
    m_rename = menu->addAction(tr("Rename\u2026"), this, &PresetPopup::renameChosen);
    m_delete = menu->addAction(tr("Delete"), this, &PresetPopup::deleteChosen);
    menu->addSeparator();
    m_export = menu->addAction(tr("Export\u2026"), this, &PresetPopup::exportOptions);
    m_import = menu->addAction(tr("Import\u2026"), this, &PresetPopup::importFile);
    m_menuButton->setMenu(menu);
    m_note->setObjectName(QStringLiteral("presetNote"));
    m_note->setWordWrap(true);
    m_note->hide();
    QFont small = m_note->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    m_note->setFont(small);
    // Beside the name: the options changed since the preset was chosen.
    m_editedMark->setObjectName(QStringLiteral("presetEdited"));
    small.setItalic(true);
    m_editedMark->setFont(small);
    m_editedMark->setForegroundRole(QPalette::PlaceholderText);
    m_editedMark->setToolTip(tr("The options were changed since the preset was chosen; choose it again to "
                                "put its options back"));
    m_editedMark->hide();

    auto *line = new QHBoxLayout;
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(m_popup);
    line->addWidget(m_editedMark);
    line->addStretch(1);
    line->addWidget(m_menuButton);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(line);
    layout->addWidget(m_note);

    m_questions = dialogs(this);
    connect(m_popup, &QComboBox::activated, this,
            [this](int index) { choose(m_popup->itemData(index).toString()); });
    setEnabled(false);
    showChosen();
}

PresetPopup::~PresetPopup() = default;

void PresetPopup::setStore(std::unique_ptr<PresetStore> store)
{
    m_store = std::move(store);
    setEnabled(m_store != nullptr);
    refresh();
}

void PresetPopup::setOptions(std::function<AppSettings()> current, std::function<void(const Preset &)> apply)
{
    m_current = std::move(current);
    m_apply = std::move(apply);
}

void PresetPopup::setQuestions(const Questions &questions)
{
    m_questions = questions;
}

bool PresetPopup::eventFilter(QObject *watched, QEvent *event)
{
    // Presets saved elsewhere meanwhile (pressmark-cli) show when the popup opens.
    if (watched == m_popup &&
        (event->type() == QEvent::MouseButtonPress || event->type() == QEvent::KeyPress))
        refresh();
    return QWidget::eventFilter(watched, event);
}

void PresetPopup::refresh()
{
    QStringList names;
    if (m_store) {
        const Result<QStringList> listed = m_store->names();
        if (listed.ok())
            names = listed.value();
    }
    QStringList shown;
    for (int i = 0; i < m_popup->count(); ++i)
        shown << m_popup->itemData(i).toString();
    if (shown != names) {
        const QSignalBlocker quiet(m_popup);
        m_popup->clear();
        for (const QString &name : names)
            m_popup->addItem(name, name);
    }
    showChosen();
}

void PresetPopup::showChosen()
{
    const QSignalBlocker quiet(m_popup);
    const int index = m_chosen.isEmpty() ? -1 : m_popup->findData(m_chosen);
    m_popup->setCurrentIndex(index);
    m_editedMark->setVisible(index >= 0 && m_edited);
    m_popup->setToolTip(index < 0  ? tr("Choose a preset to put its options into every control at once")
                        : m_edited ? tr("The preset \u201c%1\u201d, its options changed since").arg(m_chosen)
                                   : tr("The preset \u201c%1\u201d").arg(m_chosen));
    m_rename->setEnabled(!m_chosen.isEmpty());
    m_delete->setEnabled(!m_chosen.isEmpty());
    m_popup->update();
}

void PresetPopup::showNotes(const QString &name, const QStringList &notes)
{
    m_note->setText(notes.isEmpty() ? QString() : tr("%1: %2").arg(name, notes.join(QStringLiteral("; "))));
    m_note->setVisible(!notes.isEmpty());
}

void PresetPopup::setChosen(const QString &name, const AppSettings &baseline, bool edited)
{
    m_chosen = name;
    m_baseline = baseline;
    m_edited = edited;
    refresh();
}

void PresetPopup::restore(const QString &name, bool edited)
{
    showNotes(QString(), {});
    if (name.isEmpty() || !m_store || !m_current || !m_store->contains(name)) {
        setChosen(QString(), AppSettings(), false);
        return;
    }
    const AppSettings current = m_current();
    if (!edited) {
        setChosen(name, current, false);
        return;
    }
    // Edited since: what choosing it again would give is the baseline.
    const Result<Preset> preset = m_store->load(name);
    const AppSettings baseline = preset.ok() ? preset.value().appliedTo(current) : current;
    setChosen(name, baseline, !preset.ok() || !sameOptions(current, baseline));
}

void PresetPopup::optionsChanged()
{
    if (m_chosen.isEmpty() || !m_current)
        return;
    const bool edited = !sameOptions(m_current(), m_baseline);
    if (edited != m_edited) {
        m_edited = edited;
        showChosen();
    }
}

void PresetPopup::choose(const QString &name)
{
    if (!m_store || !m_apply || name.isEmpty())
        return;
    const Result<Preset> preset = m_store->load(name);
    if (!preset.ok()) {
        m_questions.tell(tr("The preset \u201c%1\u201d cannot be used.").arg(name), preset.failure().detail);
        refresh();
        return;
    }
    m_apply(preset.value());
    setChosen(name, m_current(), false);
    showNotes(name, preset.value().notes());
}

QString PresetPopup::saveNamed(const QString &title, const QString &label, const QString &suggested,
                               const AppSettings &values)
{
    const QString typed = m_questions.name(title, label, suggested);
    if (typed.isEmpty())
        return QString();
    const Result<QString> name = PresetStore::checkedName(typed);
    if (!name.ok()) {
        m_questions.tell(tr("A preset cannot be named \u201c%1\u201d.").arg(typed), name.failure().detail);
        return QString();
    }
    PresetStore::Replace replace = PresetStore::Replace::No;
    if (m_store->contains(name.value())) {
        if (!m_questions.confirm(tr("Replace the preset \u201c%1\u201d?").arg(name.value()),
                                 tr("A preset of that name exists. Its options are replaced by these."),
                                 tr("Replace")))
            return QString();
        replace = PresetStore::Replace::Yes;
    }
    const Failure failure = m_store->save(name.value(), values, replace);
    if (failure.failed()) {
        m_questions.tell(tr("The preset \u201c%1\u201d was not saved.").arg(name.value()), failure.detail);
        return QString();
    }
    return name.value();
}

void PresetPopup::saveAs()
{
    if (!m_store || !m_current)
        return;
    const AppSettings current = m_current();
    const QString name =
        saveNamed(tr("Save Preset"), tr("Save the options as the preset:"), m_chosen, current);
    if (name.isEmpty())
        return;
    showNotes(QString(), {});
    setChosen(name, current, false);
}

void PresetPopup::renameChosen()
{
    if (!m_store || m_chosen.isEmpty())
        return;
    const QString typed =
        m_questions.name(tr("Rename Preset"), tr("New name of \u201c%1\u201d:").arg(m_chosen), m_chosen);
    if (typed.isEmpty())
        return;
    const Result<QString> name = PresetStore::checkedName(typed);
    if (!name.ok()) {
        m_questions.tell(tr("A preset cannot be named \u201c%1\u201d.").arg(typed), name.failure().detail);
        return;
    }
    if (name.value() == m_chosen)
        return;
    PresetStore::Replace replace = PresetStore::Replace::No;
    if (m_store->contains(name.value())) {
        if (!m_questions.confirm(
                tr("Replace the preset \u201c%1\u201d?").arg(name.value()),
                tr("A preset of that name exists. It is replaced by \u201c%1\u201d.").arg(m_chosen),
                tr("Replace")))
            return;
        replace = PresetStore::Replace::Yes;
    }
    const Failure failure = m_store->rename(m_chosen, name.value(), replace);
    if (failure.failed()) {
        m_questions.tell(tr("The preset \u201c%1\u201d was not renamed.").arg(m_chosen), failure.detail);
        refresh();
        return;
    }
    setChosen(name.value(), m_baseline, m_edited);
}

void PresetPopup::deleteChosen()
{
    if (!m_store || m_chosen.isEmpty())
        return;
    if (!m_questions.confirm(tr("Delete the preset \u201c%1\u201d?").arg(m_chosen),
                             tr("The options in the controls stay as they are."), tr("Delete")))
        return;
    const Failure failure = m_store->remove(m_chosen);
    if (failure.failed() && failure.reason != FailureReason::Missing) {
        m_questions.tell(tr("The preset \u201c%1\u201d was not deleted.").arg(m_chosen), failure.detail);
        return;
    }
    showNotes(QString(), {});
    setChosen(QString(), AppSettings(), false);
}

void PresetPopup::exportOptions()
{
    if (!m_current)
        return;
    // The preset's name as a file's: no folder, not hidden.
    QString stem = QString(m_chosen).replace(QLatin1Char('/'), QLatin1Char('-'));
    while (stem.startsWith(QLatin1Char('.')))
        stem.remove(0, 1);
    const QString suggested = (stem.isEmpty() ? tr("Pressmark preset") : stem) + QStringLiteral(".ini");
    const QString path = m_questions.exportPath(suggested);
    if (path.isEmpty())
        return;
    const Failure failure = PresetStore::writeFile(path, m_current());
    if (failure.failed())
        m_questions.tell(tr("The options were not exported."), failure.detail);
}

void PresetPopup::importFile()
{
    if (!m_store || !m_current || !m_apply)
        return;
    const QString path = m_questions.importPath();
    if (path.isEmpty())
        return;
    const Result<Preset> preset = PresetStore::readFile(path);
    if (!preset.ok()) {
        m_questions.tell(tr("The file cannot be imported."), preset.failure().detail);
        return;
    }
    // What it holds, over the options as they are (a file holding some options leaves the others):
    // saved whole, then put into the controls.
    const AppSettings values = preset.value().appliedTo(m_current());
    const QString name = saveNamed(tr("Import Preset"), tr("Save the imported options as the preset:"),
                                   preset.value().name, values);
    if (name.isEmpty())
        return;
    Preset saved = preset.value();
    saved.name = name;
    m_apply(saved);
    setChosen(name, m_current(), false);
    showNotes(name, preset.value().notes());
}
