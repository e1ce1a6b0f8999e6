#include "gui/helpwindow.h"

#include "gui/icons.h"

#include <QFile>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QSplitter>
#include <QStyle>
#include <QTextBrowser>
#include <QTextDocument>
#include <QVBoxLayout>

namespace app::qt {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

// Pages live under qrc:/help/<folder>/, the figure and style sheet one up.
QString Base(const HelpTexts& texts) { return QStringLiteral("qrc:/help/") + Q(texts.folder) + QLatin1Char('/'); }

}  // namespace

HelpWindow::HelpWindow(const std::string& language, QWidget* parent) : QWidget(parent, Qt::Window)
{
    filterLabel_ = new QLabel;
    filter_ = new QLineEdit;
    filterLabel_->setBuddy(filter_);
    list_ = new QListWidget;
    // Long keywords, such as whole message texts, wrap instead of being cut.
    list_->setWordWrap(true);
    list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    browser_ = new QTextBrowser;
    browser_->setOpenExternalLinks(true);
    // Qt's rich text draws <sub> and <sup> at two thirds of their own size,
    // which leaves the formulas' indices and exponents at about 9 px; given
    // 14pt they come out at 9pt beside the 11pt text. Only this window needs
    // it (a web browser scales them itself), so it is not in help.css.
    browser_->document()->setDefaultStyleSheet(QStringLiteral("sub, sup { font-size: 14pt; }"));
    back_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowBack), {});
    forward_ = new QPushButton(style()->standardIcon(QStyle::SP_ArrowForward), {});
    print_ = new QPushButton(ButtonPicture(Picture::Printer), {});
    back_->setEnabled(false);
    forward_->setEnabled(false);

    auto* index = new QWidget;
    auto* indexLayout = new QVBoxLayout(index);
    indexLayout->setContentsMargins(0, 0, 0, 0);
    indexLayout->addWidget(filterLabel_);
    indexLayout->addWidget(filter_);
    indexLayout->addWidget(list_);
    auto* splitter = new QSplitter;
    splitter->addWidget(index);
    splitter->addWidget(browser_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({290, 670});

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(back_);
    buttons->addWidget(forward_);
    buttons->addStretch();
    buttons->addWidget(print_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter);
    resize(960, 660);

    connect(filter_, &QLineEdit::textChanged, this, [this] { FillList(); });
    // Enter in the filter shows the keyword that the filter has selected.
    connect(filter_, &QLineEdit::returnPressed, this, [this] { ShowTopic(list_->currentItem()); });
    connect(list_, &QListWidget::itemClicked, this, [this](const QListWidgetItem* item) { ShowTopic(item); });
    connect(list_, &QListWidget::itemActivated, this, [this](const QListWidgetItem* item) { ShowTopic(item); });
    connect(back_, &QPushButton::clicked, browser_, &QTextBrowser::backward);
    connect(forward_, &QPushButton::clicked, browser_, &QTextBrowser::forward);
    connect(browser_, &QTextBrowser::backwardAvailable, back_, &QPushButton::setEnabled);
    connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QPushButton::setEnabled);
    connect(print_, &QPushButton::clicked, this, [this] { PrintTopic(); });

    SetLanguage(language);
}

void HelpWindow::SetLanguage(const std::string& language)
{
    if (language == language_ && !keywords_.empty())
        return;
    const QUrl shown = browser_->source();
    const HelpTexts& old = HelpTextsFor(language_);
    language_ = language;
    ApplyTexts();

    const HelpTexts& texts = HelpTextsFor(language_);
    QFile file(QStringLiteral(":/help/") + Q(texts.folder) + QStringLiteral("/keywords.txt"));
    file.open(QIODevice::ReadOnly);
    keywords_ = ParseHelpKeywords(file.readAll().toStdString());
    SortHelpKeywords(keywords_);
    filter_->clear();
    FillList();

    // The same topic in the other language: both folders hold the same pages.
    QString page = shown.toString();
    if (page.startsWith(Base(old)))
        page = Base(texts) + page.mid(Base(old).size());
    else
        page = Base(texts) + QStringLiteral("index.html");
    browser_->setSource(QUrl(page));
    browser_->clearHistory();
}

void HelpWindow::ApplyTexts()
{
    const HelpTexts& t = HelpTextsFor(language_);
    setWindowTitle(Q(t.title));
    filterLabel_->setText(Q(t.filterLabel));
    back_->setText(Q(t.back));
    forward_->setText(Q(t.forward));
    print_->setText(Q(t.print));
    filter_->setAccessibleName(Q(t.filterName));
    list_->setAccessibleName(Q(t.keywordListName));
    browser_->setAccessibleName(Q(t.topicName));
    back_->setAccessibleName(Q(t.backName));
    forward_->setAccessibleName(Q(t.forwardName));
    print_->setAccessibleName(Q(t.printName));
}

void HelpWindow::FillList()
{
    list_->clear();
    for (const HelpKeyword& k : FilterHelpKeywords(keywords_, filter_->text().toStdString())) {
        auto* item = new QListWidgetItem(Q(k.keyword), list_);
        item->setData(Qt::UserRole, Q(k.target));
    }
    list_->setCurrentRow(0);
}

void HelpWindow::ShowTopic(const QListWidgetItem* item)
{
    if (item)
        browser_->setSource(QUrl(Base(HelpTextsFor(language_)) + item->data(Qt::UserRole).toString()));
}

void HelpWindow::ShowIndex()
{
    filter_->clear();
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
    filter_->setFocus();
}

void HelpWindow::PrintTopic()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        browser_->print(&printer);
}

}  // namespace app::qt
