// The heating season window: its settings, the bins table, the summary and
// two charts (primary return and flow over the outdoor temperature; the load
// duration curve). It reads the main window's model at each "Beregn", never
// writes into it, and follows its language while open.
#pragma once

#include "cli/options.h"
#include "model/form1.h"
#include "study/season.h"

#include <QWidget>

#include <array>
#include <string>

class QCustomPlot;
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
    // Reads the settings and the main window's case and computes the season;
    // a setting or file it cannot read shows the error box.
    void Calculate();
    void CopyTable();
    // The season as `tervol season --format csv --precision full` writes it;
    // a failure shows the error box, the old file left as it was.
    void Save(const QString& path);

    QLineEdit* field(SeasonField f) const { return fields_[static_cast<int>(f)]; }
    QTableWidget* table() const { return table_; }
    QLabel* summary() const { return summary_; }
    QLabel* status() const { return status_; }
    const study::Season& season() const { return season_; }

private:
    void Build();
    void Fill();
    void FillCharts();
    void ShowError(const std::string& text);
    study::SeasonSettings Settings() const;
    double Number(SeasonField f) const;
    cli::SeasonOptions Given() const;

    TForm1& form_;
    study::Season season_;
    std::array<QLabel*, kSeasonFieldCount> labels_{};
    std::array<QLineEdit*, kSeasonFieldCount> fields_{};
    QPushButton *browseWeather_ = nullptr, *browseTable_ = nullptr;
    QPushButton *calculate_ = nullptr, *copy_ = nullptr, *save_ = nullptr, *close_ = nullptr;
    QLabel* status_ = nullptr;
    QTableWidget* table_ = nullptr;
    QLabel* summary_ = nullptr;
    QCustomPlot *flowChart_ = nullptr, *durationChart_ = nullptr;
};

}  // namespace app::qt
