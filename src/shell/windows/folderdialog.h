#pragma once

#include "ui/windowposition.h"

class QComboBox;
class QFileSystemModel;
class QLabel;
class QTreeView;
struct Session;

// DF_SET: picks the data folder from the machine's volumes (drives on
// Windows, mounted volumes elsewhere) and their folders.
class FolderDialog : public RememberedDialog
{
    Q_OBJECT

public:
    // Opens on `startFolder` when it exists, else on the work folder.
    FolderDialog(Session &session, Platform &platform, const QString &startFolder, QWidget *parent = nullptr);

    // The folder chosen, in the platform's own separators.
    QString selectedFolder() const { return m_selected; }

    // Shows the volume's folders; a volume that cannot be read is refused and
    // the volume shown before is selected again.
    void selectVolume(const QString &rootPath);
    void selectFolder(const QString &folder);

private:
    void createControls();
    void fillVolumes();
    void showVolume(const QString &rootPath);

    QLabel *m_folderLabel = nullptr; // Label1
    QComboBox *m_volumes = nullptr;  // Drive1
    QTreeView *m_folders = nullptr;  // Dir1
    QFileSystemModel *m_model = nullptr;
    QString m_lastVolume;
    QString m_selected;
};
