#pragma once

#include "data/records.h"

#include <QDialog>
#include <QList>

class QCheckBox;
class QLabel;
class QLineEdit;

// 欠席理由: the categories of a day's mark as check boxes and a short text.
// ＯＫ with nothing checked and no text removes the reason.
class ReasonEntry : public QDialog
{
    Q_OBJECT

public:
    // `title` names the day and the pupil; `categories` are the mark's list
    // (with any of `current`'s that the list lacks, so none is lost unseen).
    ReasonEntry(const QString &title, const QStringList &categories, const MarkReason &current, QWidget *parent);

    // The categories checked, in the list's order, and the text.
    MarkReason chosen() const;

    void accept() override;

private:
    QList<QCheckBox *> m_boxes;
    QLineEdit *m_text;
    QLabel *m_refusal;
};
