#pragma once

#include <QGroupBox>

#include <array>

class QLabel;

// The mark palette SETL in the frame "出欠席・転出入等": label SETL_<code> for
// every mark code that can be entered, the chosen one standing out with an
// opaque background and a border; beside each caption the key that chooses it.
class MarkPalette : public QGroupBox
{
    Q_OBJECT

public:
    explicit MarkPalette(QWidget *parent);

    // SETL_Click: makes `code` the chosen entry.
    void choose(int code);
    int current() const { return m_current; }

    // The frame's size in twips.
    static QSize sizeTwips();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    std::array<QLabel *, 21> m_labels{}; // by mark code; null where a code has no entry
    int m_current = -1;
};
