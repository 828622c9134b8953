#include "markpalette.h"

#include "data/marktable.h"
#include "register/paletteentries.h"
#include "ui/twips.h"

#include <QEvent>
#include <QLabel>
#include <QMouseEvent>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int FrameWidth = 6300;
constexpr int FrameHeight = 800;

} // namespace

MarkPalette::MarkPalette(QWidget *parent)
    : QGroupBox(u"出欠席・転出入等"_s, parent)
{
    const auto px = [this](int twips) { return twipsToPixels(twips, logicalDpiX()); };
    const double hintPoints = font().pointSizeF() * 0.6;
    for (const PaletteEntry &entry : PaletteEntries) {
        const QString caption = MarkCaptions[entry.code].toString();
        // The key that chooses the entry stands small and grey right before its
        // caption, inside the entry's own box, so it cannot be taken for the
        // key of the neighbouring entry.
        const QString text = u"<span style=\"font-size:%1pt; color:#707070\">%2</span>%3"_s.arg(
            QString::number(hintPoints, 'f', 1), QChar(entry.key), caption);
        auto *label = new QLabel(text, this);
        label->setTextFormat(Qt::RichText);
        label->setObjectName(u"SETL_%1"_s.arg(entry.code));
        label->setAccessibleName(caption);
        label->setToolTip(u"%1（キー %2）"_s.arg(caption, QChar(entry.key)));
        label->setBackgroundRole(QPalette::Base);
        label->setIndent(0);
        label->setFrameShape(QFrame::Box); // sized for the border it has when chosen
        label->adjustSize();
        label->setFrameShape(QFrame::NoFrame);
        label->move(px(entry.x), px(entry.y));
        label->installEventFilter(this);
        m_labels[entry.code] = label;
    }
}

QSize MarkPalette::sizeTwips()
{
    return {FrameWidth, FrameHeight};
}

void MarkPalette::choose(int code)
{
    if (code < 0 || code >= int(m_labels.size()) || !m_labels[code])
        return;
    for (QLabel *label : m_labels) {
        if (!label)
            continue;
        label->setAutoFillBackground(false);
        label->setFrameShape(QFrame::NoFrame);
    }
    m_labels[code]->setAutoFillBackground(true);
    m_labels[code]->setFrameShape(QFrame::Box);
    m_current = code;
}

bool MarkPalette::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        const auto found = std::find(m_labels.begin(), m_labels.end(), watched);
        if (found != m_labels.end())
            choose(int(found - m_labels.begin()));
    }
    return QGroupBox::eventFilter(watched, event);
}
