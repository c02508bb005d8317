#pragma once
// Makes a window's widgets, each with the mirror that copies its model
// control into it (mirror.h), so that every window builds its controls the
// same way and a mirror pass touches only what changed.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>

#include <functional>
#include <vector>

#include "support/controls.h"
#include "ui/choice_list.h"
#include "ui/mirror.h"

namespace orbel {

class WidgetMaker {
public:
    using Mirrors = std::vector<std::function<void()>>;

    WidgetMaker(QWidget* parent, Mirrors& mirrors) : parent_(parent), mirrors_(mirrors) {}

    QComboBox* Combo(const QString& name, ComboBox& m) {
        auto* w = Named(new ChoiceList(parent_), name);
        mirrors_.push_back([w, &m] { MirrorComboBox(m, w); });
        return w;
    }

    QLineEdit* LineEdit(const QString& name, TextBox& m) {
        auto* w = Named(new QLineEdit(parent_), name);
        mirrors_.push_back([w, &m] {
            if (w->text() != ToQString(m.text)) w->setText(ToQString(m.text));
            MirrorControl(m, w);
        });
        return w;
    }

    QPushButton* Button(const QString& name, orbel::Button& m) {
        auto* w = Named(new QPushButton(parent_), name);
        mirrors_.push_back([w, &m] { MirrorButton(m, w); });
        return w;
    }

    // A check box or an option button: a caption and a tick. Option buttons
    // do not exclude each other: the model decides which of a pair is chosen.
    template <class Toggle>
    QCheckBox* Check(const QString& name, Toggle& m, QWidget* parent = nullptr) {
        return Toggled(new QCheckBox(parent ? parent : parent_), name, m);
    }
    template <class Toggle>
    QRadioButton* Option(const QString& name, Toggle& m, QWidget* parent = nullptr) {
        auto* w = Toggled(new QRadioButton(parent ? parent : parent_), name, m);
        w->setAutoExclusive(false);
        return w;
    }

    // A label of the given kind (QLabel or a subclass) showing its caption.
    template <class Widget = QLabel>
    Widget* Label(const QString& name, orbel::Label& m) {
        auto* w = Named(new Widget(parent_), name);
        mirrors_.push_back([w, &m] {
            if (w->text() != ToQString(m.caption)) w->setText(ToQString(m.caption));
            MirrorControl(m, w);
        });
        return w;
    }

    // A picture: the image itself is the window's to show.
    template <class Widget>
    Widget* Picture(const QString& name, orbel::Picture& m) {
        auto* w = Named(new Widget(parent_), name);
        mirrors_.push_back([w, &m] { MirrorControl(m, w); });
        return w;
    }

private:
    template <class Widget>
    static Widget* Named(Widget* w, const QString& name) {
        w->setObjectName(name);
        return w;
    }

    template <class Widget, class Toggle>
    Widget* Toggled(Widget* w, const QString& name, Toggle& m) {
        Named(w, name);
        mirrors_.push_back([w, &m] { MirrorToggle(m, w); });
        return w;
    }

    QWidget* parent_;
    Mirrors& mirrors_;
};

}  // namespace orbel
