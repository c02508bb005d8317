#pragma once
// The log window: a thin Qt view over LogWindowModel. The text in a
// fixed-pitch font, locked against typing, and a row of buttons below it
// that follows the window's width.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

#include "views/log_window.h"

namespace orbel {

class FrmLog : public QWidget {
    Q_OBJECT
public:
    // `model` must outlive the window.
    explicit FrmLog(LogWindowModel& model, QWidget* parent = nullptr);

    // Makes every widget show what its control in the model holds.
    void Mirror();

    // Called after each event the window handled, to mirror the other
    // windows the model's callbacks touched.
    std::function<void()> afterAct = [] {};

    QPlainTextEdit* txbText;
    QPushButton *cmdClear, *cmdCopyToClipboard, *cmdSaveLog, *cmdClose;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Act(const std::function<void()>& procedure);
    // The model's selectedText from the text box's selection.
    void TakeSelection();

    LogWindowModel& model_;
};

}  // namespace orbel
