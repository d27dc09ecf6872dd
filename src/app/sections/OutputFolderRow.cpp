#include "sections/OutputFolderRow.h"

#include "common/FileName.h"
#include "sections/ElidedLabel.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

#include <cstring>

QString OutputFolderRow::shownPath(const QString &path)
{
    const QString home = QDir::homePath();
    QString shown = readableFileName(path);
    if (home != QLatin1String("/") && (shown == home || shown.startsWith(home + QLatin1Char('/'))))
        shown = QLatin1Char('~') + shown.mid(home.size());
    return shown;
}

OutputFolderRow::OutputFolderRow(QWidget *parent) : QWidget(parent)
{
    auto *caption = new QLabel(tr("Output folder"), this);
    m_state = new QLabel(this);
    m_state->setObjectName(QStringLiteral("outputFolderState"));
    m_browse = new QPushButton(tr("Browse…"), this);
    m_browse->setObjectName(QStringLiteral("browseOutputFolder"));
    m_browse->setToolTip(tr("Choose the folder the converted files go into"));
    m_path = new ElidedLabel(this);
    m_path->setObjectName(QStringLiteral("outputFolderPath"));
    m_problem = new QLabel(this);
    m_problem->setObjectName(QStringLiteral("outputFolderProblem"));
    m_problem->setWordWrap(true);
    m_problem->hide();
    QPalette quiet = m_state->palette();
    quiet.setColor(QPalette::WindowText, QColor(0x5a, 0x5e, 0x66));
    m_state->setPalette(quiet);
    QPalette alarm = m_problem->palette();
    alarm.setColor(QPalette::WindowText, QColor(0xb0, 0x1e, 0x1e));
    m_problem->setPalette(alarm);

    auto *grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setVerticalSpacing(2);
    grid->addWidget(caption, 0, 0);
    grid->addWidget(m_state, 0, 1);
    grid->addWidget(m_browse, 0, 2);
    grid->addWidget(m_path, 1, 0, 1, 3);
    grid->addWidget(m_problem, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);

    connect(m_browse, &QPushButton::clicked, this, &OutputFolderRow::browse);
    refresh();
}

void OutputFolderRow::setFolder(const QString &folder)
{
    const bool changed = folder != m_folder;
    m_folder = folder;
    refresh();
    if (changed)
        Q_EMIT folderChanged(m_folder);
}

bool OutputFolderRow::browse()
{
    if (!m_choose)
        return false;
    const QString chosen = m_choose();
    if (chosen.isEmpty())
        return false;
    setFolder(chosen);
    return true;
}

void OutputFolderRow::refresh()
{
    m_problem->hide();
    m_state->clear();
    if (m_folder.isEmpty()) {
        m_path->setFullText(tr("None yet: Convert asks for one"));
        m_path->setToolTip(QString());
        m_path->setEnabled(false);
        return;
    }
    m_path->setEnabled(true);
    m_path->setFullText(shownPath(m_folder));
    m_path->setToolTip(readableFileName(m_folder));
    switch (pathKind(m_folder)) {
    case PathKind::Folder:
        break;
    case PathKind::Missing:
        m_state->setText(tr("will be created"));
        break;
    case PathKind::File:
    case PathKind::Other:
        showProblem(tr("This is a file, not a folder."));
        break;
    }
}

bool OutputFolderRow::ensureFolder()
{
    refresh();
    if (m_folder.isEmpty())
        return false;
    switch (pathKind(m_folder)) {
    case PathKind::Folder:
        return true;
    case PathKind::Missing:
        break;
    case PathKind::File:
    case PathKind::Other:
        return false;
    }
    if (const int error = makeFolders(m_folder)) {
        showProblem(tr("It cannot be created: %1.").arg(QString::fromLocal8Bit(std::strerror(error))));
        return false;
    }
    refresh();
    return pathKind(m_folder) == PathKind::Folder;
}

void OutputFolderRow::showProblem(const QString &text)
{
    m_state->clear();
    m_problem->setText(text);
    m_problem->show();
}
