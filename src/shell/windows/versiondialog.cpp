#include "versiondialog.h"

#include "data/settingsstore.h"
#include "ui/dialogparts.h"
#include "ui/twips.h"

#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

using namespace Qt::StringLiterals;

namespace {

constexpr int ShortHeightTwips = 2150;
constexpr int TallHeightTwips = 2800;
constexpr int WidthTwips = 5400;

} // namespace

VersionDialog::VersionDialog(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(u"VER_FORM"_s);
    setWindowTitle(u"バージョン情報"_s);
    setModal(true);

    auto *image = new QLabel(this);
    image->setObjectName(u"IMG"_s);
    image->setPixmap(windowIcon().pixmap(48, 48));
    image->setAlignment(Qt::AlignTop);
    m_version = namedLabel(u"Label2"_s, versionText(), this);
    m_version->installEventFilter(this);
    m_details = namedLabel(u"Label4"_s,
                           u"学級の出席簿を月ごとに記録し、集計・印刷するプログラムです。\n"
                           "Qt %1 を使用しています。"_s.arg(QString::fromLatin1(qVersion())),
                           this);
    m_details->setWordWrap(true);
    m_details->setVisible(false);
    auto *ok = new QPushButton(u"OK"_s, this);
    ok->setObjectName(u"OK"_s);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &VersionDialog::accept);

    auto *layout = new QGridLayout(this);
    layout->addWidget(image, 0, 0, 3, 1);
    layout->addWidget(namedLabel(u"Label1"_s, u"ヴェルトラ"_s, this), 0, 1);
    layout->addWidget(m_version, 1, 1);
    layout->addWidget(namedLabel(u"Label3"_s, QString(), this), 2, 1);
    layout->addWidget(ok, 0, 2, Qt::AlignTop);
    layout->addWidget(m_details, 3, 0, 1, 3);
    layout->setRowStretch(2, 1);

    setFixedWidth(twipsToPixels(WidthTwips, logicalDpiX()));
    setHeightTwips(ShortHeightTwips);
}

QString VersionDialog::versionText()
{
    return u"Version %1   %2.%3.%4"_s.arg(QString::number(ProgramVersion::Major / 100.0, 'f', 2))
        .arg(ProgramVersion::Major)
        .arg(ProgramVersion::Minor)
        .arg(ProgramVersion::Revision);
}

void VersionDialog::toggleDetails()
{
    const bool showDetails = !m_details->isVisibleTo(this);
    m_details->setVisible(showDetails);
    setHeightTwips(showDetails ? TallHeightTwips : ShortHeightTwips);
}

void VersionDialog::setHeightTwips(int twips)
{
    setFixedHeight(twipsToPixels(twips, logicalDpiY()));
}

bool VersionDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_version && event->type() == QEvent::MouseButtonDblClick) {
        toggleDetails();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}
