#pragma once

#include "batch/ConversionJob.h"
#include "batch/ConversionReport.h"
#include "settings/AppSettings.h"

#include <QElapsedTimer>
#include <QMainWindow>

#include <functional>

class BrowserBackdrop;
class LargePreview;
class OverlayWarning;
class QDialog;
class BrowserModel;
class CompletionDialog;
class ConversionController;
class ConvertingDialog;
class ImageBrowserView;
class ImageListModel;
class InputChooser;
class OptionsPanel;
class OutputFolderRow;
class QLabel;
class QPushButton;
class SettingsStore;
class UnitSlider;
class WindowChrome;

// The one window: the image browser with its count, drop hint and zoom beside the option
// sections, the output folder and the Convert button. It holds values and calls the core; the core decides
// every pixel and name. Threading: UI thread only; a conversion runs in the background through
// its ConversionController.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    ImageListModel *imageList() const { return m_list; }
    ImageBrowserView *browser() const { return m_browser; }
    QPushButton *convertButton() const { return m_convert; }
    QLabel *countLabel() const { return m_count; }
    // Says how many offered files the list did not take, and why, until the next intake.
    QLabel *intakeNote() const { return m_intakeNote; }
    QDialog *helpViewer() const { return m_helpViewer; }
    // Double-click or Space on an entry: the selected entry large, with every overlay.
    void openLargePreview();
    LargePreview *largePreview() const { return m_largePreview; }
    OverlayWarning *overlayWarning() const { return m_overlayWarning; }
    QPushButton *removeButton() const { return m_remove; }
    QPushButton *clearButton() const { return m_clear; }
    QPushButton *addFolderButton() const { return m_addFolder; }
    // The Add dialogs, with the folder they open in.
    InputChooser *inputChooser() const { return m_inputs; }
    // Edit ▸ Select Failed and Remove Converted: the entries the last run (or the thumbnails'
    // reading) found failing, and those it converted.
    QAction *selectFailedAction() const { return m_selectFailedAction; }
    QAction *removeConvertedAction() const { return m_removeConvertedAction; }
    QAction *selectAllAction() const { return m_selectAllAction; }
    QLabel *dropHint() const { return m_dropHint; }
    OptionsPanel *options() const { return m_options; }
    UnitSlider *zoomSlider() const { return m_zoom; }
    WindowChrome *chrome() const { return m_chrome; }
    BrowserBackdrop *backdrop() const { return m_backdrop; }
    // The window as it shows, without its shadow, in global coordinates: sheets hang from it.
    QRect visibleFrame() const;
    ConvertingDialog *convertingDialog() const { return m_converting; }
    CompletionDialog *completionDialog() const { return m_completion; }
    ConversionController *conversion() const { return m_conversion; }

    // Files opened with the application (command line, file manager): any readable file.
    void openFiles(const QStringList &paths);
    // Where the outputs go: the row above Convert.
    OutputFolderRow *outputFolderRow() const { return m_outputRow; }
    // Asks for the output folder (Browse…, and Convert while none is set); it only sets the row.
    // Tests put their own answer here.
    void setFolderChooser(std::function<QString()> chooser);
    // Asks before Reset Settings puts every option back; tests answer without a dialog.
    void setResetConfirmation(std::function<bool()> confirm) { m_confirmReset = std::move(confirm); }

    // The options as the controls hold them now.
    ConversionOptions currentOptions() const;
    BrowserModel *browserModel() const { return m_browserModel; }
    // Renders the selected entry with the current options into its cell.
    void updatePreview();

    // Settings: the store is read now (first run: the shipped defaults) and written when the
    // window closes.
    void useSettings(SettingsStore *store);
    void loadSettings();
    void saveSettings();
    void resetSettings();

public Q_SLOTS:
    void chooseImages();
    void chooseFolder();
    void convert();
    void openHelp();
    void toggleFullScreen();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void updateListState();
    void updateEntryActions();
    // Selects these rows in the grid, the first taking the preview, the grid left where it is.
    void selectRows(const QList<int> &rows);
    // The options as a run records them: the controls' settings, but not which section is open.
    AppSettings runSettings() const;
    // The first output's name under the naming controls, as the options, list and folder are now.
    void updateNameExample();
    void finishConversion(const ConversionReport &report);
    QWidget *buildOptionsColumn();
    // Names the window's own controls and sets the Tab order to read like the window.
    void arrangeKeyboardPath();
    void applyZoom(float value);
    void placeDropHint();

    ImageListModel *m_list;
    BrowserModel *m_browserModel;
    ImageBrowserView *m_browser;
    QLabel *m_count;
    QLabel *m_intakeNote;
    QPushButton *m_remove;
    QAction *m_leaveFullScreen = nullptr;
    QDialog *m_helpViewer = nullptr;
    QElapsedTimer m_runClock;
    QAction *m_convertAction = nullptr;
    QAction *m_previewAction = nullptr;
    LargePreview *m_largePreview = nullptr;
    OverlayWarning *m_overlayWarning;
    QAction *m_undoAction = nullptr;
    QAction *m_removeAction = nullptr;
    QAction *m_clearAction = nullptr;
    QAction *m_selectAllAction = nullptr;
    QAction *m_selectFailedAction = nullptr;
    QAction *m_removeConvertedAction = nullptr;
    QPushButton *m_add;
    QPushButton *m_addFolder;
    InputChooser *m_inputs;
    class NameFactsReader *m_nameFacts;
    AppSettings m_lastRunSettings; // what the entries' marks were made with
    QPushButton *m_clear;
    QLabel *m_dropHint;
    UnitSlider *m_zoom;
    WindowChrome *m_chrome;
    BrowserBackdrop *m_backdrop;
    QWidget *m_boxFrame;
    OptionsPanel *m_options;
    OutputFolderRow *m_outputRow;
    QPushButton *m_convert;
    SettingsStore *m_settings = nullptr;
    ConversionController *m_conversion;
    ConvertingDialog *m_converting = nullptr;
    CompletionDialog *m_completion = nullptr;
    QString m_runFolder; // the folder of the run in progress, or of the last one
    std::function<bool()> m_confirmReset;
    ConversionOptions m_lastOptions; // divisors keep their value while their overlay is off
};
