#pragma once

#include <QLineEdit>

// A text box of the sheet (ED_BOX1, ED_BOX2): reports the Enter and Esc keys,
// which it swallows, and its gaining and losing the focus.
class EntryBox : public QLineEdit
{
    Q_OBJECT

public:
    EntryBox(const QString &name, QWidget *parent);

signals:
    void enterPressed();
    void escapePressed();
    void focusEntered();
    void focusLeft();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};
