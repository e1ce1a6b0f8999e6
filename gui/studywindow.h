// The part-load study window: the varied quantity and its range, the table
// of points and the chart. It reads the main window's model, never writes
// into it, and follows its language while open.
#pragma once

#include "gui/studychart.h"
#include "gui/studypage.h"
#include "model/form1.h"
#include "study/studyform.h"

#include <QWidget>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace app::qt {

class NumericKeyFilter;

class StudyWindow : public QWidget {
public:
    // A window of its own beside `parent` (the main window), not modal: the
    // user may change the case there and press "Beregn" again.
    StudyWindow(TForm1& form, QWidget* parent);
    ~StudyWindow() override;

    // Fills in the default study from the main window's current texts and
    // runs it; what opening the window does.
    void Reset();
    // Runs the study on a worker thread and returns when it is shown; the
    // window repaints meanwhile and its progress box answers Cancel.
    void Calculate();
    void CopyTable();
    // Saves the study as a workbook, or as CSV when the name ends in ".csv";
    // a failure shows the error box with its cause,
    // the old file left as it was.
    void Save(const QString& path);
    StudyPage Page() const;
    ChartCaptions chartCaptions() const;

    const study::StudyForm& model() const { return model_; }
    QComboBox* quantityBox() const { return quantity_; }
    QLineEdit* edit(study::Input i) const { return edits_[static_cast<int>(i)]; }
    QTableWidget* table() const { return table_; }
    StudyChart* chart() const { return chart_; }
    QLabel* status() const { return status_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Build();
    QLayout* BuildInputs();
    QLayout* BuildButtons();
    void BuildTable();
    void Connect();
    void Retranslate();
    void ChooseQuantity(int index);
    study::Study RunJob(const study::StudyJob& job);
    void ShowStudy();
    void SyncInputs();
    void FitColumns();
    void SaveAs();
    void Print();

    TForm1& form_;
    study::StudyForm model_;
    // What the captions were last written for.
    study::ShownTexts shown_;
    // The case as the shown study computed it, for the print.
    study::CaseInputs computed_;
    bool running_ = false;

    NumericKeyFilter* keys_ = nullptr;
    QLabel* labels_[4] = {};
    QComboBox* quantity_ = nullptr;
    QLineEdit* edits_[3] = {};
    QPushButton* calculate_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    StudyChart* chart_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* save_ = nullptr;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace app::qt
