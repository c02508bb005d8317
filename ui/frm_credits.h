#pragma once
// The credits window: the sources the program rests on, read-only, with a
// Close button. A thin view over CreditsWindowModel.
#include <QPlainTextEdit>
#include <QPushButton>
#include <QWidget>

#include "app/help_windows.h"

namespace orbel {

class FrmCredits : public QWidget {
    Q_OBJECT
public:
    explicit FrmCredits(QWidget* parent = nullptr);

    void Mirror();
    CreditsWindowModel& model() { return model_; }

    QPlainTextEdit* txbCredits;
    QPushButton* cmdClose;

private:
    CreditsWindowModel model_;
};

}  // namespace orbel
