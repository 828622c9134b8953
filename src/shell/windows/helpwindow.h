#pragma once

#include <QWidget>

class QLabel;
class QLineEdit;
class QListWidget;
class QTextBrowser;

// The user manual, built into the program, with its topics and a search
// field; Esc closes it.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // Shows the window with the focus in the search field.
    void showSearchPage();
    // Moves to the next place that holds `text`, from the top again after the
    // last one; false when the manual does not hold it.
    bool findNext(const QString &text);

private:
    void createControls();
    void fillTopics();
    void showTopic(int position);

    QLineEdit *m_search = nullptr;   // FIND
    QLabel *m_searchNote = nullptr;  // FIND_NOTE
    QListWidget *m_topics = nullptr; // TOPICS
    QTextBrowser *m_text = nullptr;  // TEXT
};
