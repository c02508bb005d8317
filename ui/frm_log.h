#pragma once
// The log window: a thin Qt view over LogWindowModel. The text in a
// fixed-pitch font, locked against typing, and a row of buttons below it
// that follows the window's width.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include <functional>

#include "ui/acting_window.h"
#include "views/log_window.h"

namespace orbel {

class FrmLog : public ActingWindow {
    Q_OBJECT
public:
    // `model` must outlive the window.
    explicit FrmLog(LogWindowModel& model, QWidget* parent = nullptr);

    void Mirror() override;

    QPlainTextEdit* txbText;
    QPushButton *cmdClear, *cmdCopyToClipboard, *cmdSaveLog, *cmdClose;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    // The model's selectedText from the text box's selection.
    void TakeSelection();

    LogWindowModel& model_;
};

}  // namespace orbel
