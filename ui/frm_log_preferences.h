#pragma once
// The log preferences window: a thin Qt view over LogPreferencesModel. Three
// frames of calendars, the wording and viewing choices, and Set all, Clear
// all and Close.
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>

#include "ui/acting_window.h"
#include "views/log_preferences.h"

namespace orbel {

class FrmLogPreferences : public ActingWindow {
    Q_OBJECT
public:
    // `model` must outlive the window; the window opens against the right
    // side of `mainWindow`.
    FrmLogPreferences(LogPreferencesModel& model, QWidget* mainWindow);

    void Mirror() override;

    QLabel* lblInclude;
    QGroupBox *fraChinese, *fraWestern, *fraAstronomical;
    // In the order of LogPreferencesModel::CheckBoxes().
    std::array<QCheckBox*, 13> checkBoxes{};
    std::array<QPushButton*, 2> cmdSetClear{};
    QPushButton* cmdClose;

protected:
    // Closing by the frame is Close.
    void closeEvent(QCloseEvent* event) override;

private:
    QGroupBox* Frame(const char* name, std::initializer_list<int> boxes);

    LogPreferencesModel& model_;
    QWidget* mainWindow_;
};

}  // namespace orbel
