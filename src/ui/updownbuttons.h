#pragma once

#include <QWidget>

// A pair of small arrow buttons, one above the other, that step a value.
// The buttons are named "UP" and "DOWN".
class UpDownButtons : public QWidget
{
    Q_OBJECT

public:
    explicit UpDownButtons(QWidget *parent = nullptr);

signals:
    // +1 for the upper button, −1 for the lower one.
    void stepped(int step);
};
