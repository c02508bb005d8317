#include "ui/button_keys.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace orbel {

ReturnPressesButtons::ReturnPressesButtons(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

bool ReturnPressesButtons::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->key() != Qt::Key_Return && key->key() != Qt::Key_Enter) ||
        (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    auto* button = qobject_cast<QPushButton*>(watched);
    // A dialog's buttons (message boxes, the file dialog) take Return themselves.
    if (!button || button->autoDefault() || !button->isEnabled() || !button->isVisible()) return false;
    button->click();
    return true;
}

}  // namespace orbel
