// The heating season window: its settings, the bins table, the summary and
// two charts (primary return and flow over the outdoor temperature; the load
// duration curve). It reads the main window's model at each "Beregn", never
// writes into it, and follows its language while open.
#pragma once

#include "cli/options.h"
#include "gui/seasonchart.h"
#include "gui/studypage.h"
#include "model/form1.h"
#include "study/season.h"

#include <QWidget>

#include <array>
#include <string>

class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace app::qt {

enum class SeasonField { Weather, DesignOutdoor, Indoor, Limit, Exponent, SecondaryTable, Supply, SupplyCurve };
inline constexpr int kSeasonFieldCount = 8;

class SeasonWindow : public QWidget {
public:
    // A window of its own beside `parent` (the main window), not modal.
    SeasonWindow(TForm1& form, QWidget* parent);

    // Captions in the main window's language.
    void Retranslate();
    // Reads the settings and the main window's case and computes the season
    // on a worker, with a progress box after half a second; a setting or
    // file it cannot read shows the error box.
    void Calculate();
    void CopyTable();
    // A workbook, or CSV as `tervol season --format csv --precision full`
    // writes it when the name ends in ".csv"; a failure shows the error box,
    // the old file left as it was.
    void Save(const QString& path);
    // The printed page's texts, in today's language.
    StudyPage Page() const;
    SeasonChartCaptions chartCaptions() const;

    QLineEdit* field(SeasonField f) const { return fields_[static_cast<int>(f)]; }
    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    QLabel* status() const { return status_; }
    QCustomPlot* flowChart() const { return flowChart_; }
    QCustomPlot* durationChart() const { return durationChart_; }
    const study::Season& season() const { return season_; }

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void Build();
    QLayout* BuildSettings();
    QLayout* BuildButtons();
    void Fill();
    void SaveAs();
    study::SeasonSettings Settings() const;
    double Number(SeasonField f) const;
    cli::SeasonOptions Given() const;

    TForm1& form_;
    study::Season season_;
    // The settings' texts the shown season was computed from.
    cli::SeasonOptions given_;
    bool running_ = false;
    std::array<QLabel*, kSeasonFieldCount> labels_{};
    std::array<QLineEdit*, kSeasonFieldCount> fields_{};
    QPushButton *browseWeather_ = nullptr, *browseTable_ = nullptr;
    QPushButton *calculate_ = nullptr, *copy_ = nullptr, *save_ = nullptr, *print_ = nullptr, *close_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QCustomPlot *flowChart_ = nullptr, *durationChart_ = nullptr;
};

}  // namespace app::qt
