#pragma once
// Keys every window of the program but the main window shares: Escape closes
// the window it is pressed in, as a dialog's Cancel would. One filter on the
// application serves every window, those opened later included.
#include <QObject>
#include <QPointer>
#include <QWidget>

namespace orbel {

class SecondaryWindowKeys : public QObject {
    Q_OBJECT
public:
    // `mainWindow` is left alone: closing it ends the program.
    explicit SecondaryWindowKeys(QWidget* mainWindow);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QPointer<QWidget> mainWindow_;
};

}  // namespace orbel
