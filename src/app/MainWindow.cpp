#include "MainWindow.h"

#include "BrowserModel.h"
#include "CompletionDialog.h"
#include "ConversionController.h"
#include "ConvertingDialog.h"
#include "ImageBrowserView.h"
#include "ImageListModel.h"
#include "InputFiles.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QSlider>
#include <QStandardPaths>
#include <QUrl>
#include <QVBoxLayout>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_list(new ImageListModel(this)), m_conversion(new ConversionController(this))
{
    setWindowTitle(QStringLiteral("Pressmark"));
    resize(1100, 700);

    m_browserModel = new BrowserModel(m_list, this);
    m_browser = new ImageBrowserView(m_list, this);
    m_browser->setModel(m_browserModel);

    m_dropHint = new QLabel(tr("Drop photos here, or choose them with Add…"), m_browser->viewport());
    m_dropHint->setAlignment(Qt::AlignCenter);
    m_dropHint->setAttribute(Qt::WA_TransparentForMouseEvents);

    m_count = new QLabel(this);
    m_zoom = new QSlider(Qt::Horizontal, this);
    m_zoom->setRange(0, 100);
    m_zoom->setValue(50);
    m_zoom->setMaximumWidth(160);
    connect(m_zoom, &QSlider::valueChanged, this, [this](int v) { m_browser->setZoom(v / 100.0); });

    auto *add = new QPushButton(tr("Add…"), this);
    auto *remove = new QPushButton(tr("Remove"), this);
    auto *clear = new QPushButton(tr("Clear"), this);
    connect(add, &QPushButton::clicked, this, &MainWindow::chooseImages);
    connect(remove, &QPushButton::clicked, this,
            [this] { m_list->removeEntries(m_browser->selectedRows()); });
    connect(clear, &QPushButton::clicked, m_list, &ImageListModel::clear);

    auto *bottom = new QHBoxLayout;
    bottom->addWidget(add);
    bottom->addWidget(remove);
    bottom->addWidget(clear);
    bottom->addStretch(1);
    bottom->addWidget(m_count);
    bottom->addSpacing(16);
    bottom->addWidget(m_zoom);

    auto *left = new QVBoxLayout;
    left->addWidget(m_browser, 1);
    left->addLayout(bottom);

    auto *central = new QWidget(this);
    auto *columns = new QHBoxLayout(central);
    columns->addLayout(left, 1);
    columns->addWidget(buildOptionsColumn());
    setCentralWidget(central);

    QMenu *file = menuBar()->addMenu(tr("&File"));
    file->addAction(tr("&Add Images…"), QKeySequence::Open, this, &MainWindow::chooseImages);
    file->addSeparator();
    file->addAction(tr("&Quit"), QKeySequence::Quit, this, &QWidget::close);
    QMenu *help = menuBar()->addMenu(tr("&Help"));
    help->addAction(tr("Pressmark &Help"), QKeySequence::HelpContents, this, &MainWindow::openHelp);
    setWindowIcon(QIcon(QStringLiteral(":/pressmark.svg")));

    connect(m_list, &QAbstractItemModel::rowsInserted, this, &MainWindow::updateListState);
    connect(m_list, &QAbstractItemModel::rowsRemoved, this, &MainWindow::updateListState);
    connect(m_list, &QAbstractItemModel::modelReset, this, &MainWindow::updateListState);
    connect(m_list, &QAbstractItemModel::modelReset, this, &MainWindow::updatePreview);
    connect(m_list, &ImageListModel::indexSelectedChanged, this, [this](int row) {
        if (row >= 0)
            m_browser->setCurrentIndex(m_browserModel->index(row, 0));
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
    connect(m_conversion, &ConversionController::fileStarted, this, [this](int started, int) {
        if (m_converting)
            m_converting->advance(qMax(started, m_conversion->startedCount()));
    });
    connect(m_conversion, &ConversionController::finished, this, &MainWindow::finishConversion);

    m_chooseFolder = [this] {
        QFileDialog dialog(this, tr("Choose the output folder"));
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        dialog.setLabelText(QFileDialog::Accept, QStringLiteral("Convert"));
        dialog.setWindowModality(Qt::WindowModal);
        return dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty()
                   ? dialog.selectedFiles().first()
                   : QString();
    };
    updateListState();
}

MainWindow::~MainWindow() = default;

QWidget *MainWindow::buildOptionsColumn()
{
    auto *column = new QWidget(this);
    column->setFixedWidth(300);
    auto *layout = new QVBoxLayout(column);
    // The four option sections take their place here.
    for (const QString &title : {tr("Title and size"), tr("Logo"), tr("Watermark"), tr("Copyright")}) {
        auto *section = new QGroupBox(title, column);
        section->setCheckable(false);
        section->setFlat(true);
        layout->addWidget(section);
    }
    layout->addStretch(1);

    m_format = new QComboBox(column);
    m_format->addItems(
        {QStringLiteral("JPEG"), QStringLiteral("PNG"), QStringLiteral("GIF"), QStringLiteral("TIFF")});
    m_quality = new QSlider(Qt::Horizontal, column);
    m_quality->setRange(0, 100);
    m_quality->setValue(85);
    auto *qualityLabel = new QLabel(tr("Quality"), column);
    connect(m_format, &QComboBox::currentIndexChanged, this, [this, qualityLabel](int index) {
        m_quality->setVisible(index == 0);
        qualityLabel->setVisible(index == 0);
    });
    m_convert = new QPushButton(tr("Convert"), column);
    m_convert->setDefault(true);
    connect(m_convert, &QPushButton::clicked, this, &MainWindow::convert);

    layout->addWidget(new QLabel(tr("Format"), column));
    layout->addWidget(m_format);
    layout->addWidget(qualityLabel);
    layout->addWidget(m_quality);
    layout->addWidget(m_convert);
    return column;
}

void MainWindow::updateListState()
{
    const bool empty = m_list->isEmpty();
    m_convert->setEnabled(!empty);
    m_count->setText(m_list->countText());
    m_dropHint->setVisible(empty);
    m_dropHint->resize(m_browser->viewport()->size());
}

void MainWindow::openHelp()
{
    // The document is built in; the desktop's viewer opens a copy of it.
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    QDir().mkpath(folder);
    const QString copy = folder + QStringLiteral("/help.html");
    QFile::remove(copy);
    QFile::copy(QStringLiteral(":/help.html"), copy);
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QDesktopServices::openUrl(QUrl::fromLocalFile(copy));
}

void MainWindow::updatePreview()
{
    m_browserModel->showPreview(m_list->indexSelected(), currentOptions());
}

void MainWindow::openFiles(const QStringList &paths)
{
    for (const QString &path : paths)
        m_list->addOpened(path);
}

void MainWindow::chooseImages()
{
    QStringList patterns;
    for (const QString &extension : openDialogExtensions())
        patterns << QStringLiteral("*.") + extension;
    const QStringList paths =
        QFileDialog::getOpenFileNames(this, QStringLiteral("Choose image"),
                                      QStandardPaths::writableLocation(QStandardPaths::PicturesLocation),
                                      tr("Images (%1)").arg(patterns.join(QLatin1Char(' '))));
    if (!paths.isEmpty())
        m_list->addChosen(paths);
}

ConversionOptions MainWindow::currentOptions() const
{
    OptionControls controls;
    controls.formatIndex = m_format->currentIndex();
    controls.jpegQuality = float(m_quality->value()) / 100.0f;
    return ConversionOptions::fromControls(controls, m_lastOptions);
}

void MainWindow::convert()
{
    if (m_list->isEmpty() || m_conversion->isRunning())
        return;
    const QString folder = m_chooseFolder();
    if (folder.isEmpty())
        return;
    m_outputFolder = folder;
    ConversionJob job;
    job.inputs = m_list->paths();
    job.options = m_lastOptions = currentOptions();
    job.outputFolder = folder;
    delete m_completion;
    m_completion = nullptr;
    m_converting = new ConvertingDialog(int(job.inputs.size()), this);
    connect(m_converting, &ConvertingDialog::cancelRequested, m_conversion, &ConversionController::cancel);
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
    m_completion = new CompletionDialog(report, m_outputFolder, this);
    m_completion->show();
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // A run in progress is cancelled and its files in flight written before the window goes.
    if (m_conversion->isRunning()) {
        m_conversion->cancel();
        m_conversion->waitForFinished();
    }
    event->accept();
}
