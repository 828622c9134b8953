#include "choicedialog.h"

#include "calendar/monthchoice.h"
#include "data/session.h"
#include "roster/classtitle.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

ChoiceDialog::ChoiceDialog(Session &session, Platform &platform, const QString &windowName, QWidget *parent)
    : RememberedDialog(platform, windowName, parent)
    , m_session(session)
{}

void ChoiceDialog::layOut(const QString &heading, QLayout *periodRow)
{
    m_classes = new QComboBox(this);
    m_classes->setObjectName(u"CLASS_NAME"_s);
    m_classes->setMinimumContentsLength(12);
    const ClassList &classes = m_session.Classes;
    const QString &chosenBefore = m_session.State.ClassTitle;
    int selected = -1;
    for (int index = 0; index < classes.ClassCount; ++index) {
        const QString &title = classes.Entries[index].Title;
        m_classes->addItem(title);
        if (!chosenBefore.isEmpty() && title == chosenBefore)
            selected = index;
    }
    m_classes->setCurrentIndex(classes.ClassCount == 1 ? 0 : selected);

    const ConfirmRow buttons = confirmRow(this, u"OK"_s, u"ＯＫ"_s, u"ESC"_s);
    m_ok = buttons.confirm;
    connect(m_ok, &QPushButton::clicked, this, [this] { confirm(); });
    connect(buttons.cancel, &QPushButton::clicked, this, [this] { cancel(); });

    auto *layout = new QGridLayout(this);
    layout->addWidget(namedLabel(u"Label3"_s, heading, this), 0, 0, 1, 2);
    layout->addLayout(periodRow, 1, 0, 1, 2);
    QLabel *classLabel = namedLabel(u"Label5"_s, u"クラス名"_s, this);
    classLabel->setBuddy(m_classes);
    layout->addWidget(classLabel, 2, 0);
    layout->addWidget(m_classes, 2, 1);
    layout->addLayout(buttons.layout, 3, 0, 1, 2);
    // The window manager shortens a title wider than the window: the dialog is
    // at least as wide as its title with the program's name after it, and
    // the icon and buttons of the title bar.
    constexpr int TitleBarExtras = 100; // pixels
    const QString shownTitle = windowTitle() + u" — "_s + QGuiApplication::applicationDisplayName();
    layout->addItem(new QSpacerItem(fontMetrics().horizontalAdvance(shownTitle) + TitleBarExtras, 0), 4, 0, 1, 2);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

const ClassEntry *ChoiceDialog::chosenClass()
{
    const int index = m_classes->currentIndex();
    if (index < 0) {
        tell(m_platform, this, u"クラスを指定してください"_s);
        return nullptr;
    }
    return &m_session.Classes.Entries[index];
}

bool ChoiceDialog::classFolderReachable(const ClassEntry &classEntry)
{
    if (const auto unsafe = ClassTitle::unsafeReason(classEntry.Title.trimmed())) {
        tell(m_platform, this, ClassTitle::refusalMessage(classEntry.Title, *unsafe), PromptIcon::Warning);
        return false;
    }
    if (const auto unreachable = unreachableDataFolder(m_session.Settings.DataFolder)) {
        tell(m_platform, this, *unreachable, PromptIcon::Warning);
        return false;
    }
    return true;
}

void ChoiceDialog::showEvent(QShowEvent *event)
{
    RememberedDialog::showEvent(event);
    m_ok->setFocus();
}

void ChoiceDialog::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Escape:
        cancel();
        break;
    // The boxes and buttons act on Enter themselves; no default button.
    case Qt::Key_Return:
    case Qt::Key_Enter:
        break;
    default:
        RememberedDialog::keyPressEvent(event);
    }
}
