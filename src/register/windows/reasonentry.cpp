#include "reasonentry.h"

#include "data/markreasons.h"
#include "data/reasoncategories.h"
#include "data/storedtext.h"
#include "ui/dialogparts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int BoxesPerColumn = 6;

} // namespace

ReasonEntry::ReasonEntry(const QString &title, const QStringList &categories, const MarkReason &current,
                         QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"REASON_ENTRY"_s);
    setWindowTitle(u"欠席理由"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel(u"REASON_TITLE"_s, title, this));

    auto *grid = new QGridLayout;
    QStringList shown = categories;
    for (const QString &category : current.Categories) {
        if (!shown.contains(category))
            shown.append(category);
    }
    for (int i = 0; i < shown.size(); ++i) {
        const QString hint = ReasonCategories::hint(shown[i]);
        auto *box = namedChild<QCheckBox>(this, u"REASON_CATEGORY_%1"_s.arg(i), shown[i]);
        box->setChecked(current.Categories.contains(shown[i]));
        if (!hint.isEmpty())
            box->setToolTip(hint);
        grid->addWidget(box, i % BoxesPerColumn, 2 * (i / BoxesPerColumn));
        if (!hint.isEmpty())
            grid->addWidget(new QLabel(u"（"_s + hint + u"）"_s, this), i % BoxesPerColumn,
                            2 * (i / BoxesPerColumn) + 1);
        m_boxes.append(box);
    }
    layout->addLayout(grid);

    auto *textLabel = new QLabel(u"説明(&T)"_s, this);
    m_text = namedChild<QLineEdit>(this, u"REASON_TEXT"_s);
    m_text->setMaxLength(MarkReasons::TextLimit);
    m_text->setText(current.Text);
    m_text->setPlaceholderText(u"%1文字まで"_s.arg(MarkReasons::TextLimit));
    textLabel->setBuddy(m_text);
    layout->addWidget(textLabel);
    layout->addWidget(m_text);

    m_refusal = namedLabel(u"REASON_REFUSAL"_s, QString(), this);
    m_refusal->setStyleSheet(u"color: #c00000"_s);
    m_refusal->setWordWrap(true);
    layout->addWidget(m_refusal);

    const ConfirmRow buttons = confirmRow(this, u"REASON_OK"_s, u"ＯＫ"_s, u"REASON_CANCEL"_s);
    connect(buttons.confirm, &QPushButton::clicked, this, &ReasonEntry::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &ReasonEntry::reject);
    layout->addLayout(buttons.layout);
}

MarkReason ReasonEntry::chosen() const
{
    MarkReason reason;
    for (QCheckBox *box : m_boxes) {
        if (box->isChecked())
            reason.Categories.append(box->text());
    }
    reason.Text = StoredText::asStored(m_text->text()).trimmed();
    return reason;
}

// Stays open, saying why, until what is entered can be kept.
void ReasonEntry::accept()
{
    const MarkReason reason = chosen();
    QString refusal;
    if (reason.Categories.isEmpty() && !reason.Text.isEmpty())
        refusal = u"理由を一つ以上選んでください"_s;
    else if (const auto refused = StoredText::firstRefused(m_text->text()))
        refusal = StoredText::refusalMessage(*refused);
    if (!refusal.isEmpty()) {
        m_refusal->setText(refusal);
        return;
    }
    QDialog::accept();
}
