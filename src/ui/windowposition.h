#pragma once

#include <QDialog>
#include <QString>

struct Platform;

// Dialogs open where they were last closed: their left and top, in twips, are
// kept in the settings store under the window's name.
void restoreDialogPosition(QWidget &window, Platform &platform, const QString &windowName);
void saveDialogPosition(const QWidget &window, Platform &platform, const QString &windowName);

// A modal dialog whose object name is its window name, placed where it was
// last closed and remembering its place however it closes.
class RememberedDialog : public QDialog
{
    Q_OBJECT

public:
    RememberedDialog(Platform &platform, const QString &windowName, QWidget *parent);

    void done(int result) override;

protected:
    void showEvent(QShowEvent *event) override;

    Platform &m_platform;

private:
    bool m_placed = false;
};
