#pragma once

#include <QDialog>

class QLineEdit;
class QListWidget;
class QTextBrowser;

namespace vorn {

struct HelpTopic
{
    QString title;
    QString keywords; // words the search finds the topic by
    QString html;
};

// The module's own help, bundled with the program.
const QList<HelpTopic>& HelpTopics();

// "Pomoc": the contents on the left, a topic on the right; the search narrows the contents to
// the topics whose title or keywords contain the words typed.
class TfrmPomoc : public QDialog
{
    Q_OBJECT
public:
    explicit TfrmPomoc(QWidget* parent = nullptr);
    void focusSearch();
    void search(const QString& words);
    QListWidget* contents() const { return m_list; }
    QTextBrowser* page() const { return m_page; }

private:
    QLineEdit* m_search;
    QListWidget* m_list;
    QTextBrowser* m_page;
};

} // namespace vorn
