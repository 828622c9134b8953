#include "helpwindow.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTextBlock>
#include <QTextBrowser>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

namespace {

constexpr int PositionRole = Qt::UserRole;

QString manualText()
{
    QFile file(u":/help/manual.md"_s);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

} // namespace

HelpWindow::HelpWindow(QWidget *parent)
    : QWidget(parent, Qt::Window)
{
    setObjectName(u"HELP"_s);
    setWindowTitle(u"ヴェルトラ ヘルプ"_s);
    createControls();
    m_text->setMarkdown(manualText());
    fillTopics();
    resize(900, 650);
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void HelpWindow::createControls()
{
    auto *findLabel = new QLabel(u"検索する語"_s, this);
    m_search = new QLineEdit(this);
    m_search->setObjectName(u"FIND"_s);
    m_search->setClearButtonEnabled(true);
    findLabel->setBuddy(m_search);
    auto *next = new QPushButton(u"次を検索"_s, this);
    next->setObjectName(u"B_NEXT"_s);
    m_searchNote = new QLabel(this);
    m_searchNote->setObjectName(u"FIND_NOTE"_s);

    m_topics = new QListWidget(this);
    m_topics->setObjectName(u"TOPICS"_s);
    m_text = new QTextBrowser(this);
    m_text->setObjectName(u"TEXT"_s);
    m_text->setOpenExternalLinks(true);

    auto *searchRow = new QHBoxLayout;
    searchRow->addWidget(findLabel);
    searchRow->addWidget(m_search, 1);
    searchRow->addWidget(next);
    searchRow->addWidget(m_searchNote);
    auto *splitter = new QSplitter(this);
    splitter->addWidget(m_topics);
    splitter->addWidget(m_text);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 680});
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(searchRow);
    layout->addWidget(splitter, 1);

    auto search = [this] { findNext(m_search->text()); };
    connect(m_search, &QLineEdit::returnPressed, this, search);
    connect(next, &QPushButton::clicked, this, search);
    connect(m_topics, &QListWidget::itemActivated, this,
            [this](QListWidgetItem *item) { showTopic(item->data(PositionRole).toInt()); });
    connect(m_topics, &QListWidget::itemClicked, this,
            [this](QListWidgetItem *item) { showTopic(item->data(PositionRole).toInt()); });
}

void HelpWindow::fillTopics()
{
    for (QTextBlock block = m_text->document()->begin(); block.isValid(); block = block.next()) {
        const int level = block.blockFormat().headingLevel();
        if (level < 1 || level > 3)
            continue;
        auto *item = new QListWidgetItem(QString(qsizetype(2) * (level - 1), u' ') + block.text(), m_topics);
        item->setData(PositionRole, block.position());
    }
}

void HelpWindow::showTopic(int position)
{
    QTextCursor cursor(m_text->document());
    cursor.setPosition(position);
    m_text->setTextCursor(cursor);
    // Bring the heading to the top rather than just into view.
    m_text->verticalScrollBar()->setValue(m_text->verticalScrollBar()->maximum());
    m_text->ensureCursorVisible();
}

void HelpWindow::showSearchPage()
{
    show();
    raise();
    activateWindow();
    m_search->setFocus();
    m_search->selectAll();
}

bool HelpWindow::findNext(const QString &text)
{
    m_searchNote->clear();
    if (text.isEmpty())
        return false;
    if (m_text->find(text))
        return true;
    m_text->moveCursor(QTextCursor::Start);
    if (m_text->find(text))
        return true;
    m_searchNote->setText(u"「%1」は見つかりません"_s.arg(text));
    return false;
}
