#include "dialogparts.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

ConfirmRow confirmRow(QWidget *dialog, const QString &confirmName, const QString &confirmCaption,
                      const QString &cancelName)
{
    ConfirmRow row;
    row.confirm = new QPushButton(confirmCaption, dialog);
    row.confirm->setObjectName(confirmName);
    row.confirm->setDefault(true);
    row.cancel = new QPushButton(u"ｷｬﾝｾﾙ"_s, dialog);
    row.cancel->setObjectName(cancelName);
    row.layout = new QHBoxLayout;
    row.layout->addStretch();
    row.layout->addWidget(row.confirm);
    row.layout->addWidget(row.cancel);
    return row;
}
