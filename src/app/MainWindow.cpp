#include "MainWindow.h"

#include "ConversionController.h"
#include "FocusChain.h"
#include "batch/InputFiles.h"
#include "batch/NameTemplate.h"
#include "browser/BrowserBackdrop.h"
#include "browser/BrowserModel.h"
#include "browser/ImageBrowserView.h"
#include "browser/ImageListModel.h"
#include "browser/InputChooser.h"
#include "common/FileName.h"
#include "desktop/DesktopServices.h"
#include "desktop/HelpDocument.h"
#include "preview/LargePreview.h"
#include "preview/OverlayWarning.h"
#include "sections/FirstNameExample.h"
#include "sections/LogoSection.h"
#include "sections/LogoWell.h"
#include "sections/NameFactsReader.h"
#include "sections/OptionsPanel.h"
#include "sections/OutputControls.h"
#include "sections/OutputFolderRow.h"
#include "sections/PresetPopup.h"
#include "sections/SectionPanel.h"
#include "sections/TitleSizeSection.h"
#include "sections/UnitSlider.h"
#include "settings/PresetStore.h"
#include "settings/SettingsStore.h"
#include "settings/ShippedLogo.h"
#include "sheets/CompletionDialog.h"
#include "sheets/ConvertingDialog.h"
#include "sheets/OutputFolderDialog.h"
#include "sheets/SheetPlacement.h"
#include "skin/EmbossedLabel.h"
#include "skin/FocusRing.h"
#include "skin/SkinnedPanels.h"
#include "skin/TitleBar.h"
#include "skin/WindowChrome.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDialog>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSlider>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_list(new ImageListModel(this)), m_inputs(new InputChooser(this)),
      m_nameFacts(new NameFactsReader(this)), m_conversion(new ConversionController(this))
{
    setWindowTitle(QStringLiteral("Pressmark"));
    // No system title bar: the window draws its own, and its shadow where the desktop composites.
    setWindowFlags(Qt::Window | Qt::FramelessWindowHint);
    if (WindowChrome::desktopComposites())
        setAttribute(Qt::WA_TranslucentBackground);
    resize(1100, 700);

    m_browserModel = new BrowserModel(m_list, this);
    m_browser = new ImageBrowserView(m_list, this);
    m_browser->setModel(m_browserModel);

    // The browser lies on its backdrop, framed by a sunken box.
    m_backdrop = new BrowserBackdrop(this);
    auto *backdropLayout = new QVBoxLayout(m_backdrop);
    backdropLayout->setContentsMargins(3, 5, 3, 5);
    backdropLayout->addWidget(m_browser);
    auto *box = new BoxFrame(m_backdrop);
    box->raise();
    m_backdrop->installEventFilter(this);
    m_browser->viewport()->installEventFilter(this);
    m_boxFrame = box;

    m_dropHint = new EmbossedLabel(tr("Drop photos here, or choose them with Add…"),
                                   EmbossedLabel::Shadow::Dark, m_browser->viewport());
    m_dropHint->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_dropHint->setAttribute(Qt::WA_TransparentForMouseEvents);
    QPalette hintColours = m_dropHint->palette();
    hintColours.setColor(QPalette::WindowText, QColor(0x9a, 0x9f, 0xa7));
    m_dropHint->setPalette(hintColours);

    m_count = new EmbossedLabel(QString(), EmbossedLabel::Shadow::Dark, this);
    QPalette countColours = m_count->palette();
    countColours.setColor(QPalette::WindowText, QColor(0xdd, 0xdf, 0xe3));
    m_count->setPalette(countColours);
    m_zoom = new UnitSlider(this);
    m_zoom->setFloatValue(shippedSettings().fraction(Setting::Zoom));
    m_zoom->setMaximumWidth(160);
    m_zoom->setToolTip(tr("Thumbnail size"));
    m_zoom->setAccessibleName(m_zoom->toolTip());
    connect(m_zoom, &UnitSlider::valueMoved, this, &MainWindow::applyZoom);

    auto *add = new QPushButton(tr("Add…"), this);
    m_add = add;
    m_addFolder = new QPushButton(tr("Add Folder…"), this);
    m_addFolder->setToolTip(tr("Add the pictures of a folder"));
    m_remove = new QPushButton(tr("Remove"), this);
    m_clear = new QPushButton(tr("Clear"), this);
    connect(add, &QPushButton::clicked, this, &MainWindow::chooseImages);
    connect(m_addFolder, &QPushButton::clicked, this, &MainWindow::chooseFolder);

    m_intakeNote = new EmbossedLabel(QString(), EmbossedLabel::Shadow::Dark, this);
    m_intakeNote->setPalette(countColours);
    m_intakeNote->hide();
    connect(m_list, &ImageListModel::skipped, this, [this](const QStringList &paths) {
        QStringList names;
        for (const QString &path : paths)
            names << readableFileName(QFileInfo(path).fileName());
        m_intakeNote->setText(paths.size() == 1 ? tr("1 file skipped: not a picture type Pressmark reads")
                                                : tr("%n files skipped: not picture types Pressmark reads",
                                                     nullptr, int(paths.size())));
        m_intakeNote->setToolTip(names.join(QLatin1Char('\n')));
        m_intakeNote->show();
    });
    connect(m_list, &ImageListModel::unreadableFolders, this, [this](const QStringList &folders) {
        m_intakeNote->setText(folders.size() == 1 ? tr("1 folder could not be read; the rest was added")
                                                  : tr("%n folders could not be read; the rest was added",
                                                       nullptr, int(folders.size())));
        m_intakeNote->setToolTip(readableFileName(folders.join(QLatin1Char('\n'))));
        m_intakeNote->show();
    });
    // A new intake that takes everything clears the note.
    connect(m_list, &QAbstractItemModel::rowsAboutToBeInserted, m_intakeNote, &QWidget::hide);

    auto *bottomBar = new BottomBar(this);
    bottomBar->setFixedHeight(36);
    auto *bottom = new QHBoxLayout(bottomBar);
    bottom->setContentsMargins(10, 4, 10, 2);
    bottom->addWidget(add);
    bottom->addWidget(m_addFolder);
    bottom->addWidget(m_remove);
    bottom->addWidget(m_clear);
    bottom->addSpacing(12);
    bottom->addWidget(m_intakeNote);
    bottom->addStretch(1);
    bottom->addWidget(m_count);
    bottom->addSpacing(16);
    bottom->addWidget(m_zoom);

    // Under the grid: which overlays hardly show on the previewed picture.
    m_overlayWarning = new OverlayWarning(this);
    m_overlayWarning->setContentsMargins(10, 3, 10, 3);
    m_overlayWarning->setAutoFillBackground(true);
    QPalette warningColours = m_overlayWarning->palette();
    warningColours.setColor(QPalette::Window, QColor(0x3a, 0x33, 0x22));
    warningColours.setColor(QPalette::WindowText, QColor(0xf2, 0xc9, 0x6b));
    m_overlayWarning->setPalette(warningColours);
    connect(m_browserModel, &BrowserModel::faintOverlaysChanged, m_overlayWarning,
            &OverlayWarning::showFaint);

    auto *left = new QVBoxLayout;
    left->setSpacing(0);
    left->addWidget(m_backdrop, 1);
    left->addWidget(m_overlayWarning);
    left->addWidget(bottomBar);

    auto *content = new QWidget(this);
    auto *columns = new QHBoxLayout(content);
    columns->setContentsMargins(0, 0, 0, 0);
    columns->setSpacing(0);
    columns->addLayout(left, 1);
    columns->addWidget(buildOptionsColumn());

    m_chrome = new WindowChrome(this);
    m_chrome->titleBar()->setTitle(windowTitle());
    m_chrome->setContent(content);
    setCentralWidget(m_chrome);
    connect(m_chrome->titleBar(), &TitleBar::closeRequested, this, &QWidget::close);
    connect(m_chrome->titleBar(), &TitleBar::minimizeRequested, this, &QWidget::showMinimized);
    connect(m_chrome->titleBar(), &TitleBar::zoomRequested, this,
            [this] { isMaximized() ? showNormal() : showMaximized(); });
    connect(m_chrome->titleBar(), &TitleBar::fullScreenRequested, this, &MainWindow::toggleFullScreen);

    // The menus sit under the drawn title bar.
    auto *menus = new QMenuBar(m_chrome);
    menus->setStyleSheet(
        QStringLiteral("QMenuBar { background: #34373c; color: #dddfe3; border-bottom: 1px solid #1c1e21; }"
                       "QMenuBar::item { padding: 2px 8px; background: transparent; }"
                       "QMenuBar::item:selected { background: #4b4f56; }"));
    m_chrome->addBar(menus);
    // Qt's own button for the menus a narrow window has no room for.
    if (auto *more = menus->findChild<QToolButton *>(QStringLiteral("qt_menubar_ext_button")))
        more->setAccessibleName(tr("More menus"));
    QMenu *file = menus->addMenu(tr("&File"));
    file->addAction(tr("&Add Images…"), QKeySequence::Open, this, &MainWindow::chooseImages);
    file->addAction(tr("Add &Folder…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_O), this,
                    &MainWindow::chooseFolder);
    m_convertAction = file->addAction(tr("Con&vert…"), this, &MainWindow::convert);
    m_convertAction->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Return), QKeySequence(Qt::CTRL | Qt::Key_Enter)});
    file->addSeparator();
    file->addAction(tr("&Close"), QKeySequence::Close, this, &QWidget::close);
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    QMenu *edit = menus->addMenu(tr("&Edit"));
    m_undoAction = edit->addAction(tr("&Undo"), QKeySequence::Undo, m_list, &ImageListModel::undo);
    m_undoAction->setEnabled(false);
    connect(m_list, &ImageListModel::undoAvailable, m_undoAction, &QAction::setEnabled);
    edit->addSeparator();
    m_removeAction =
        edit->addAction(tr("&Remove"), this, [this] { m_list->removeEntries(m_browser->selectedRows()); });
    m_removeAction->setShortcuts({QKeySequence(Qt::Key_Delete), QKeySequence(Qt::Key_Backspace)});
    m_removeAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_browser->addAction(m_removeAction); // only while the grid has focus: fields keep Delete
    m_clearAction = edit->addAction(tr("C&lear"), m_list, &ImageListModel::clear);
    m_selectAllAction = edit->addAction(tr("Select &All"), this, [this] {
        QList<int> rows;
        for (int row = 0; row < m_list->rowCount(); ++row)
            rows << row;
        selectRows(rows);
    });
    m_selectAllAction->setShortcut(QKeySequence::SelectAll);
    m_selectAllAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_browser->addAction(m_selectAllAction);
    edit->addSeparator();
    // What the last run (or reading the thumbnails) found.
    m_selectFailedAction =
        edit->addAction(tr("Select &Failed"), this, [this] { selectRows(m_browserModel->failedRows()); });
    m_removeConvertedAction =
        edit->addAction(tr("Remove C&onverted"), m_list, &ImageListModel::removeConverted);
    connect(edit, &QMenu::aboutToShow, this, &MainWindow::updateEntryActions);
    connect(m_list, &ImageListModel::outcomesChanged, this, &MainWindow::updateEntryActions);
    connect(m_browserModel, &BrowserModel::thumbnailRead, this, &MainWindow::updateEntryActions);
    // The marks belong to the options of the run that made them.
    connect(m_options, &OptionsPanel::optionsEdited, this, [this] {
        if (m_list->hasOutcomes() && !(runSettings() == m_lastRunSettings))
            m_list->clearOutcomes();
    });
    // The buttons are the same actions as the menu's.
    connect(m_remove, &QPushButton::clicked, m_removeAction, &QAction::trigger);
    connect(m_clear, &QPushButton::clicked, m_clearAction, &QAction::trigger);
    QMenu *view = menus->addMenu(tr("&View"));
    m_previewAction = view->addAction(tr("&Large Preview"), this, &MainWindow::openLargePreview);
    m_previewAction->setShortcut(QKeySequence(Qt::Key_Space));
    m_previewAction->setShortcutContext(Qt::WidgetWithChildrenShortcut);
    m_browser->addAction(m_previewAction);
    connect(m_browser, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        m_list->setIndexSelected(index.row());
        openLargePreview();
    });
    QAction *fullScreen = view->addAction(tr("&Full Screen"), this, &MainWindow::toggleFullScreen);
    // F11 everywhere, and the desktop's own key where it has another.
    QList<QKeySequence> fullScreenKeys {QKeySequence(Qt::Key_F11)};
    for (const QKeySequence &key : QKeySequence::keyBindings(QKeySequence::FullScreen))
        if (!fullScreenKeys.contains(key))
            fullScreenKeys << key;
    fullScreen->setShortcuts(fullScreenKeys);
    // The title bar's other buttons from the keyboard (they are not Tab stops).
    view->addAction(tr("&Minimize"), QKeySequence(Qt::CTRL | Qt::Key_M), this, &QWidget::showMinimized);
    view->addAction(tr("&Zoom"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M), this,
                    [this] { isMaximized() ? showNormal() : showMaximized(); });
    // Escape leaves full screen (and does nothing otherwise).
    m_leaveFullScreen = new QAction(tr("Leave Full Screen"), this);
    m_leaveFullScreen->setShortcut(QKeySequence(Qt::Key_Escape));
    m_leaveFullScreen->setEnabled(false);
    connect(m_leaveFullScreen, &QAction::triggered, this, &QWidget::showNormal);
    addAction(m_leaveFullScreen);
    QMenu *help = menus->addMenu(tr("&Help"));
    help->addAction(tr("Pressmark &Help"), QKeySequence::HelpContents, this, &MainWindow::openHelp);
    setWindowIcon(QIcon(QStringLiteral(":/pressmark.svg")));

    // Back in front: files deleted meanwhile show as missing.
    // Back in front: files deleted meanwhile show as missing, and the output folder and the
    // first output's name are looked at again.
    connect(qGuiApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state != Qt::ApplicationActive)
            return;
        m_browser->viewport()->update();
        m_outputRow->refresh();
        updateNameExample();
    });
    connect(m_list, &QAbstractItemModel::rowsInserted, this, &MainWindow::updateListState);
    connect(m_list, &QAbstractItemModel::rowsRemoved, this, &MainWindow::updateListState);
    connect(m_list, &QAbstractItemModel::modelReset, this, &MainWindow::updateListState);
    connect(m_list, &QAbstractItemModel::modelReset, this, &MainWindow::updatePreview);
    connect(m_list, &ImageListModel::indexSelectedChanged, this, [this](int row) {
        if (row >= 0)
            m_browser->setCurrentRowInPlace(row);
        updatePreview();
    });
    // A selection whose first cell changes shrinks to that cell, which is then previewed.
    connect(m_browser->selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
        const QList<int> rows = m_browser->selectedRows();
        if (rows.isEmpty() || rows.first() == m_list->indexSelected())
            return;
        m_list->setIndexSelected(rows.first());
        m_browser->selectionModel()->select(m_browserModel->index(rows.first(), 0),
                                            QItemSelectionModel::ClearAndSelect);
    });
    connect(m_conversion, &ConversionController::fileStarted, this, [this](int index, int started, int) {
        if (m_converting)
            m_converting->fileStarted(index, qMax(started, m_conversion->startedCount()));
    });
    connect(m_conversion, &ConversionController::fileFinished, this, [this](int finished, int) {
        if (m_converting)
            m_converting->fileFinished(finished);
    });
    connect(m_conversion, &ConversionController::finished, this, &MainWindow::finishConversion);

    setFolderChooser([this] {
        OutputFolderDialog dialog(m_outputRow->folder(), this);
        const QRect frame = visibleFrame(); // a sheet of the window, at the chooser's own size
        dialog.move(frame.topLeft() + sheetOffset(frame.size(), dialog.size()));
        return dialog.exec() == QDialog::Accepted ? dialog.chosenFolder() : QString();
    });
    m_confirmReset = [this] {
        QMessageBox ask(QMessageBox::Question, tr("Reset Settings"),
                        tr("Put every option back to how Pressmark ships?"), QMessageBox::Cancel, this);
        ask.setInformativeText(
            tr("The logo, watermark, copyright lines, naming, size and format you set are lost."));
        QPushButton *reset = ask.addButton(tr("Reset"), QMessageBox::DestructiveRole);
        ask.setDefaultButton(QMessageBox::Cancel);
        ask.setWindowModality(Qt::WindowModal);
        ask.exec();
        return ask.clickedButton() == reset;
    };
    arrangeKeyboardPath();
    updateListState();
}

MainWindow::~MainWindow() = default;

void MainWindow::arrangeKeyboardPath()
{
    const QList<std::pair<QWidget *, const char *>> named = {
        {m_browser, "imageGrid"},     {m_add, "addImages"},     {m_addFolder, "addFolder"},
        {m_remove, "removeImages"},   {m_clear, "clearImages"}, {m_zoom, "thumbnailZoom"},
        {m_convert, "convertButton"},
    };
    for (const auto &[widget, name] : named)
        widget->setObjectName(QLatin1String(name));
    // As the window reads: the list and its buttons, the presets, the sections top to bottom, the
    // output's format and the rest of the options, the output folder, Convert.
    chainFocus({m_browser, m_add, m_addFolder, m_remove, m_clear, m_zoom, m_options->presets(),
                m_options->sections(), m_options, m_outputRow, m_convert});
    FocusRing::install();
}

QWidget *MainWindow::buildOptionsColumn()
{
    auto *column = new TiledBackground(QStringLiteral("leftBg"), true, this);
    column->setFixedWidth(310);
    auto *layout = new QVBoxLayout(column);
    layout->setContentsMargins(0, 0, 0, 8);
    m_options = new OptionsPanel(column);
    connect(m_options, &OptionsPanel::previewNeeded, this, &MainWindow::updatePreview);
    connect(m_options, &OptionsPanel::namingModeChanged, this, &MainWindow::updateListState);
    connect(m_options->titleAndSize()->titleField, &QLineEdit::textChanged, this,
            &MainWindow::updateNameExample);
    connect(m_options->titleAndSize()->templateField, &QLineEdit::textChanged, this,
            &MainWindow::updateNameExample);
    // A template's {width} and {height} follow the size.
    connect(m_options, &OptionsPanel::optionsEdited, this, [this] {
        if (m_options->titleAndSize()->templateBox->isChecked())
            updateNameExample();
    });
    connect(m_options->output()->formatPopup, &QComboBox::currentIndexChanged, this,
            &MainWindow::updateNameExample);
    // The output folder, above Convert: the panel's margins, below its own controls.
    m_outputRow = new OutputFolderRow(column);
    connect(m_outputRow, &OutputFolderRow::folderChanged, this, &MainWindow::updateNameExample);
    auto *outputArea = new QVBoxLayout;
    outputArea->setContentsMargins(14, 4, 14, 8);
    outputArea->addWidget(m_outputRow);
    connect(m_options, &OptionsPanel::resetRequested, this, [this] {
        if (m_confirmReset())
            resetSettings();
    });
    m_convert = new QPushButton(tr("Convert"), column);
    m_convert->setDefault(true);
    m_convert->setMinimumHeight(34);
    connect(m_convert, &QPushButton::clicked, this, &MainWindow::convert);
    layout->addWidget(m_options, 1);
    layout->addLayout(outputArea);
    layout->addWidget(m_convert);
    layout->setAlignment(m_convert, Qt::AlignHCenter);
    m_convert->setFixedWidth(180);
    return column;
}

void MainWindow::applyZoom(float value)
{
    m_browser->setZoom(value);
}

void MainWindow::useSettings(SettingsStore *store)
{
    m_settings = store;
    m_options->presets()->setStore(
        std::make_unique<PresetStore>(PresetStore::folderBeside(store->filePath())));
    loadSettings();
    // The window's remembered place, when it still lies on a screen.
    const QStringList parts = m_settings->load().text(Setting::WindowGeometry).split(QLatin1Char(','));
    if (parts.size() == 4) {
        bool ok[4];
        const QRect place(parts[0].toInt(&ok[0]), parts[1].toInt(&ok[1]), parts[2].toInt(&ok[2]),
                          parts[3].toInt(&ok[3]));
        const bool onScreen =
            std::any_of(QGuiApplication::screens().cbegin(), QGuiApplication::screens().cend(),
                        [&](const QScreen *s) { return s->availableGeometry().intersects(place); });
        if (ok[0] && ok[1] && ok[2] && ok[3] && onScreen && place.width() >= minimumWidth() &&
            place.height() >= minimumHeight() && place.width() < 100000 && place.height() < 100000)
            setGeometry(place);
    }
}

void MainWindow::loadSettings()
{
    if (!m_settings)
        return;
    const AppSettings settings = m_settings->load();
    m_options->applySettings(settings);
    m_zoom->setFloatValue(settings.fraction(Setting::Zoom));
    applyZoom(m_zoom->floatValue());
    m_outputRow->setFolder(settings.text(Setting::OutputFolder));
    m_inputs->setLastFolder(settings.text(Setting::LastInputFolder));
    m_options->presets()->restore(settings.text(Setting::LastPreset),
                                  settings.integer(Setting::LastPresetEdited) == 1);
    m_inputs->setWholeFolders(settings.integer(Setting::AddWholeFolders) == 1);
    m_list->setWholeFolders(m_inputs->wholeFolders());
    // The remembered section opens last, once everything else is in place.
    m_options->openSection(settings.integer(Setting::OpenSection));
}

void MainWindow::saveSettings()
{
    if (!m_settings)
        return;
    AppSettings settings = m_options->captureSettings();
    settings.setFraction(Setting::Zoom, m_zoom->floatValue());
    // A folder whose name is not UTF-8 cannot be stored as text; it is not remembered.
    const QString folder = m_outputRow->folder();
    settings.setText(Setting::OutputFolder, hasEscapedBytes(folder) ? QString() : folder);
    const QString inputFolder = m_inputs->lastFolder();
    settings.setText(Setting::LastInputFolder, hasEscapedBytes(inputFolder) ? QString() : inputFolder);
    settings.setText(Setting::LastPreset, m_options->presets()->chosenName());
    settings.setInteger(Setting::LastPresetEdited, m_options->presets()->isEdited() ? 1 : 0);
    settings.setInteger(Setting::AddWholeFolders, m_inputs->wholeFolders() ? 1 : 0);
    const QRect place = isMaximized() || isFullScreen() ? normalGeometry() : geometry();
    settings.setText(
        Setting::WindowGeometry,
        QStringLiteral("%1,%2,%3,%4").arg(place.x()).arg(place.y()).arg(place.width()).arg(place.height()));
    m_settings->save(settings);
}

void MainWindow::resetSettings()
{
    if (!m_settings)
        return;
    m_settings->resetToDefaults();
    m_options->logo()->logoWell->showLogo(shippedLogo());
    loadSettings();
    m_options->sections()->toggleLogoSection(true);
    updatePreview();
}

QRect MainWindow::visibleFrame() const
{
    const QRect frame = m_chrome->frameRect();
    return QRect(m_chrome->mapToGlobal(frame.topLeft()), frame.size());
}

void MainWindow::toggleFullScreen()
{
    if (isFullScreen())
        showNormal();
    else
        showFullScreen();
}

void MainWindow::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::WindowStateChange) {
        m_chrome->setFullScreenLook(isFullScreen());
        m_chrome->setFillsScreen(isFullScreen() || isMaximized());
        if (m_leaveFullScreen)
            m_leaveFullScreen->setEnabled(isFullScreen());
    }
    QMainWindow::changeEvent(event);
}

bool MainWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_backdrop && event->type() == QEvent::Resize)
        m_boxFrame->setGeometry(m_backdrop->rect());
    if (watched == m_browser->viewport() && event->type() == QEvent::Resize)
        placeDropHint();
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::placeDropHint()
{
    // Just under the backdrop's drop picture.
    const QWidget *viewport = m_browser->viewport();
    m_dropHint->setGeometry(0, 0, viewport->width(), viewport->height() / 2 + 90);
}

void MainWindow::updateListState()
{
    const bool empty = m_list->isEmpty();
    m_convert->setEnabled(!empty);
    m_remove->setEnabled(!empty);
    m_clear->setEnabled(!empty);
    for (QAction *action :
         {m_convertAction, m_removeAction, m_clearAction, m_selectAllAction, m_previewAction})
        if (action)
            action->setEnabled(!empty);
    m_count->setText(m_list->countText());
    updateEntryActions();
    m_dropHint->setVisible(empty);
    m_backdrop->setHideText(!empty);
    placeDropHint();
    updateNameExample();
}

void MainWindow::updateNameExample()
{
    const QString first = m_list->pathAt(0);
    const QString subfolder = m_list->subfolderAt(0);
    const ConversionOptions options = currentOptions();
    const QString folder = m_outputRow->folder();
    const auto show = [this, first, subfolder, options, folder](const NameFacts &facts) {
        m_options->titleAndSize()->showNameExample(
            FirstNameExample::describe(first, subfolder, options, folder, facts));
    };
    const NameTemplate name = NameTemplate::parse(options.nameTemplate);
    if (options.naming != NamingMode::Template || first.isEmpty() || !name.isValid() || !name.needsFacts()) {
        m_nameFacts->drop();
        show(NameFacts());
        return;
    }
    // The date, camera or size are read off the UI thread, as a dry run reads them.
    m_nameFacts->request(first, options, show);
}

void MainWindow::setFolderChooser(std::function<QString()> chooser)
{
    m_outputRow->setChooser(std::move(chooser));
}

void MainWindow::updateEntryActions()
{
    if (m_selectFailedAction)
        m_selectFailedAction->setEnabled(!m_browserModel->failedRows().isEmpty());
    if (m_removeConvertedAction)
        m_removeConvertedAction->setEnabled(!m_list->rowsWith(FileStatus::Written).isEmpty());
}

void MainWindow::selectRows(const QList<int> &rows)
{
    if (rows.isEmpty())
        return;
    // The first row takes the preview first, so the whole selection stays.
    m_list->setIndexSelected(rows.first());
    QItemSelection selection;
    for (const int row : rows)
        selection.select(m_browserModel->index(row, 0), m_browserModel->index(row, 0));
    m_browser->selectionModel()->select(selection, QItemSelectionModel::ClearAndSelect);
}

AppSettings MainWindow::runSettings() const
{
    AppSettings settings = m_options->captureSettings();
    settings.setInteger(Setting::OpenSection, 0);
    return settings;
}

void MainWindow::openHelp()
{
    // The document is built in, in the user's language; the desktop's viewer opens a copy of it.
    const QString document = helpDocumentFor();
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    const QString copy = folder + QLatin1Char('/') + QFileInfo(document).fileName();
    QFile::remove(copy);
    QFile::copy(document, copy);
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    if (DesktopServices::openUrl(QUrl::fromLocalFile(copy)))
        return;
    // No browser took it: the application's own viewer shows it.
    if (!m_helpViewer) {
        m_helpViewer = new QDialog(this);
        m_helpViewer->setWindowTitle(tr("Pressmark Help"));
        auto *text = new QTextBrowser(m_helpViewer);
        text->setObjectName(QStringLiteral("helpText"));
        text->setOpenExternalLinks(true);
        text->setSource(QUrl(QStringLiteral("qrc") + document));
        auto *layout = new QVBoxLayout(m_helpViewer);
        layout->addWidget(text);
        m_helpViewer->resize(640, 560);
    }
    m_helpViewer->show();
    m_helpViewer->raise();
}

void MainWindow::openLargePreview()
{
    if (m_list->isEmpty())
        return;
    if (!m_largePreview) {
        m_largePreview = new LargePreview(
            m_list, [this] { return currentOptions(); }, this);
        // Stepping through the list moves the window's selection, and its cell preview, along.
        connect(m_largePreview, &LargePreview::rowShown, this,
                [this](int row) { m_list->setIndexSelected(row); });
    }
    m_largePreview->showRow(std::max(0, m_list->indexSelected()));
    m_largePreview->show();
    m_largePreview->raise();
    m_largePreview->activateWindow();
}

void MainWindow::updatePreview()
{
    m_browserModel->showPreview(m_list->indexSelected(), currentOptions());
}

void MainWindow::openFiles(const QStringList &paths)
{
    const int before = m_list->rowCount();
    for (const QString &path : paths)
        m_list->addOpened(path);
    if (m_list->rowCount() > before)
        m_browser->showRow(before); // where they went: at the end
}

void MainWindow::chooseImages()
{
    const InputChooser::Choice choice = m_inputs->chooseFiles();
    if (choice.paths.isEmpty())
        return;
    const int before = m_list->rowCount();
    if (m_list->addChosen(choice.paths, choice.anyFile ? ImageListModel::Chosen::AnyFile
                                                       : ImageListModel::Chosen::Pictures) > 0)
        m_browser->showRow(before); // where they went: at the end
}

void MainWindow::chooseFolder()
{
    const QString folder = m_inputs->chooseFolder();
    if (folder.isEmpty())
        return;
    m_list->setWholeFolders(m_inputs->wholeFolders());
    const int before = m_list->rowCount();
    if (m_list->addFolder(folder) > 0) {
        m_browser->showRow(before);
        return;
    }
    m_intakeNote->setText(
        tr("No pictures Pressmark reads in %1").arg(readableFileName(QFileInfo(folder).fileName())));
    m_intakeNote->setToolTip(readableFileName(folder));
    m_intakeNote->show();
}

ConversionOptions MainWindow::currentOptions() const
{
    return m_options->currentOptions(m_lastOptions);
}

void MainWindow::convert()
{
    if (m_list->isEmpty() || m_conversion->isRunning())
        return;
    // No folder yet: the chooser sets the row, and the run waits for Convert again.
    if (m_outputRow->folder().isEmpty()) {
        if (m_outputRow->browse())
            m_convert->setFocus();
        return;
    }
    // A rename template that cannot be used says why under its field, and nothing starts.
    if (m_options->titleAndSize()->templateBox->isChecked() &&
        !NameTemplate::parse(m_options->titleAndSize()->templateField->text()).isValid()) {
        m_options->openSection(1);
        m_options->titleAndSize()->templateField->setFocus();
        return;
    }
    // A folder still to be made is made now; the row says why when it cannot be.
    if (!m_outputRow->ensureFolder())
        return;
    m_list->clearOutcomes(); // every entry is run again
    ConversionJob job;
    job.inputs = m_list->paths();
    job.subfolders = m_list->subfolders();
    job.options = m_lastOptions = currentOptions();
    job.outputFolder = m_runFolder = m_outputRow->folder();
    delete m_completion;
    m_completion = nullptr;
    m_runClock.start();
    m_converting = new ConvertingDialog(job.inputs, this);
    connect(m_converting, &ConvertingDialog::cancelRequested, m_conversion, &ConversionController::cancel);
    placeSheet(m_converting, visibleFrame());
    m_converting->show();
    m_conversion->start(job);
}

void MainWindow::finishConversion(const ConversionReport &report)
{
    if (m_converting) {
        m_converting->hide();
        m_converting->deleteLater();
        m_converting = nullptr;
    }
    m_list->markOutcomes(report);
    m_lastRunSettings = runSettings();
    m_completion = new CompletionDialog(report, m_runFolder, this);
    m_completion->setDuration(m_runClock.elapsed());
    placeSheet(m_completion, visibleFrame());
    // The first output's name is taken now: the example moves on to the next free one.
    m_outputRow->refresh();
    updateNameExample();
    m_completion->show();
    // A long run that ends while the user works elsewhere is announced by the desktop.
    if (m_runClock.isValid() && m_runClock.elapsed() > 5000 && !isActiveWindow()) {
        const int written = report.writtenCount();
        DesktopServices::notify(
            m_completion->headline()->text(),
            written == int(report.files.size())
                ? (written == 1 ? tr("1 image converted") : tr("%n images converted", nullptr, written))
                : m_completion->summary()->text());
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A run in progress is cancelled and its files in flight written before the window goes.
    if (m_conversion->isRunning()) {
        m_conversion->cancel();
        m_conversion->waitForFinished();
    }
    saveSettings();
    event->accept();
}
