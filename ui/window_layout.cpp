#include "ui/window_layout.h"

#include <QLayout>

#include <algorithm>

namespace orbel {
namespace {

bool TakesTab(const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) && !w->isWindow(); }

// `controls` in reading order: sorted by their middle heights and cut into
// rows (controls of one row share a middle, whatever their heights), each
// row from the left.
std::vector<QWidget*> InReadingOrder(QWidget* window, std::vector<QWidget*> controls) {
    auto middle = [window](const QWidget* w) { return w->mapTo(window, w->rect().center()); };
    std::stable_sort(controls.begin(), controls.end(),
                     [&](const QWidget* a, const QWidget* b) { return middle(a).y() < middle(b).y(); });
    std::vector<QWidget*> ordered;
    for (auto row = controls.begin(); row != controls.end();) {
        const QWidget* first = *row;
        auto end = std::find_if(row, controls.end(), [&](const QWidget* w) {
            return middle(w).y() - middle(first).y() > std::min(first->height(), w->height()) / 2;
        });
        std::stable_sort(row, end, [&](const QWidget* a, const QWidget* b) { return middle(a).x() < middle(b).x(); });
        ordered.insert(ordered.end(), row, end);
        row = end;
    }
    return ordered;
}

}  // namespace

void KeepRoomOfHiddenControls(QWidget* window) {
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->window() != window) continue;  // a window of its own
        QSizePolicy policy = w->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        w->setSizePolicy(policy);
    }
}

void SizeLabelByRoom(QLabel* label, int minimumWidth) {
    QSizePolicy policy = label->sizePolicy();
    policy.setHorizontalPolicy(QSizePolicy::Ignored);
    label->setSizePolicy(policy);
    label->setMinimumWidth(minimumWidth);
}

void FixSizeToContents(QWidget* window) {
    if (QLayout* layout = window->layout()) layout->activate();
    window->setFixedSize(window->sizeHint().expandedTo(window->minimumSizeHint()));
    if (QLayout* layout = window->layout()) layout->activate();
}

void SetReadingTabOrder(QWidget* window, const std::vector<QWidget*>& sections) {
    std::vector<QWidget*> order;
    std::vector<QWidget*> rest;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (TakesTab(w) && w->window() == window) rest.push_back(w);
    for (QWidget* section : sections) {
        std::vector<QWidget*> inSection;
        std::erase_if(rest, [&](QWidget* w) {
            const bool inside = w == section || section->isAncestorOf(w);
            if (inside) inSection.push_back(w);
            return inside;
        });
        for (QWidget* w : InReadingOrder(window, inSection)) order.push_back(w);
    }
    for (QWidget* w : InReadingOrder(window, rest)) order.push_back(w);
    for (size_t i = 1; i < order.size(); ++i) QWidget::setTabOrder(order[i - 1], order[i]);
}

}  // namespace orbel
