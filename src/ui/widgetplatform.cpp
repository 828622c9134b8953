#include "widgetplatform.h"

#include "twips.h"

#include <QAbstractButton>
#include <QFileDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QStatusBar>
#include <QWidget>
#include <QWindow>

using namespace Qt::StringLiterals;

PromptAnswer tell(Platform &platform, QWidget *parent, const QString &text, PromptIcon icon, const QString &title)
{
    return platform.prompts.ask(parent, {text, title, icon, PromptButtons::Ok});
}

PromptAnswer WidgetPrompts::ask(QWidget *parent, const PromptMessage &message)
{
    QMessageBox box(parent);
    box.setText(message.text);
    box.setWindowTitle(message.title);
    switch (message.icon) {
    case PromptIcon::None:
        box.setIcon(QMessageBox::NoIcon);
        break;
    case PromptIcon::Information:
        box.setIcon(QMessageBox::Information);
        break;
    case PromptIcon::Warning:
        box.setIcon(QMessageBox::Warning);
        break;
    case PromptIcon::Critical:
        box.setIcon(QMessageBox::Critical);
        break;
    case PromptIcon::Question:
        box.setIcon(QMessageBox::Question);
        break;
    }
    switch (message.buttons) {
    case PromptButtons::Ok:
        box.setStandardButtons(QMessageBox::Ok);
        break;
    case PromptButtons::OkCancel:
    case PromptButtons::OpenReadOnlyCancel:
        box.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel);
        break;
    case PromptButtons::YesNo:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        break;
    }
    // The captions of the Japanese desktop, whatever translations are installed.
    const QString ok = message.buttons == PromptButtons::OpenReadOnlyCancel ? u"読み取り専用で開く"_s : u"OK"_s;
    const std::pair<QMessageBox::StandardButton, QString> captions[] = {{QMessageBox::Ok, ok},
                                                                        {QMessageBox::Cancel, u"キャンセル"_s},
                                                                        {QMessageBox::Yes, u"はい(&Y)"_s},
                                                                        {QMessageBox::No, u"いいえ(&N)"_s}};
    for (const auto &[button, caption] : captions) {
        if (QAbstractButton *shown = box.button(button))
            shown->setText(caption);
    }
    switch (box.exec()) {
    case QMessageBox::Cancel:
        return PromptAnswer::Cancel;
    case QMessageBox::Yes:
        return PromptAnswer::Yes;
    case QMessageBox::No:
        return PromptAnswer::No;
    default:
        return PromptAnswer::Ok;
    }
}

QString WidgetPrompts::openFileName(QWidget *parent, const QString &caption, const QString &folder,
                                    const QString &filter)
{
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString WidgetPrompts::saveFileName(QWidget *parent, const QString &caption, const QString &path, const QString &filter)
{
    return QFileDialog::getSaveFileName(parent, caption, path, filter);
}

QString WidgetPrompts::existingFolder(QWidget *parent, const QString &caption, const QString &folder)
{
    return QFileDialog::getExistingDirectory(parent, caption, folder);
}

void WidgetPrompts::showStatus(QWidget *parent, const QString &text)
{
    constexpr int ShownMilliseconds = 10000;
    for (QWidget *widget = parent; widget; widget = widget->parentWidget()) {
        if (auto *main = qobject_cast<QMainWindow *>(widget)) {
            main->statusBar()->showMessage(text, ShownMilliseconds);
            return;
        }
    }
}

QDate SystemClock::today() const
{
    return QDate::currentDate();
}

QSize PrimaryScreen::sizeTwips() const
{
    const QScreen *screen = QGuiApplication::primaryScreen();
    if (!screen)
        return {};
    const QSize pixels = screen->size();
    return {pixelsToTwips(pixels.width(), screen->logicalDotsPerInchX()),
            pixelsToTwips(pixels.height(), screen->logicalDotsPerInchY())};
}

std::optional<QMargins> PrimaryScreen::frameMargins(const QWidget &window) const
{
    // The platform window's own account: QWidget's frame geometry may lag
    // behind it. No frame until the window manager has framed the window.
    const QWindow *handle = window.windowHandle();
    if (!handle || !window.isVisible() || handle->frameMargins().isNull())
        return std::nullopt;
    return handle->frameMargins();
}
