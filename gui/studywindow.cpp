#include "gui/studywindow.h"

#include "casefile/replace_file.h"
#include "gui/keyfilter.h"
#include "gui/progressrun.h"
#include "gui/studysave.h"
#include "gui/studytable.h"
#include "report/qt/report_print.h"
#include "study/shown.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include <stdexcept>

namespace app::qt {

namespace {

using study::Input;

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

}  // namespace

StudyWindow::StudyWindow(TForm1& form, QWidget* parent) : QWidget(parent, Qt::Window), form_(form)
{
    setObjectName(QStringLiteral("StudyWindow"));
    Build();
    Retranslate();
    form_.SetStudyListener([this] { Retranslate(); });
}

StudyWindow::~StudyWindow() { form_.SetStudyListener({}); }

void StudyWindow::Build()
{
    // The main window's fixed 9-point font suits its fixed layout; this one
    // is laid out by Qt and takes the desktop's font.
    setFont(QApplication::font());
    resize(1000, 760);
    keys_ = new NumericKeyFilter(this);

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    QPalette alert = status_->palette();
    alert.setColor(QPalette::WindowText, QColor(160, 0, 0));
    status_->setPalette(alert);

    BuildTable();
    chart_ = new StudyChart(this);
    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(chart_);
    splitter->setSizes({280, 380});

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(BuildInputs());
    layout->addWidget(status_);
    layout->addWidget(splitter, 1);
    layout->addLayout(BuildButtons());
    Connect();
}

QLayout* StudyWindow::BuildInputs()
{
    auto* inputs = new QHBoxLayout;
    const auto labelled = [&](int index, QWidget* field) {
        labels_[index] = new QLabel(this);
        labels_[index]->setBuddy(field);
        inputs->addWidget(labels_[index]);
        inputs->addWidget(field);
        inputs->addSpacing(12);
    };
    quantity_ = new QComboBox(this);
    quantity_->setObjectName(QStringLiteral("quantity"));
    // Its captions change with the language, and so does their width.
    quantity_->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    for (size_t i = 0; i < study::kQuantities.size(); ++i)
        quantity_->addItem(QString());
    labelled(0, quantity_);
    const char* names[] = {"first", "last", "points"};
    for (int i = 0; i < 3; ++i) {
        edits_[i] = new QLineEdit(this);
        edits_[i]->setObjectName(QLatin1String(names[i]));
        edits_[i]->setFixedWidth(i == 2 ? 60 : 80);
        keys_->Watch(edits_[i], [this, i](char32_t& key) { model_.KeyPress(Input(i), key, form_.Format()); });
        connect(edits_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { model_.SetText(Input(i), text.toStdString()); });
        connect(edits_[i], &QLineEdit::returnPressed, this, [this] { Calculate(); });
        labelled(i + 1, edits_[i]);
    }
    calculate_ = new QPushButton(this);
    calculate_->setObjectName(QStringLiteral("calculate"));
    inputs->addWidget(calculate_);
    inputs->addStretch();
    return inputs;
}

void StudyWindow::BuildTable()
{
    table_ = new QTableWidget(0, 10, this);
    table_->setObjectName(QStringLiteral("table"));
    SetUpResultTable(*table_);
    table_->viewport()->installEventFilter(this);
}

QLayout* StudyWindow::BuildButtons()
{
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    copy_ = new QPushButton(this);
    save_ = new QPushButton(this);
    print_ = new QPushButton(this);
    close_ = new QPushButton(this);
    copy_->setObjectName(QStringLiteral("copy"));
    save_->setObjectName(QStringLiteral("saveCsv"));
    print_->setObjectName(QStringLiteral("print"));
    close_->setObjectName(QStringLiteral("close"));
    for (QPushButton* b : {copy_, save_, print_, close_})
        buttons->addWidget(b);
    return buttons;
}

void StudyWindow::Connect()
{
    connect(quantity_, &QComboBox::activated, this, [this](int index) { ChooseQuantity(index); });
    connect(calculate_, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(); });
    connect(save_, &QPushButton::clicked, this, [this] { SaveAs(); });
    connect(print_, &QPushButton::clicked, this, [this] { Print(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    QWidget* const order[] = {quantity_, edits_[0], edits_[1], edits_[2], calculate_,
                              table_,    copy_,     save_,     print_,    close_};
    for (size_t i = 0; i + 1 < std::size(order); ++i)
        setTabOrder(order[i], order[i + 1]);
}

void StudyWindow::Retranslate()
{
    // Told after every change in the main window; only a new language or
    // new captions are written here.
    study::ShownTexts shown = model_.Shown(form_);
    if (shown == shown_)
        return;
    shown_ = std::move(shown);

    const study::Captions& c = study::CaptionsFor(form_.Language());
    setWindowTitle(Q(c.title));
    const std::string_view labels[] = {c.quantity, c.first, c.last, c.points};
    for (int i = 0; i < 4; ++i)
        labels_[i]->setText(Q(labels[i]));
    quantity_->setAccessibleName(Q(c.quantity));
    for (int i = 0; i < 3; ++i)
        edits_[i]->setAccessibleName(Q(labels[i + 1]));
    for (size_t i = 0; i < study::kQuantities.size(); ++i)
        quantity_->setItemText(int(i), QString::fromStdString(shown_.quantities[i]));
    const std::pair<QPushButton*, std::string_view> buttons[] = {
        {calculate_, c.calculate}, {copy_, c.copy}, {save_, c.saveAs}, {print_, c.print}, {close_, c.close}};
    for (const auto& [button, caption] : buttons) {
        button->setText(Q(caption));
        button->setAccessibleName(Q(caption));
    }
    table_->setAccessibleName(Q(c.table));
    chart_->setAccessibleName(Q(c.chart));
    status_->setAccessibleName(status_->text());
    QStringList headers;
    for (const std::string& caption : shown_.columns)
        headers << ColumnHeader(QString::fromStdString(caption));
    table_->setHorizontalHeaderLabels(headers);
    FitColumns();
    chart_->Retranslate(chartCaptions());
}

ChartCaptions StudyWindow::chartCaptions() const
{
    const auto columns = study::ColumnCaptions(form_, model_.Last().range.quantity);
    return {QString::fromStdString(columns[0]), QString::fromStdString(columns[1]), QString::fromStdString(columns[6])};
}

void StudyWindow::SyncInputs()
{
    quantity_->setCurrentIndex(static_cast<int>(model_.quantity()));
    for (int i = 0; i < 3; ++i)
        if (edits_[i]->text().toStdString() != model_.Text(Input(i)))
            edits_[i]->setText(QString::fromStdString(model_.Text(Input(i))));
}

void StudyWindow::Reset()
{
    model_.Open(form_);
    SyncInputs();
    Calculate();
}

void StudyWindow::ChooseQuantity(int index)
{
    // The table and chart would otherwise show the old quantity's study under
    // the new one's name.
    model_.ChooseQuantity(study::kQuantities[size_t(index)], form_);
    SyncInputs();
    Calculate();
}

void StudyWindow::Calculate()
{
    // A second "Beregn" while one runs (Return in a field) waits its turn.
    if (running_)
        return;
    running_ = true;
    {
        // A run that throws must not leave the window refusing every later one.
        const auto finished = qScopeGuard([this] { running_ = false; });
        computed_ = study::InputsOf(form_);
        model_.Finish(RunJob(model_.Prepare(form_)));
    }
    ShowStudy();
}

study::Study StudyWindow::RunJob(const study::StudyJob& job)
{
    // The worker sees only the job (its own copy of the case) and the
    // atomics; the progress box reads them here on the window's thread.
    const study::Captions& c = study::CaptionsFor(form_.Language());
    return RunShowingProgress(this, {Q(c.title), Q(c.progress), Q(c.cancel)},
                              [job](study::SharedProgress& shared) { return job.Run(shared); });
}

void StudyWindow::ShowStudy()
{
    const study::Study& s = model_.Last();
    const study::Captions& c = study::CaptionsFor(form_.Language());
    QString status;
    if (!s.ok())
        status = QString::fromStdString(study::Joined(s.failure, "\n"));
    else if (s.cancelled)
        status = Q(c.cancelled).arg(s.points.size()).arg(s.range.points);
    status_->setText(status);
    status_->setVisible(!status.isEmpty());
    status_->setAccessibleName(status);

    FillStudyTable(*table_, s);
    shown_ = {};  // the headers name the study's quantity
    Retranslate();
    chart_->Show(s, chartCaptions());
}

void StudyWindow::CopyTable()
{
    const study::Study& s = model_.Last();
    QApplication::clipboard()->setText(
        QString::fromStdString(study::TabSeparated(s, study::ColumnCaptions(form_, s.range.quantity))));
}

void StudyWindow::Save(const QString& path)
{
    form_.Dispatch([&] {
        const study::Study& s = model_.Last();
        try {
            SaveStudyFile(path, s, study::ColumnCaptions(form_, s.range.quantity), Page());
        } catch (const std::exception& e) {
            // The box says what failed, in the window's language, and why.
            const study::Captions& c = study::CaptionsFor(form_.Language());
            throw std::runtime_error(std::string(c.writeFailed) + ": " + e.what());
        }
    });
}

void StudyWindow::SaveAs()
{
    const QString path = AskStudyFileName(this, study::CaptionsFor(form_.Language()));
    if (!path.isEmpty())
        Save(path);
}

StudyPage StudyWindow::Page() const
{
    const study::Captions& c = study::CaptionsFor(form_.Language());
    const auto trimmed = [](const std::string& s) { return QString::fromStdString(s).trimmed(); };
    StudyPage page;
    page.title = Q(c.title);
    page.sheetName = Q(c.pageTitle);
    page.date = report::TodayReportDateText();
    page.nominalHeading = trimmed(form_.GroupCaption(Group::GroupBox1));
    page.actualHeading = trimmed(form_.GroupCaption(Group::GroupBox2));
    // Captions in today's language, texts as the study computed them.
    const study::CaseInputs now = study::InputsOf(form_);
    for (size_t i = 0; i < computed_.nominal.size(); ++i)
        page.nominalInputs.push_back(
            {trimmed(now.nominal[i].first), QString::fromStdString(computed_.nominal[i].second)});
    const study::Study& s = model_.Last();
    const Field varied = study::FieldOf(s.range.quantity);
    const auto shown = [&](const study::Point& p) {
        return QString::fromStdString(study::ShownValue(p.value, s.range.quantity, s.format));
    };
    for (size_t i = 0; i < computed_.actual.size(); ++i) {
        QString text = QString::fromStdString(computed_.actual[i].second);
        // The varied input shows its range.
        if (kActualInputs[i] == varied && !s.points.empty()) {
            text = shown(s.points.front()) + QStringLiteral(" … ") + shown(s.points.back());
            page.variedRow = int(i);
        }
        page.actualInputs.push_back({trimmed(now.actual[i].first), text});
    }
    for (const std::string& caption : study::ColumnCaptions(form_, s.range.quantity))
        page.columns << QString::fromStdString(caption);
    for (const study::Point& p : s.points) {
        QStringList row{shown(p)};
        if (p.ok())
            for (const std::string& t : p.result->texts)
                row << QString::fromStdString(t);
        else
            for (const std::string& m : p.messages)
                row << QString::fromStdString(m);
        page.rows.push_back(row);
    }
    page.shownOf = Q(c.shownOf);
    return page;
}

void StudyWindow::Print() { ShowStudyPreview(Page(), model_.Last(), chartCaptions(), this); }

void StudyWindow::FitColumns() { FitStudyColumns(*table_); }

bool StudyWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_->viewport() && event->type() == QEvent::Resize)
        FitColumns();
    return false;
}

}  // namespace app::qt
