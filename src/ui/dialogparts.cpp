#include "dialogparts.h"

#include "twips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>

#include <algorithm>

using namespace Qt::StringLiterals;

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    return label;
}

void showAsReadOnly(QLineEdit *box)
{
    box->setReadOnly(true);
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    box->setPalette(palette);
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

TwipsPlacement::TwipsPlacement(const QWidget &window)
    : m_dpiX(window.logicalDpiX())
    , m_dpiY(window.logicalDpiY())
{}

void TwipsPlacement::place(QWidget *widget, int left, int top, int width, int height) const
{
    widget->setGeometry(x(left), y(top), x(width), y(height));
}

int TwipsPlacement::x(double twips) const
{
    return twipsToPixels(twips, m_dpiX);
}

int TwipsPlacement::y(double twips) const
{
    return twipsToPixels(twips, m_dpiY);
}

std::optional<std::pair<int, int>> selectedRowSpan(const QTableWidget &table)
{
    const QList<QTableWidgetSelectionRange> ranges = table.selectedRanges();
    if (ranges.isEmpty())
        return std::nullopt;
    std::pair<int, int> span{ranges.first().topRow(), ranges.first().bottomRow()};
    for (const QTableWidgetSelectionRange &range : ranges) {
        span.first = std::min(span.first, range.topRow());
        span.second = std::max(span.second, range.bottomRow());
    }
    return span;
}
