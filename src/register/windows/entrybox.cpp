#include "entrybox.h"

#include <QKeyEvent>

namespace {

// The focus leaves and comes back with the window's activation (a message box,
// another program): that neither ends nor restarts an entry.
bool movesWithinWindow(const QFocusEvent *event)
{
    return event->reason() != Qt::ActiveWindowFocusReason && event->reason() != Qt::PopupFocusReason;
}

} // namespace

EntryBox::EntryBox(const QString &name, QWidget *parent)
    : QLineEdit(parent)
{
    setObjectName(name);
    setFrame(false);
    hide();
}

void EntryBox::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        emit enterPressed();
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        emit escapePressed();
        return;
    }
    QLineEdit::keyPressEvent(event);
}

void EntryBox::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (movesWithinWindow(event))
        emit focusEntered();
}

void EntryBox::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    if (movesWithinWindow(event))
        emit focusLeft();
}
