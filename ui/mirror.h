#pragma once
// Copying what a model's control holds into its widget. Every window mirrors
// its model after each event; each function touches the widget only where it
// differs, so a mirror pass costs nothing when nothing changed.
#include <QAbstractButton>
#include <QComboBox>
#include <QPushButton>
#include <QWidget>

#include "support/controls.h"
#include "support/qt_text.h"

namespace orbel {

// Visible, enabled and the tool tip.
void MirrorControl(const Control& c, QWidget* w);
// The items (replaced only when they changed), the chosen item and the control.
void MirrorComboBox(const ComboBox& m, QComboBox* w);
// The caption, where "&" shows as itself rather than marking a shortcut.
void MirrorButton(const Button& m, QPushButton* w);

// Gives the focus that a visible window's model asks for (the name of a
// control) to that child, once; an empty name asks for nothing.
void MirrorFocus(QWidget* window, std::string& focus);

// A check box or an option button: caption, tick and the control.
template <class Toggle>
void MirrorToggle(const Toggle& m, QAbstractButton* w) {
    const QString caption = ToQString(m.caption);
    if (w->text() != caption) w->setText(caption);
    if (w->isChecked() != m.value) w->setChecked(m.value);
    MirrorControl(m, w);
}

}  // namespace orbel
