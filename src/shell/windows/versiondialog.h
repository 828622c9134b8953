#pragma once

#include <QDialog>

class QLabel;

// VER_FORM: the program's name, icon and version. Double-clicking the version
// line shows or hides the lower part with a note about the program.
class VersionDialog : public QDialog
{
    Q_OBJECT

public:
    explicit VersionDialog(QWidget *parent = nullptr);

    // "Version 1.00   100.4.724".
    static QString versionText();

    // Switches between the short (2150 twips) and the tall (2800 twips) dialog.
    void toggleDetails();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void setHeightTwips(int twips);

    QLabel *m_version = nullptr; // Label2
    QLabel *m_details = nullptr; // Label4
};
