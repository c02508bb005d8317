#pragma once
// A drop-down list that tells a choice made on the closed list (arrow keys,
// typing, the mouse wheel) from one made by closing the open list. Stepping
// through the items of a closed list is looking, not choosing: the window
// keeps the focus on the list until the list is closed by a choice.
#include <QComboBox>

namespace orbel {

class ChoiceList : public QComboBox {
public:
    using QComboBox::QComboBox;

    // True while the list's current item changes on the closed list.
    bool ChangingInPlace() const { return inPlace_; }

protected:
    void keyPressEvent(QKeyEvent* event) override {
        inPlace_ = true;
        QComboBox::keyPressEvent(event);
        inPlace_ = false;
    }
    void wheelEvent(QWheelEvent* event) override {
        inPlace_ = true;
        QComboBox::wheelEvent(event);
        inPlace_ = false;
    }

private:
    bool inPlace_ = false;
};

}  // namespace orbel
