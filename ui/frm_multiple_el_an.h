#pragma once
// The multiple element-animal search window: a thin Qt view over
// MultipleElementAnimalWindow. It mirrors the model and forwards each event to
// the model procedure of the same name.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <array>
#include <functional>
#include <vector>

#include "navigation/multiple_search.h"

namespace orbel {

class FrmMultipleElAn : public QWidget {
    Q_OBJECT
public:
    FrmMultipleElAn(MultipleElementAnimalWindow& model, QWidget* parent);
    ~FrmMultipleElAn() override;

    // Shows, hides and fills the widgets as the model says.
    void Mirror();
    // Runs after every event of this window (the main window mirrors itself).
    std::function<void()> afterEvent = [] {};

    std::array<QComboBox*, 3> cboElement{}, cboAnimal{};
    QComboBox* cboWithin = nullptr;
    QCheckBox* chkStartingFromToday = nullptr;
    QPushButton *cmdSearch = nullptr, *cmdClear = nullptr, *cmdClose = nullptr;
    std::array<QLabel*, 3> Label1{};

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Act(const std::function<void()>& procedure);

    MultipleElementAnimalWindow& model_;
    std::vector<std::function<void()>> mirrors_;
    bool mirroring_ = false;
};

}  // namespace orbel
