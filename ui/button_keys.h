#pragma once
// Return presses the focused button, in every window of the program, as
// Space does. Qt gives buttons Return only in dialogs; the program's windows
// are plain windows. One filter on the application serves every window,
// those opened later included.
#include <QObject>

namespace orbel {

class ReturnPressesButtons : public QObject {
    Q_OBJECT
public:
    // Installs itself on the application; `parent` owns it.
    explicit ReturnPressesButtons(QObject* parent);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

}  // namespace orbel
