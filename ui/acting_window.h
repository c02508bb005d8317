#pragma once
// A window over a headless model that other windows watch: each user event
// runs a model procedure, the window mirrors the model, and `afterAct` lets
// the windows whose models the procedure touched mirror theirs.
#include <QWidget>

#include <functional>

#include "ui/mirror.h"

namespace orbel {

class ActingWindow : public QWidget {
public:
    using QWidget::QWidget;

    // Makes every widget show what its control in the model holds.
    virtual void Mirror() = 0;

    // Called after each event the window handled.
    std::function<void()> afterAct = [] {};

protected:
    void Act(const std::function<void()>& procedure) {
        procedure();
        Mirror();
        afterAct();
    }

    // Shows the window raised and active (where `place` first puts it), or
    // hides it, when the model says otherwise than the screen.
    void MirrorShown(bool visible, const std::function<void()>& place = {}) {
        if (visible == isVisible()) return;
        if (!visible) {
            hide();
            return;
        }
        if (place) place();
        show();
        raise();
        activateWindow();
    }
};

}  // namespace orbel
