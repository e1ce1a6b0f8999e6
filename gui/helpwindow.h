// The help window: the pages compiled in as resources, shown in a text
// browser beside an alphabetical keyword index with a filter field. One
// instance, not modal; it follows the interface language.
#pragma once

#include "model/helpindex.h"

#include <QWidget>

#include <string>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTextBrowser;

namespace app::qt {

class HelpWindow : public QWidget {
public:
    explicit HelpWindow(const std::string& language, QWidget* parent = nullptr);

    // Titles, keywords and the page shown change to that language.
    void SetLanguage(const std::string& language);
    // Shows the window, raised, at its keyword index with an empty keyword.
    void ShowIndex();

    QLineEdit* filter() const { return filter_; }
    QListWidget* keywordList() const { return list_; }
    QTextBrowser* browser() const { return browser_; }

private:
    void ApplyTexts();
    void FillList();
    void ShowTopic(const QListWidgetItem* item);
    void PrintTopic();

    std::string language_;
    std::vector<HelpKeyword> keywords_;
    QLabel* filterLabel_;
    QLineEdit* filter_;
    QListWidget* list_;
    QTextBrowser* browser_;
    QPushButton* back_;
    QPushButton* forward_;
    QPushButton* print_;
};

}  // namespace app::qt
