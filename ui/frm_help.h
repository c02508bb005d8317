#pragma once
// The help window: how to use the program, read-only, with a Credits button
// that opens the credits window and a Close button. A thin view over
// HelpWindowModel.
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QWidget>

#include "app/help_windows.h"
#include "ui/frm_credits.h"

namespace orbel {

class FrmHelp : public QWidget {
    Q_OBJECT
public:
    explicit FrmHelp(QWidget* parent = nullptr);

    void Mirror();
    HelpWindowModel& model() { return model_; }

    // Opens the credits window (one per help window) and brings it forward.
    void cmdCredits_Click();
    // The credits window once Credits has opened it, else null.
    FrmCredits* credits() const { return credits_; }

    QPlainTextEdit* txbHelp;
    QPushButton *cmdCredits, *cmdClose;

protected:
    // Credits closes with Help.
    void closeEvent(QCloseEvent* event) override;

private:
    HelpWindowModel model_;
    QPointer<FrmCredits> credits_;
};

// Opens the help window of `parent` (the main window), or brings it forward
// when it is open already, and returns it. The window belongs to `parent`;
// with no parent there is one help window for the program.
FrmHelp* ShowHelp(QWidget* parent);

}  // namespace orbel
