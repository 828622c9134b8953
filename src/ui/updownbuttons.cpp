#include "updownbuttons.h"

#include <QToolButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

UpDownButtons::UpDownButtons(QWidget *parent)
    : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    auto addButton = [&](const QString &name, Qt::ArrowType arrow, int step) {
        auto *button = new QToolButton(this);
        button->setObjectName(name);
        button->setArrowType(arrow);
        button->setAutoRepeat(true);
        button->setFocusPolicy(Qt::NoFocus);
        button->setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Expanding);
        connect(button, &QToolButton::clicked, this, [this, step] { emit stepped(step); });
        layout->addWidget(button);
    };
    addButton(u"UP"_s, Qt::UpArrow, 1);
    addButton(u"DOWN"_s, Qt::DownArrow, -1);
}
