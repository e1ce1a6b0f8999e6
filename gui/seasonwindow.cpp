#include "gui/seasonwindow.h"

#include "casefile/casefile.h"
#include "casefile/replace_file.h"
#include "cli/season_command.h"
#include "gui/messagebox.h"
#include "lang/texts.h"
#include "study/shown.h"

#include <qcustomplot.h>

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <sstream>

namespace app::qt {

namespace {

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

const lang::Texts& TextsOf(const TForm1& form) { return lang::TextsFor(form.Language()); }

// The table's columns after the outdoor temperature and the hours.
constexpr Field kInputs[] = {Field::EQ, Field::Etpe, Field::Etsa, Field::Etse};
constexpr study::Quantity kInputKinds[] = {study::Quantity::EQ, study::Quantity::Etpe, study::Quantity::Etsa,
                                           study::Quantity::Etse};

}  // namespace

SeasonWindow::SeasonWindow(TForm1& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form)
{
    setObjectName(QStringLiteral("SeasonWindow"));
    Build();
    Retranslate();
    resize(1100, 820);
}

void SeasonWindow::Build()
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
    }
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

    auto* buttons = new QHBoxLayout;
    calculate_ = new QPushButton(this);
    copy_ = new QPushButton(this);
    save_ = new QPushButton(this);
    close_ = new QPushButton(this);
    for (QPushButton* b : {calculate_, copy_, save_, close_})
        buttons->addWidget(b);
    buttons->addStretch();
    connect(calculate_, &QPushButton::clicked, this, &SeasonWindow::Calculate);
    connect(copy_, &QPushButton::clicked, this, &SeasonWindow::CopyTable);
    connect(save_, &QPushButton::clicked, this, [this] {
        const auto& t = TextsOf(form_).season;
        const QString path = QFileDialog::getSaveFileName(this, Q(t.saveTitle), Q(t.fileName) + ".csv", Q(t.csvFilter));
        if (!path.isEmpty())
            Save(path);
    });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    status_ = new QLabel(this);
    status_->setWordWrap(true);
    table_ = new QTableWidget(this);
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->hide();
    summary_ = new QLabel(this);
    summary_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    summary_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    // The charts stretch; the summary keeps room for its longest label and value.
    summary_->setMinimumWidth(340);
    flowChart_ = new QCustomPlot(this);
    durationChart_ = new QCustomPlot(this);
    flowChart_->setMinimumHeight(260);
    durationChart_->setMinimumHeight(260);

    auto* lower = new QHBoxLayout;
    lower->addWidget(summary_);
    lower->addWidget(flowChart_, 1);
    lower->addWidget(durationChart_, 1);
    auto* all = new QVBoxLayout(this);
    all->addLayout(settings);
    all->addLayout(buttons);
    all->addWidget(status_);
    all->addWidget(table_, 1);
    all->addLayout(lower);
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
    calculate_->setText(Q(texts.study.calculate));
    copy_->setText(Q(texts.study.copy));
    save_->setText(Q(t.saveCsv));
    close_->setText(Q(texts.study.close));
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

void SeasonWindow::ShowError(const std::string& text) { RunBox(this, ErrorBoxStyle(), Q(WithFullStop(text))); }

void SeasonWindow::Calculate()
{
    const bool english = form_.Language() == "UK";
    try {
        study::SeasonSettings settings = Settings();
        const std::string table = field(SeasonField::SecondaryTable)->text().trimmed().toStdString();
        if (!table.empty())
            settings.secondaryTable = study::ReadSecondaryTable(study::ReadWeatherBytes(table, english), english);
        const study::Weather weather =
            study::ReadWeatherFile(field(SeasonField::Weather)->text().trimmed().toStdString(), english);
        season_ = study::RunSeason(form_, weather, settings);
    } catch (const std::exception& e) {
        ShowError(e.what());
        return;
    }
    Fill();
}

void SeasonWindow::Fill()
{
    const lang::SeasonTexts& t = TextsOf(form_).season;
    QStringList header{Q(t.outdoor), Q(t.hoursColumn)};
    for (Field f : kInputs)
        header << Q(form_.Caption(f));
    for (Field f : study::kResultFields)
        header << Q(form_.Caption(f));
    table_->setColumnCount(int(header.size()));
    table_->setHorizontalHeaderLabels(header);
    table_->setRowCount(int(season_.bins.size()));
    const calc::NumberFormat& format = season_.format;
    for (int r = 0; r < int(season_.bins.size()); ++r) {
        const study::SeasonBin& bin = season_.bins[r];
        QStringList row{QString::number(bin.outdoor), Q(study::ValueText(bin.hours, format.decimal))};
        const double inputs[] = {bin.inputs.EQ, bin.inputs.Etpe, bin.inputs.Etsa, bin.inputs.Etse};
        for (int i = 0; i < 4; ++i)
            row << Q(study::ShownValue(inputs[i], kInputKinds[i], format));
        if (bin.ok())
            for (const std::string& text : bin.result->texts)
                row << Q(text);
        else
            row << Q(study::Joined(bin.messages, " | "));
        for (int c = 0; c < row.size(); ++c)
            table_->setItem(r, c, new QTableWidgetItem(row[c]));
        if (!bin.ok())
            table_->setSpan(r, 6, 1, int(header.size()) - 6);
    }
    table_->resizeColumnsToContents();
    status_->setText(Q(study::Joined(season_.failure, "\n")));

    const study::SeasonSummary& s = season_.summary;
    const auto shown = [&](std::optional<double> v, int decimals) {
        return v ? Q(calc::FormatResult(*v, decimals, format)) : QString();
    };
    const std::pair<lang::Text, QString> lines[] = {
        {t.heat, shown(s.heatMWh, 2)},
        {t.primaryVolume, shown(s.primaryVolume, 1)},
        {t.weightedReturn, shown(s.weightedReturn, 2)},
        {t.weightedCooling, shown(s.weightedCooling, 2)},
        {t.peakFlow, shown(s.peakFlow, 3)},
        {t.peakFlowOutdoor, s.peakFlowOutdoor ? QString::number(*s.peakFlowOutdoor) : QString()},
        {t.hoursComputed, Q(study::ValueText(s.hoursComputed, format.decimal))},
        {t.hoursBelowLimit, Q(study::ValueText(s.hoursBelowLimit, format.decimal))},
        {t.hoursTotal, Q(study::ValueText(s.hoursTotal, format.decimal))},
    };
    QString text = "<b>" + Q(t.summary).toHtmlEscaped() + "</b><table>";
    for (const auto& [label, value] : lines)
        text += "<tr><td>" + Q(label).toHtmlEscaped() + "</td><td align=right>&nbsp;" + value.toHtmlEscaped() +
                "</td></tr>";
    summary_->setText(text + "</table>");
    FillCharts();
}

void SeasonWindow::FillCharts()
{
    const lang::SeasonTexts& t = TextsOf(form_).season;
    QVector<double> outdoor, ret, flow, hours, load;
    double done = 0;
    for (const study::SeasonBin& bin : season_.bins) {
        if (!bin.ok())
            continue;
        outdoor << bin.outdoor;
        ret << bin.result->values.tpa;
        flow << bin.result->values.Vp;
        // The coldest bins carry the highest load: a step per bin.
        hours << done << done + bin.hours;
        load << bin.inputs.EQ << bin.inputs.EQ;
        done += bin.hours;
    }
    if (done < season_.summary.hoursTotal)
        hours << done << season_.summary.hoursTotal, load << 0 << 0;

    QCustomPlot& p = *flowChart_;
    p.clearGraphs();
    p.yAxis2->setVisible(true);
    QCPGraph* r = p.addGraph(p.xAxis, p.yAxis);
    QCPGraph* f = p.addGraph(p.xAxis, p.yAxis2);
    r->setData(outdoor, ret, true);
    f->setData(outdoor, flow, true);
    r->setPen(QPen(QColor(200, 40, 40), 2));
    f->setPen(QPen(QColor(40, 80, 200), 2));
    p.xAxis->setLabel(Q(t.outdoor));
    p.yAxis->setLabel(Q(form_.Caption(Field::Etpa_beregn)));
    p.yAxis2->setLabel(Q(form_.Caption(Field::EV_p)));
    p.rescaleAxes();
    p.replot();

    QCustomPlot& d = *durationChart_;
    d.clearGraphs();
    QCPGraph* g = d.addGraph();
    g->setData(hours, load, true);
    g->setPen(QPen(QColor(40, 120, 40), 2));
    d.plotLayout()->setRowSpacing(0);
    d.xAxis->setLabel(Q(t.hoursColumn));
    d.yAxis->setLabel(Q(form_.Caption(Field::EQ)));
    d.setToolTip(Q(t.durationChart));
    d.rescaleAxes();
    d.replot();
}

void SeasonWindow::CopyTable()
{
    QString text;
    for (int c = 0; c < table_->columnCount(); ++c)
        text += (c ? "\t" : "") + table_->horizontalHeaderItem(c)->text();
    text += '\n';
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
    std::ostringstream out;
    const lang::Language language = form_.Language() == "UK" ? lang::Language::English : lang::Language::Danish;
    cli::WriteSeason(out, {cli::Format::Csv, cli::Precision::Full, language, form_.Format()}, "", Given(), form_,
                     season_);
    try {
        casefile::ReplaceFile(path.toStdString(), out.str());
    } catch (const casefile::FileError& e) {
        ShowError(std::string(TextsOf(form_).study.writeFailed) + ": " + e.what());
    }
}

}  // namespace app::qt
