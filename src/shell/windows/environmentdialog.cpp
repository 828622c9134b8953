#include "environmentdialog.h"

#include "calendar/monthchoice.h"
#include "data/cp932.h"
#include "data/folderpath.h"
#include "data/session.h"
#include "data/storedtext.h"
#include "folderdialog.h"
#include "settingssave.h"
#include "ui/dialogparts.h"
#include "ui/platform.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>

#include <limits>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// The school code as the settings file keeps it, a number: "1234" and
// "１２３４" are 1234. nullopt for anything but digits, or a number too large
// for the field.
std::optional<qint32> schoolCodeValue(const QString &text)
{
    qint64 value = 0;
    for (const QChar c : text.normalized(QString::NormalizationForm_KC)) {
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<qint32>::max())
            return std::nullopt;
    }
    return qint32(value);
}

bool endsWithSeparator(const QString &path)
{
    return path.endsWith(u'/') || path.endsWith(u'\\');
}

} // namespace

EnvironmentDialog::EnvironmentDialog(Session &session, Platform &platform, QWidget *parent)
    : RememberedDialog(platform, u"USER_SET"_s, parent)
    , m_session(session)
{
    setWindowTitle(u"環境設定"_s);
    createControls();
    const ProgramSettings &settings = m_session.Settings;
    m_schoolCode->setText(settings.SchoolCode != 0 ? QString::number(settings.SchoolCode) : QString());
    m_schoolName->setText(StoredText::asStored(settings.SchoolName));
    m_teacher->setText(m_session.Register.TeacherName);
    m_staffCode->setText(settings.StaffCode);
    m_folder->setText(settings.DataFolder);
    m_countBySex->setChecked(settings.CountBySex != 0);

    const QSize designed(twipsToPixels(8040, logicalDpiX()), twipsToPixels(3560, logicalDpiY()));
    setFixedSize(designed.expandedTo(minimumSizeHint()));
}

void EnvironmentDialog::createControls()
{
    auto *layout = new QGridLayout(this);
    int row = 0;
    auto addBox = [&](const QString &labelName, const QString &caption, const QString &boxName, int span) {
        QLabel *label = namedLabel(labelName, caption, this);
        auto *box = new QLineEdit(this);
        box->setObjectName(boxName);
        label->setBuddy(box);
        layout->addWidget(label, row, 0);
        layout->addWidget(box, row, 1, 1, span);
        ++row;
        return box;
    };
    m_schoolCode = addBox(u"Label1"_s, u"学校コード"_s, u"SC_CODE"_s, 1);
    m_schoolName = addBox(u"Label2"_s, u"学校名"_s, u"SC_NAME"_s, 2);
    m_teacher = addBox(u"Label4"_s, u"担任氏名"_s, u"TS_NAME"_s, 1);
    m_staffCode = addBox(u"Label6"_s, u"職員コード"_s, u"TS_CODE"_s, 1);
    m_folder = addBox(u"Label5"_s, u"ドライブ＆フォルダ設定"_s, u"SET_DIR"_s, 1);
    // The open month's teacher and the staff code are shown, not set, here.
    showAsReadOnly(m_teacher);
    showAsReadOnly(m_staffCode);
    m_schoolCode->setMaxLength(13);
    m_schoolCode->setValidator(new QRegularExpressionValidator(QRegularExpression(u"[0-9０-９]*"_s), m_schoolCode));

    auto *browse = new QPushButton(u"参照"_s, this);
    browse->setObjectName(u"Command3"_s);
    browse->setAutoDefault(false);
    layout->addWidget(browse, row - 1, 2);

    m_countBySex = new QCheckBox(u"在籍者数男女別集計"_s, this);
    m_countBySex->setObjectName(u"CHK1"_s);
    layout->addWidget(m_countBySex, row++, 1, 1, 2);

    const ConfirmRow buttons = confirmRow(this, u"OK"_s, u"保存終了"_s, u"B_ESC"_s);
    layout->addLayout(buttons.layout, row, 0, 1, 3);
    layout->setColumnStretch(1, 1);

    connect(browse, &QPushButton::clicked, this, &EnvironmentDialog::browseFolders);
    connect(buttons.confirm, &QPushButton::clicked, this, &EnvironmentDialog::confirm);
    connect(buttons.cancel, &QPushButton::clicked, this, &EnvironmentDialog::reject);
}

void EnvironmentDialog::refuse(const QString &message)
{
    tell(m_platform, this, message, PromptIcon::Critical);
}

bool EnvironmentDialog::refuseUnstorable(const QString &text)
{
    const std::optional<char32_t> character = StoredText::firstRefused(text);
    if (character)
        refuse(StoredText::refusalMessage(*character));
    return character.has_value();
}

void EnvironmentDialog::confirm()
{
    const QString code = m_schoolCode->text().trimmed();
    const QString name = m_schoolName->text().trimmed();
    const std::optional<qint32> codeValue = schoolCodeValue(code);
    if (code.size() < 4 || name.size() < 3 || !codeValue) {
        refuse(u"学校コード又は、学校名が不正です"_s);
        return;
    }
    if (refuseUnstorable(name))
        return;

    QString folder = m_folder->text().trimmed();
    if (folder.size() < 2) {
        refuse(u"ドライブ・フォルダーの設定が不正です"_s);
        return;
    }
    if (refuseUnstorable(folder))
        return;
    if (endsWithSeparator(folder)) {
        folder.chop(1);
        m_folder->setText(folder);
    }
    if (!prepareDataFolder(folder))
        return;

    // The typed values take effect only once ROLL.SEW holds them, so that the
    // data folder in use is always the one the next start reads.
    ProgramSettings settings = m_session.Settings;
    settings.DataFolder = folder;
    settings.SchoolCode = *codeValue;
    settings.SchoolName = Cp932::normalizeText(name);
    settings.CountBySex = m_countBySex->isChecked() ? 1 : 0;
    if (!saveSettings(settings, m_session.State.MonthFolder, m_platform, this))
        return;
    m_session.Settings = settings;
    accept();
}

bool EnvironmentDialog::prepareDataFolder(const QString &folder)
{
    if (const auto unreachable = unreachableDataFolder(folder)) {
        refuse(*unreachable);
        return false;
    }
    const std::optional<QStringList> missing =
        missingFolders(absoluteFolderPath(m_session.Settings.WorkFolder, folder));
    if (missing && missing->isEmpty())
        return true;
    if (missing) {
        const PromptMessage question{u"保存データ用フォルダーを作成しますか？"_s, ProgramTitle, PromptIcon::Question,
                                     PromptButtons::YesNo};
        if (m_platform.prompts.ask(this, question) == PromptAnswer::No)
            return false;
        if (createFolders(*missing))
            return true;
    }
    refuse(u"フォルダーが作成できません"_s);
    return false;
}

void EnvironmentDialog::browseFolders()
{
    FolderDialog dialog(m_session, m_platform, m_folder->text().trimmed(), this);
    if (dialog.exec() == QDialog::Accepted)
        m_folder->setText(dialog.selectedFolder());
}
