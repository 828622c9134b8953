#include "reasoncategoriesdialog.h"

#include "data/marktable.h"
#include "data/session.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int AdditionRole = Qt::UserRole;
constexpr int CategoryRole = Qt::UserRole + 1;

} // namespace

ReasonCategoriesDialog::ReasonCategoriesDialog(Session &session, Platform &platform, QWidget *parent)
    : RememberedDialog(platform, u"REASON_SET"_s, parent)
    , m_session(session)
    , m_platform(platform)
{
    setWindowTitle(u"欠席理由の設定"_s);
    const LoadResult loaded = ReasonCategoriesFile::load(session.Settings.WorkFolder, m_categories);
    m_fileUnreadable = !loaded.ok();

    m_mark = namedChild<QComboBox>(this, u"REASON_MARK"_s);
    for (int code = MarkCode::Sick; code <= MarkCode::LateAndEarlyLeave; ++code) {
        const QString caption = MarkCaptions[code].isEmpty() ? u"遅刻・早退"_s : MarkCaptions[code].toString();
        m_mark->addItem(u"%1（%2）"_s.arg(MarkTable[code], caption), code);
    }
    m_list = namedChild<QListWidget>(this, u"REASON_LIST"_s);
    m_newName = namedChild<QLineEdit>(this, u"REASON_NEW"_s);
    m_newName->setMaxLength(ReasonCategories::NameLimit);
    m_newName->setPlaceholderText(u"追加する理由"_s);
    auto *add = namedChild<QPushButton>(this, u"REASON_ADD"_s, u"追加(&A)"_s);
    m_remove = namedChild<QPushButton>(this, u"REASON_REMOVE"_s, u"削除(&D)"_s);
    m_refusal = namedLabel(u"REASON_REFUSAL"_s, QString(), this);
    m_refusal->setWordWrap(true);
    m_refusal->setStyleSheet(u"color: #c00000"_s);
    if (m_fileUnreadable) {
        m_refusal->setText(u"学校で追加した欠席理由のファイルを読めないため、変更できません\n"_s
                           + QDir::toNativeSeparators(loaded.path));
        for (QWidget *control : std::initializer_list<QWidget *>{m_newName, add, m_remove})
            control->setEnabled(false);
    }

    auto *note = new QLabel(u"学校で追加した理由だけを削除できます。"_s, this);
    auto *entryRow = new QHBoxLayout;
    entryRow->addWidget(m_newName, 1);
    entryRow->addWidget(add);
    entryRow->addWidget(m_remove);
    const ConfirmRow buttons = confirmRow(this, u"REASON_SAVE"_s, u"ＯＫ"_s, u"REASON_CANCEL"_s);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_mark);
    layout->addWidget(m_list, 1);
    layout->addWidget(note);
    layout->addLayout(entryRow);
    layout->addWidget(m_refusal);
    layout->addLayout(buttons.layout);

    connect(m_mark, &QComboBox::currentIndexChanged, this, &ReasonCategoriesDialog::showList);
    connect(m_list, &QListWidget::currentRowChanged, this, [this] {
        const QListWidgetItem *item = m_list->currentItem();
        m_remove->setEnabled(!m_fileUnreadable && item && item->data(AdditionRole).toBool());
    });
    connect(add, &QPushButton::clicked, this, &ReasonCategoriesDialog::addCategory);
    connect(m_newName, &QLineEdit::returnPressed, this, &ReasonCategoriesDialog::addCategory);
    connect(m_remove, &QPushButton::clicked, this, &ReasonCategoriesDialog::removeCategory);
    connect(buttons.confirm, &QPushButton::clicked, this, &ReasonCategoriesDialog::accept);
    connect(buttons.cancel, &QPushButton::clicked, this, &ReasonCategoriesDialog::reject);
    showList();
}

int ReasonCategoriesDialog::chosenMark() const
{
    return m_mark->currentData().toInt();
}

// The mark's list, the school's own categories after the surveillance ones.
void ReasonCategoriesDialog::showList()
{
    m_list->clear();
    const int mark = chosenMark();
    for (const QString &category : m_categories.forMark(mark)) {
        const bool added = m_categories.additions().contains(ReasonCategories::Addition{mark, category});
        auto *item = new QListWidgetItem(added ? category + u"（学校で追加）"_s : category, m_list);
        item->setData(AdditionRole, added);
        item->setData(CategoryRole, category);
    }
    m_remove->setEnabled(false);
}

void ReasonCategoriesDialog::addCategory()
{
    const QString refusal = m_categories.add(chosenMark(), m_newName->text());
    m_refusal->setText(refusal);
    if (!refusal.isEmpty())
        return;
    m_newName->clear();
    showList();
}

void ReasonCategoriesDialog::removeCategory()
{
    const QListWidgetItem *item = m_list->currentItem();
    if (!item || !item->data(AdditionRole).toBool())
        return;
    m_categories.remove({chosenMark(), item->data(CategoryRole).toString()});
    showList();
}

// Saves the school's categories; the window stays open when they cannot be written.
void ReasonCategoriesDialog::accept()
{
    if (!m_fileUnreadable) {
        const SaveResult saved = ReasonCategoriesFile::save(m_session.Settings.WorkFolder, m_categories);
        if (!saved.ok) {
            tell(m_platform, this, saveFailureMessage(saved), PromptIcon::Warning);
            return;
        }
        m_session.ReasonLists = m_categories;
    }
    RememberedDialog::accept();
}
