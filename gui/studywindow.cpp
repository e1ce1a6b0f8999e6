#include "gui/studywindow.h"

#include "gui/studysave.h"
#include "report/qt/report_print.h"
#include "study/shown.h"

#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QShortcut>
#include <QSplitter>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

namespace app::qt {

namespace {

using study::Input;

QString Q(std::string_view s) { return QString::fromUtf8(s.data(), qsizetype(s.size())); }

constexpr Field kNominalInputs[] = {Field::Primery,  Field::Sekundery, Field::EQ_nom,  Field::Etpe_nom, Field::Etpa_nom,
                                    Field::Etsa_nom, Field::Etse_nom,  Field::EPp_nom, Field::EPs_nom};
constexpr Field kActualInputs[] = {Field::primery1, Field::Sekundery1, Field::EQ,
                                   Field::Etpe,     Field::Etsa,       Field::Etse};

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
        edits_[i]->installEventFilter(this);
        connect(edits_[i], &QLineEdit::textEdited, this,
                [this, i](const QString& text) { model_.SetText(Input(i), text.toStdString()); });
        connect(edits_[i], &QLineEdit::returnPressed, this, [this] { Calculate(); });
        labelled(i + 1, edits_[i]);
    }
    calculate_ = new QPushButton(this);
    calculate_->setObjectName(QStringLiteral("calculate"));
    inputs->addWidget(calculate_);
    inputs->addStretch();

    status_ = new QLabel(this);
    status_->setObjectName(QStringLiteral("status"));
    status_->setWordWrap(true);
    status_->setTextFormat(Qt::PlainText);
    QPalette alert = status_->palette();
    alert.setColor(QPalette::WindowText, QColor(160, 0, 0));
    status_->setPalette(alert);

    table_ = new QTableWidget(0, 10, this);
    table_->setObjectName(QStringLiteral("table"));
    table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table_->verticalHeader()->setVisible(false);
    table_->verticalHeader()->setDefaultSectionSize(table_->fontMetrics().height() + 6);
    // Long captions wrap; FitColumns gives each column room for its
    // longest word and its numbers.
    QHeaderView* header = table_->horizontalHeader();
    header->setDefaultAlignment(Qt::Alignment(Qt::AlignCenter | Qt::TextWordWrap));
    header->setMinimumHeight(4 * table_->fontMetrics().lineSpacing() + 8);
    table_->setSelectionMode(QAbstractItemView::ContiguousSelection);
    table_->viewport()->installEventFilter(this);

    chart_ = new StudyChart(this);

    auto* splitter = new QSplitter(Qt::Vertical, this);
    splitter->addWidget(table_);
    splitter->addWidget(chart_);
    splitter->setSizes({280, 380});

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

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(status_);
    layout->addWidget(splitter, 1);
    layout->addLayout(buttons);

    connect(quantity_, &QComboBox::activated, this, [this](int index) {
        model_.ChooseQuantity(study::kQuantities[index], form_);
        SyncInputs();
    });
    connect(calculate_, &QPushButton::clicked, this, [this] { Calculate(); });
    connect(copy_, &QPushButton::clicked, this, [this] { CopyTable(); });
    connect(save_, &QPushButton::clicked, this, [this] { SaveAs(); });
    connect(print_, &QPushButton::clicked, this, [this] { Print(); });
    connect(close_, &QPushButton::clicked, this, &QWidget::close);
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(escape, &QShortcut::activated, this, &QWidget::close);

    setTabOrder(quantity_, edits_[0]);
    setTabOrder(edits_[0], edits_[1]);
    setTabOrder(edits_[1], edits_[2]);
    setTabOrder(edits_[2], calculate_);
    setTabOrder(calculate_, table_);
    setTabOrder(table_, copy_);
    setTabOrder(copy_, save_);
    setTabOrder(save_, print_);
    setTabOrder(print_, close_);
}

void StudyWindow::Retranslate()
{
    // Told after every change in the main window; only a new language or
    // new captions are written here.
    std::string signature = form_.Language();
    for (const std::string& c : study::ColumnCaptions(form_, study::Quantity::EQ))
        signature += c;
    for (study::Quantity q : study::kQuantities)
        signature += form_.Caption(study::FieldOf(q));
    if (signature == language_)
        return;
    language_ = signature;

    const study::Captions& c = study::CaptionsFor(form_.Language());
    setWindowTitle(Q(c.title));
    const std::string_view labels[] = {c.quantity, c.first, c.last, c.points};
    for (int i = 0; i < 4; ++i)
        labels_[i]->setText(Q(labels[i]));
    quantity_->setAccessibleName(Q(c.quantity));
    for (int i = 0; i < 3; ++i)
        edits_[i]->setAccessibleName(Q(labels[i + 1]));
    for (size_t i = 0; i < study::kQuantities.size(); ++i) {
        const std::string caption = study::ColumnCaptions(form_, study::kQuantities[i])[0];
        quantity_->setItemText(int(i), QString::fromStdString(caption));
    }
    const std::pair<QPushButton*, std::string_view> buttons[] = {
        {calculate_, c.calculate}, {copy_, c.copy}, {save_, c.saveAs}, {print_, c.print}, {close_, c.close}};
    for (const auto& [button, caption] : buttons) {
        button->setText(Q(caption));
        button->setAccessibleName(Q(caption));
    }
    table_->setAccessibleName(Q(c.table));
    chart_->setAccessibleName(Q(c.chart));
    status_->setAccessibleName(status_->text());
    const auto columns = study::ColumnCaptions(form_, model_.Last().range.quantity);
    QStringList headers;
    for (const std::string& caption : columns)
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

void StudyWindow::Calculate()
{
    const study::Captions& c = study::CaptionsFor(form_.Language());
    QProgressDialog progress(Q(c.progress), Q(c.cancel), 0, study::kMaxPoints, this);
    progress.setWindowTitle(Q(c.title));
    progress.setWindowModality(Qt::ApplicationModal);
    progress.setMinimumDuration(500);
    progress.setAutoReset(false);
    progress.setValue(0);
    model_.Calculate(form_, [&](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        return !progress.wasCanceled();
    });
    progress.reset();
    // The case as it was computed, for the printed page.
    inputs_ = StudyPage{};
    for (Field f : kNominalInputs)
        inputs_.nominalInputs.push_back({QString(), QString::fromStdString(form_.Text(f))});
    for (Field f : kActualInputs)
        inputs_.actualInputs.push_back({QString(), QString::fromStdString(form_.Text(f))});
    ShowStudy();
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

    table_->clearContents();
    table_->clearSpans();
    table_->setRowCount(int(s.points.size()));
    for (int r = 0; r < int(s.points.size()); ++r) {
        const study::Point& p = s.points[r];
        const auto cell = [&](int column, const std::string& text) {
            auto* item = new QTableWidgetItem(QString::fromStdString(text));
            item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            table_->setItem(r, column, item);
            return item;
        };
        cell(0, study::ShownValue(p.value, s.range.quantity, s.format));
        if (p.ok()) {
            for (int i = 0; i < 9; ++i)
                cell(i + 1, p.result->texts[i]);
        } else {
            QTableWidgetItem* message = cell(1, study::Joined(p.messages, " | "));
            message->setTextAlignment(Qt::AlignLeft | Qt::AlignVCenter);
            message->setForeground(QColor(160, 0, 0));
            table_->setSpan(r, 1, 1, 9);
        }
    }
    language_.clear();  // the headers name the study's quantity
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
        SaveStudyFile(path, s, study::ColumnCaptions(form_, s.range.quantity), Page());
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
    StudyPage page = inputs_;
    page.title = Q(c.title);
    page.sheetName = Q(c.pageTitle);
    page.date = report::TodayReportDateText();
    page.nominalHeading = trimmed(form_.GroupCaption(Group::GroupBox1));
    page.actualHeading = trimmed(form_.GroupCaption(Group::GroupBox2));
    for (size_t i = 0; i < page.nominalInputs.size(); ++i)
        page.nominalInputs[i].first = trimmed(form_.Caption(kNominalInputs[i]));
    const study::Study& s = model_.Last();
    const Field varied = study::FieldOf(s.range.quantity);
    const auto shown = [&](const study::Point& p) {
        return QString::fromStdString(study::ShownValue(p.value, s.range.quantity, s.format));
    };
    for (size_t i = 0; i < page.actualInputs.size(); ++i) {
        page.actualInputs[i].first = trimmed(form_.Caption(kActualInputs[i]));
        // The varied input shows its range.
        if (kActualInputs[i] == varied && !s.points.empty()) {
            page.actualInputs[i].second = shown(s.points.front()) + QStringLiteral(" … ") + shown(s.points.back());
            page.variedRow = int(i);
        }
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

void StudyWindow::FitColumns()
{
    QHeaderView* header = table_->horizontalHeader();
    const QFontMetrics captions(header->font()), cells(table_->font());
    const int padding = 2 * table_->style()->pixelMetric(QStyle::PM_HeaderMargin) + 8;
    std::vector<int> widths(size_t(table_->columnCount()));
    int total = 0;
    for (int c = 0; c < table_->columnCount(); ++c) {
        int width = 0;
        if (const QTableWidgetItem* item = table_->horizontalHeaderItem(c))
            for (const QString& word : item->text().split(QRegularExpression(QStringLiteral("\\s+"))))
                width = std::max(width, captions.horizontalAdvance(word));
        // A failed point's message spans the row and is not a column's width.
        for (int r = 0; r < table_->rowCount(); ++r)
            if (table_->columnSpan(r, c) == 1 && table_->item(r, c))
                width = std::max(width, cells.horizontalAdvance(table_->item(r, c)->text()));
        widths[c] = width + padding;
        total += widths[c];
    }
    // What is left of the view is shared out, so the columns fill it.
    const int spare = std::max(0, table_->viewport()->width() - total) / std::max(1, table_->columnCount());
    for (int c = 0; c < table_->columnCount(); ++c)
        header->resizeSection(c, widths[c] + spare);
}

bool StudyWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == table_->viewport()) {
        if (event->type() == QEvent::Resize)
            FitColumns();
        return false;
    }
    if (event->type() != QEvent::KeyPress)
        return false;
    int index = -1;
    for (int i = 0; i < 3; ++i)
        if (watched == edits_[i])
            index = i;
    if (index < 0)
        return false;
    // The input fields' key filter, judged against the text as the model has it.
    const auto& press = *static_cast<QKeyEvent*>(event);
    // These carry text too, but move the focus, edit, run "Beregn" or close.
    switch (press.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Delete:
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape: return false;
    default: break;
    }
    const std::u32string typed = press.text().toStdU32String();
    if (typed.empty() || typed == U"\x7f")
        return false;
    if (typed.size() == 1) {
        char32_t key = typed.front();
        model_.KeyPress(Input(index), key, form_.Format());
        if (key == typed.front())
            return false;
        if (key != 0) {
            edits_[index]->insert(QString::fromUcs4(&key, 1));
            model_.SetText(Input(index), edits_[index]->text().toStdString());
        }
        return true;
    }
    for (char32_t key : typed) {
        model_.KeyPress(Input(index), key, form_.Format());
        if (key != 0 && key != 8) {
            edits_[index]->insert(QString::fromUcs4(&key, 1));
            model_.SetText(Input(index), edits_[index]->text().toStdString());
        }
    }
    return true;
}

}  // namespace app::qt
