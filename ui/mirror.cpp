#include "ui/mirror.h"

#include <QStringList>

namespace orbel {

void MirrorControl(const Control& c, QWidget* w) {
    if (w->isVisibleTo(w->parentWidget()) != c.visible) w->setVisible(c.visible);
    if (w->isEnabled() != c.enabled) w->setEnabled(c.enabled);
    const QString tip = ToQString(c.toolTip);
    if (w->toolTip() != tip) w->setToolTip(tip);
}

void MirrorComboBox(const ComboBox& m, QComboBox* w) {
    QStringList items;
    for (const std::string& item : m.items) items << ToQString(item);
    bool same = w->count() == items.size();
    for (int i = 0; same && i < items.size(); ++i) same = w->itemText(i) == items[i];
    if (!same) {
        w->clear();
        w->addItems(items);
    }
    if (w->currentIndex() != m.listIndex) w->setCurrentIndex(m.listIndex);
    MirrorControl(m, w);
}

void MirrorFocus(QWidget* window, std::string& focus) {
    if (focus.empty() || !window->isVisible()) return;
    if (auto* w = window->findChild<QWidget*>(ToQString(focus))) w->setFocus();
    focus.clear();
}

void MirrorButton(const Button& m, QPushButton* w) {
    const QString text = ToQString(m.caption).replace("&", "&&");
    if (w->text() != text) w->setText(text);
    MirrorControl(m, w);
}

}  // namespace orbel
