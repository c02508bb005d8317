#pragma once
// The data window: a thin Qt view over DataWindowModel. The year data and the
// lists are written by the model; this window shows its text in a fixed-pitch
// box the user can select in but not edit, and forwards every event.
#include <QCheckBox>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QWidget>

#include <functional>
#include <vector>

#include "views/data_window.h"

namespace orbel {

class FrmData : public QWidget {
    Q_OBJECT
public:
    // `model` must outlive the window. The window sets the model's repaint hook.
    explicit FrmData(DataWindowModel& model, QWidget* parent = nullptr);

    // Makes every widget show what its control in the model holds.
    void Mirror();
    DataWindowModel& model() { return model_; }

    // Called after the window hands the focus back to the main window.
    std::function<void()> mirrorMainWindow = [] {};
    // Export to calendar: opens the window of calendar files.
    std::function<void()> openCalendarExport = [] {};

    QPlainTextEdit* txbText;
    QPushButton *cmdCopyToClipboard, *cmdClose, *cmdStop, *cmdList, *cmdExport, *cmdCalendarExport;
    QLineEdit* txbNumYears;
    QLabel* lblYears;
    QCheckBox *chkIncludeMajorSolarTerms, *chkIncludeMinorSolarTerms, *chkDisplaySolarTermNames, *chkLeapMonthsOnly,
        *chkOmitInvalidDates, *chkLargeWindow;
    QGroupBox* fraEuroCal;
    QRadioButton *optCE, *optJC;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildWidgets();
    void LayOutWidgets();
    void Connect();
    void Act(const std::function<void()>& procedure);
    void MirrorText();
    void ReadSelection();

    DataWindowModel& model_;
    std::vector<std::function<void()>> mirrors_;
    bool mirroring_ = false;
    int shownGeneration_ = -1;
    size_t shownBytes_ = 0;
    int shownTopLine_ = -1;
    int appliedWidth_ = 0, appliedHeight_ = 0;
    QElapsedTimer sinceRepaint_;
};

}  // namespace orbel
