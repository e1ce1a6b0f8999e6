#include "gui/seasonwindow.h"

#include "casefile/replace_file.h"
#include "gui/progressrun.h"
#include "gui/seasonexport.h"
#include "gui/seasonpage.h"
#include "gui/studysave.h"
#include "gui/studytable.h"
#include "lang/texts.h"
#include "model/headless_platform.h"
#include "study/season_rows.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>
#include <stdexcept>

namespace app::qt {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const lang::Texts& TextsOf(const TForm1& form) { return lang::TextsFor(form.Language()); }

// The case as the window holds it at "Beregn", for the worker alone.
struct SeasonCase {
    HeadlessPlatform platform;
    TForm1 form;
    explicit SeasonCase(const TForm1& window) : form(window, platform) {}
};

}  // namespace

SeasonWindow::SeasonWindow(TForm1& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form)
{
    setObjectName(QStringLiteral("SeasonWindow"));
    // Laid out by Qt in the desktop's font, as the part-load window.
    setFont(QApplication::font());
    Build();
    Retranslate();
    // Fits a 1280 × 800 screen under a taskbar, frame included.
    resize(1100, 680);
}

void SeasonWindow::Build()
{
    status_ = new QLabel(this);
    status_->setWordWrap(true);
    table_ = new QTableWidget(this);
    SetUpResultTable(*table_);
    table_->setMinimumHeight(120);
    summary_ = new QLabel(this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The charts stretch; the summary keeps room for its longest label and value.
    summary_->setMinimumWidth(340);
    flowChart_ = new QCustomPlot(this);
    durationChart_ = new QCustomPlot(this);
    for (QCustomPlot* chart : {flowChart_, durationChart_}) {
        chart->setAntialiasedElements(QCP::aeAll);
        chart->setMinimumHeight(190);
    }

    auto* lower = new QWidget(this);
    auto* charts = new QHBoxLayout(lower);
    charts->setContentsMargins(0, 0, 0, 0);
    charts->addWidget(summary_);
    charts->addWidget(flowChart_, 1);
    charts->addWidget(durationChart_, 1);
    // The table and the charts share the height; the user moves the border.
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(lower);
    splitter->setChildrenCollapsible(false);
    splitter->setSizes({200, 280});

    auto* all = new QVBoxLayout(this);
    all->addLayout(BuildSettings());
    all->addLayout(BuildButtons());
    all->addWidget(status_);
    all->addWidget(splitter, 1);
}

QLayout* SeasonWindow::BuildSettings()
{
    auto* settings = new QGridLayout;
    const std::string decimal = form_.Format().decimal;
    const QString starts[kSeasonFieldCount] = {{}, "-12", "20", "17", Q("1" + decimal + "3"), {}, {}, {}};
    for (int i = 0; i < kSeasonFieldCount; ++i) {
        labels_[i] = new QLabel(this);
        fields_[i] = new QLineEdit(starts[i], this);
        labels_[i]->setBuddy(fields_[i]);
        settings->addWidget(labels_[i], i % 4, (i / 4) * 3);
        settings->addWidget(fields_[i], i % 4, (i / 4) * 3 + 1);
        connect(fields_[i], &QLineEdit::returnPressed, this, &SeasonWindow::Calculate);
    }
    // The weather file comes first: the window opens there.
    fields_[0]->setFocus();
    browseWeather_ = new QPushButton(this);
    browseTable_ = new QPushButton(this);
    settings->addWidget(browseWeather_, 0, 2);
    settings->addWidget(browseTable_, 1, 5);
    const auto browse = [this](SeasonField f) {
        const QString name = QFileDialog::getOpenFileName(this, labels_[static_cast<int>(f)]->text());
        if (!name.isEmpty())
            field(f)->setText(name);
    };
    connect(browseWeather_, &QPushButton::clicked, this, [=] { browse(SeasonField::Weather); });
    connect(browseTable_, &QPushButton::clicked, this, [=] { browse(SeasonField::SecondaryTable); });
    return settings;
}

QLayout* SeasonWindow::BuildButtons()
{
    auto* buttons = new QHBoxLayout;
    calculate_ = new QPushButton(this);
    copy_ = new QPushButton(this);
    save_ = new QPushButton(this);
    print_ = new QPushButton(this);
    close_ = new QPushButton(this);
    for (QPushButton* b : {calculate_, copy_, save_, print_})
        buttons->addWidget(b);
    buttons->addStretch();
    buttons->addWidget(close_);
    connect(calculate_, &QPushButton::clicked, this, &SeasonWindow::Calculate);
    connect(copy_, &QPushButton::clicked, this, &SeasonWindow::CopyTable);
    connect(save_, &QPushButton::clicked, this, &SeasonWindow::SaveAs);
    connect(print_, &QPushButton::clicked, this, [this] { ShowSeasonPreview(Page(), season_, chartCaptions(), this); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this, &QWidget::close);
    return buttons;
}

void SeasonWindow::Retranslate()
{
    const lang::Texts& texts = TextsOf(form_);
    const lang::SeasonTexts& t = texts.season;
    setWindowTitle(Q(t.title));
    const lang::Text captions[kSeasonFieldCount] = {t.weatherFile, t.designOutdoor,  t.indoor, t.limit,
                                                    t.exponent,    t.secondaryTable, t.supply, t.supplyCurve};
    for (int i = 0; i < kSeasonFieldCount; ++i)
        labels_[i]->setText(Q(captions[i]));
    field(SeasonField::Supply)->setPlaceholderText(Q(form_.Text(Field::Etpe)));
    field(SeasonField::SupplyCurve)->setPlaceholderText(QStringLiteral("-12:90,10:70"));
    browseWeather_->setText(Q(t.browse));
    browseTable_->setText(Q(t.browse));
    const std::pair<QPushButton*, lang::Text> buttons[] = {{calculate_, texts.study.calculate},
                                                           {copy_, texts.study.copy},
                                                           {save_, texts.study.saveAs},
                                                           {print_, texts.study.print},
                                                           {close_, texts.study.close}};
    for (const auto& [button, caption] : buttons)
        button->setText(Q(caption));
    Fill();
}

double SeasonWindow::Number(SeasonField f) const
{
    return calc::StrToFloat(field(f)->text().toStdString(), form_.Format().decimal);
}

study::SeasonSettings SeasonWindow::Settings() const
{
    study::SeasonSettings s;
    s.designOutdoor = Number(SeasonField::DesignOutdoor);
    s.indoor = Number(SeasonField::Indoor);
    s.limit = Number(SeasonField::Limit);
    if (!field(SeasonField::Exponent)->text().trimmed().isEmpty())
        s.exponent = Number(SeasonField::Exponent);
    if (!field(SeasonField::Supply)->text().trimmed().isEmpty())
        s.supply = {{0, Number(SeasonField::Supply)}};
    if (const QString curve = field(SeasonField::SupplyCurve)->text().trimmed(); !curve.isEmpty()) {
        const auto points = study::ParseSupplyCurve(curve.toStdString());
        if (!points)
            throw calc::ConversionError(curve.toStdString());
        s.supply = *points;
    }
    return s;
}

cli::SeasonOptions SeasonWindow::Given() const
{
    const auto text = [this](SeasonField f) -> std::optional<std::string> {
        const QString t = field(f)->text().trimmed();
        return t.isEmpty() ? std::nullopt : std::optional(t.toStdString());
    };
    return {text(SeasonField::Weather), text(SeasonField::DesignOutdoor), text(SeasonField::Indoor),
            text(SeasonField::Limit),   text(SeasonField::Exponent),      text(SeasonField::SecondaryTable),
            text(SeasonField::Supply),  text(SeasonField::SupplyCurve)};
}

void SeasonWindow::Calculate()
{
    // A second "Beregn" while one runs waits its turn.
    if (running_)
        return;
    const bool english = form_.Language() == "UK";
    form_.Dispatch([&] {
        const cli::SeasonOptions given = Given();
        study::SeasonSettings settings = Settings();
        if (given.secondaryTable)
            settings.secondaryTable =
                study::ReadSecondaryTable(study::ReadWeatherBytes(*given.secondaryTable, english), english);
        const study::Weather weather = study::ReadWeatherFile(given.weather.value_or(""), english);
        const auto job = std::make_shared<const SeasonCase>(form_);
        const lang::Texts& texts = TextsOf(form_);
        running_ = true;
        const auto finished = qScopeGuard([this] { running_ = false; });
        season_ = RunShowingProgress(this, {Q(texts.season.title), Q(texts.season.progress), Q(texts.study.cancel)},
                                     [job, weather, settings](study::SharedProgress& shared) {
                                         return study::RunSeason(job->form, weather, settings,
                                                                 [&shared](int done, int total) {
                                                                     shared.total = total;
                                                                     shared.done = done;
                                                                     return !shared.cancel;
                                                                 });
                                     });
        given_ = given;
    });
    Fill();
}

void SeasonWindow::Fill()
{
    const lang::Texts& texts = TextsOf(form_);
    const QStringList header = SeasonColumns(form_);
    table_->clearSpans();
    table_->setColumnCount(int(header.size()));
    QStringList heads;
    for (const QString& caption : header)
        heads << ColumnHeader(caption);
    table_->setHorizontalHeaderLabels(heads);
    table_->setRowCount(int(season_.bins.size()));
    for (int r = 0; r < int(season_.bins.size()); ++r) {
        const QStringList row = SeasonBinRow(season_.bins[size_t(r)], season_.format);
        for (int c = 0; c < row.size(); ++c)
            table_->setItem(r, c, new QTableWidgetItem(row[c]));
        if (!season_.bins[size_t(r)].ok())
            table_->setSpan(r, 6, 1, int(header.size()) - 6);
    }
    FitStudyColumns(*table_);
    QString status = Q(study::Joined(season_.failure, "\n"));
    if (season_.cancelled)
        status = Q(texts.season.cancelled).arg(season_.bins.size()).arg(season_.binsBelowLimit);
    status_->setText(status);
    status_->setVisible(!status.isEmpty());

    // Before a weather file is read there is nothing to sum.
    const bool read = season_.summary.hoursTotal > 0;
    QString text = "<b>" + Q(texts.season.summary).toHtmlEscaped() + "</b><table>";
    for (const study::SeasonRow& row : study::SummaryRows(season_, texts.season))
        text += "<tr><td>" + Q(row.caption).toHtmlEscaped() + "</td><td align=right>&nbsp;" +
                (row.value && read ? Q(calc::FormatResult(*row.value, row.decimals, season_.format)) : QString()) +
                "</td></tr>";
    summary_->setText(text + "</table>");
    FillSeasonFlowChart(*flowChart_, season_, chartCaptions());
    FillDurationChart(*durationChart_, season_, chartCaptions());
}

void SeasonWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    FitStudyColumns(*table_);
}

SeasonChartCaptions SeasonWindow::chartCaptions() const
{
    const lang::SeasonTexts& t = TextsOf(form_).season;
    return {Q(t.outdoor),     Q(form_.Caption(Field::Etpa_beregn)), Q(form_.Caption(Field::EV_p)),
            Q(t.hoursColumn), Q(form_.Caption(Field::EQ)),          Q(t.durationChart),
            Q(t.chartHint)};
}

void SeasonWindow::CopyTable()
{
    QString text = SeasonColumns(form_).join('\t') + '\n';
    for (int r = 0; r < table_->rowCount(); ++r) {
        for (int c = 0; c < table_->columnCount(); ++c)
            if (const QTableWidgetItem* item = table_->item(r, c))
                text += (c ? "\t" : "") + item->text();
        text += '\n';
    }
    QApplication::clipboard()->setText(text);
}

void SeasonWindow::Save(const QString& path)
{
    form_.Dispatch([&] {
        try {
            casefile::ReplaceFile(path.toStdString(), SeasonFileBytes(path, season_, given_, form_));
        } catch (const std::exception& e) {
            // The box says what failed, in the window's language, and why.
            throw std::runtime_error(std::string(TextsOf(form_).study.writeFailed) + ": " + e.what());
        }
    });
}

void SeasonWindow::SaveAs()
{
    const lang::SeasonTexts& t = TextsOf(form_).season;
    const QString path = AskSaveFileName(this, Q(t.saveTitle), Q(t.saveFilter), Q(t.fileName));
    if (!path.isEmpty())
        Save(path);
}

StudyPage SeasonWindow::Page() const { return SeasonPageOf(season_, given_, form_); }

}  // namespace app::qt
