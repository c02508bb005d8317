#include "ui/secondary_windows.h"

#include <QApplication>
#include <QKeyEvent>

namespace orbel {

SecondaryWindowKeys::SecondaryWindowKeys(QWidget* mainWindow) : QObject(mainWindow), mainWindow_(mainWindow) {
    qApp->installEventFilter(this);
}

bool SecondaryWindowKeys::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress || !watched->isWidgetType()) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier) return false;
    // Dialogs and popups (message boxes, open drop-down lists) answer Escape
    // themselves; only the program's own windows are closed here.
    QWidget* window = static_cast<QWidget*>(watched)->window();
    if (window == mainWindow_ || window->windowType() != Qt::Window) return false;
    window->close();
    return true;
}

}  // namespace orbel
