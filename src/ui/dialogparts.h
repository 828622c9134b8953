#pragma once

#include <QString>
#include <QWidget>

#include <optional>
#include <utility>

class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

// Small pieces the dialogs are built of.

QLabel *namedLabel(const QString &name, const QString &text, QWidget *parent);

// A box that shows a value the window does not take: read-only, on the
// window's background, so it does not look as if typing there did anything.
void showAsReadOnly(QLineEdit *box);

// The confirm and cancel buttons at the right end of a row; confirm is the default button.
struct ConfirmRow
{
    QHBoxLayout *layout = nullptr;
    QPushButton *confirm = nullptr;
    QPushButton *cancel = nullptr;
};
ConfirmRow confirmRow(QWidget *dialog, const QString &confirmName, const QString &confirmCaption,
                      const QString &cancelName);

// A control created with its specified name as objectName.
template<class Widget, class... Args> Widget *namedChild(QWidget *parent, const QString &name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)..., parent);
    widget->setObjectName(name);
    return widget;
}

// Places controls by their design geometry in twips, at the window's resolution.
class TwipsPlacement
{
public:
    explicit TwipsPlacement(const QWidget &window);
    void place(QWidget *widget, int left, int top, int width, int height) const;
    int x(double twips) const;
    int y(double twips) const;

private:
    double m_dpiX;
    double m_dpiY;
};

// The first and last rows of a table's selection; nothing when no row is selected.
std::optional<std::pair<int, int>> selectedRowSpan(const QTableWidget &table);
