#pragma once

#include <QString>

class QHBoxLayout;
class QLabel;
class QPushButton;
class QWidget;

// Small pieces the dialogs are built of.

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent);

// The confirm and cancel buttons at the right end of a row; confirm is the default button.
struct ConfirmRow
{
    QHBoxLayout *layout = nullptr;
    QPushButton *confirm = nullptr;
    QPushButton *cancel = nullptr;
};
ConfirmRow confirmRow(QWidget *dialog, const QString &confirmName, const QString &confirmCaption,
                      const QString &cancelName);
