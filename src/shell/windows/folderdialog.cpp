#include "folderdialog.h"

#include "data/session.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStorageInfo>
#include <QTreeView>
#include <QVBoxLayout>

#include <algorithm>

using namespace Qt::StringLiterals;

FolderDialog::FolderDialog(Session &session, Platform &platform, const QString &startFolder, QWidget *parent)
    : RememberedDialog(platform, u"DF_SET"_s, parent)
{
    setWindowTitle(u"ドライブ＆フォルダ"_s);
    createControls();
    fillVolumes();
    const QString workFolder = session.Settings.WorkFolder;
    const QString folder = !startFolder.isEmpty() && QDir(QDir(workFolder).absoluteFilePath(startFolder)).exists()
                               ? QDir(workFolder).absoluteFilePath(startFolder)
                               : workFolder;
    m_lastVolume = QStorageInfo(folder).rootPath();
    selectFolder(folder);
}

void FolderDialog::createControls()
{
    QLabel *heading = namedLabel(u"Label2"_s, u"保存データ用ドライブ＆フォルダー"_s, this);
    m_folderLabel = namedLabel(u"Label1"_s, QString(), this);
    m_folderLabel->setWordWrap(true);
    m_volumes = new QComboBox(this);
    m_volumes->setObjectName(u"Drive1"_s);
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_folders = new QTreeView(this);
    m_folders->setObjectName(u"Dir1"_s);
    m_folders->setModel(m_model);
    m_folders->setHeaderHidden(true);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_folders->hideColumn(column);
    m_folders->setMinimumSize(320, 260);
    m_volumes->setAccessibleName(u"ドライブ"_s);
    m_folders->setAccessibleName(u"フォルダー"_s);

    const ConfirmRow buttons = confirmRow(this, u"Command1"_s, u"OK"_s, u"Command2"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addWidget(m_folderLabel);
    layout->addWidget(m_volumes);
    layout->addWidget(m_folders, 1);
    layout->addLayout(buttons.layout);
    // A fixed dialog: the window manager then draws no resize handle under it.
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(m_volumes, &QComboBox::activated, this,
            [this](int index) { selectVolume(m_volumes->itemData(index).toString()); });
    connect(m_folders->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    selectFolder(m_model->filePath(current));
            });
    // Folders are listed as they are read; keep the chosen one in view.
    connect(m_model, &QFileSystemModel::directoryLoaded, this,
            [this] { m_folders->scrollTo(m_model->index(QDir::fromNativeSeparators(m_selected))); });
    connect(buttons.confirm, &QPushButton::clicked, this, &FolderDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &FolderDialog::reject);
}

void FolderDialog::fillVolumes()
{
    QList<QStorageInfo> volumes = QStorageInfo::mountedVolumes();
    std::sort(volumes.begin(), volumes.end(),
              [](const QStorageInfo &a, const QStorageInfo &b) { return a.rootPath() < b.rootPath(); });
    for (const QStorageInfo &volume : volumes) {
        const QString root = QDir::toNativeSeparators(volume.rootPath());
        const QString name = volume.displayName();
        m_volumes->addItem(name.isEmpty() || name == volume.rootPath() ? root : u"%1  [%2]"_s.arg(root, name),
                           volume.rootPath());
    }
}

void FolderDialog::selectVolume(const QString &rootPath)
{
    const QStorageInfo volume(rootPath);
    if (!volume.isValid() || !volume.isReady() || !QDir(rootPath).isReadable()) {
        tell(m_platform, this, u"デバイスの準備が出来ていません"_s, PromptIcon::Warning);
        showVolume(m_lastVolume);
        return;
    }
    m_lastVolume = rootPath;
    showVolume(rootPath);
    selectFolder(rootPath);
}

void FolderDialog::showVolume(const QString &rootPath)
{
    const int index = m_volumes->findData(rootPath);
    if (index >= 0)
        m_volumes->setCurrentIndex(index);
    m_model->setRootPath(rootPath);
    m_folders->setRootIndex(m_model->index(rootPath));
}

void FolderDialog::selectFolder(const QString &folder)
{
    const QString root = QStorageInfo(folder).rootPath();
    if (m_model->rootPath() != root)
        showVolume(root);
    m_selected = QDir::toNativeSeparators(QDir::cleanPath(folder));
    m_folderLabel->setText(m_selected);
    const QModelIndex index = m_model->index(folder);
    if (index.isValid() && m_folders->currentIndex() != index) {
        m_folders->setCurrentIndex(index);
        m_folders->scrollTo(index);
    }
}
