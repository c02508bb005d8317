#include "ui/frm_log_preferences.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "support/qt_text.h"
#include "ui/mirror.h"

namespace orbel {

namespace {

const char* const CheckBoxNames[] = {"chkIncludeChS",  "chkIncludeChL",
                                     "chkIncludeCJDC", "chkEpochEtc",
                                     "chkIncludeCE",   "chkIncludeJC",
                                     "chkIncludeCJDL", "chkIncludeAJD",
                                     "chkIncludePhaseOfMoonAndIllumination",
                                     "chkIncludeLunationAndAgeOfMoon",
                                     "chkVerbose",     "chkIncludeGanzhi",
                                     "chkViewLogWhenAdd"};

}  // namespace

FrmLogPreferences::FrmLogPreferences(LogPreferencesModel& model, QWidget* mainWindow)
    : ActingWindow(nullptr, Qt::Window), model_(model), mainWindow_(mainWindow) {
    setObjectName("frmLogPreferences");
    lblInclude = new QLabel(this);
    lblInclude->setObjectName("lblInclude");
    const auto boxes = model_.CheckBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        auto* w = new QCheckBox(this);
        w->setObjectName(CheckBoxNames[i]);
        checkBoxes[i] = w;
        CheckBox* control = boxes[i];
        connect(w, &QCheckBox::clicked, this, [this, control](bool checked) {
            Act([this, control, checked] { model_.CheckBox_Click(*control, checked); });
        });
    }
    fraChinese = Frame("fraChinese", {0, 1, 2, 3});
    fraWestern = Frame("fraWestern", {4, 5, 6});
    fraAstronomical = Frame("fraAstronomical", {7, 8, 9});
    for (int i = 0; i < 2; ++i) {
        cmdSetClear[i] = new QPushButton(this);
        cmdSetClear[i]->setObjectName(QStringLiteral("cmdSetClear_%1").arg(i));
        connect(cmdSetClear[i], &QPushButton::clicked, this, [this, i] { Act([this, i] { model_.cmdSetClear_Click(i); }); });
    }
    cmdClose = new QPushButton(this);
    cmdClose->setObjectName("cmdClose");
    connect(cmdClose, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdClose_Click(); }); });

    auto* all = new QVBoxLayout(this);
    all->addWidget(lblInclude);
    for (QGroupBox* frame : {fraChinese, fraWestern, fraAstronomical}) all->addWidget(frame);
    for (size_t i = 10; i < checkBoxes.size(); ++i) all->addWidget(checkBoxes[i]);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdSetClear[0]);
    buttons->addWidget(cmdSetClear[1]);
    buttons->addStretch();
    buttons->addWidget(cmdClose);
    all->addLayout(buttons);
    Mirror();
}

QGroupBox* FrmLogPreferences::Frame(const char* name, std::initializer_list<int> boxes) {
    auto* frame = new QGroupBox(this);
    frame->setObjectName(name);
    QFont font(QStringLiteral("Arial"));
    font.setBold(false);
    frame->setFont(font);
    auto* column = new QVBoxLayout(frame);
    for (int i : boxes) {
        checkBoxes[static_cast<size_t>(i)]->setParent(frame);
        checkBoxes[static_cast<size_t>(i)]->setFont(QWidget::font());  // the boxes keep the window's font
        column->addWidget(checkBoxes[static_cast<size_t>(i)]);
    }
    return frame;
}

void FrmLogPreferences::Mirror() {
    setWindowTitle(ToQString(model_.caption));
    lblInclude->setText(ToQString(model_.lblInclude.caption));
    fraChinese->setTitle(ToQString(model_.fraChinese.caption));
    fraWestern->setTitle(ToQString(model_.fraWestern.caption));
    fraAstronomical->setTitle(ToQString(model_.fraAstronomical.caption));
    const auto boxes = model_.CheckBoxes();
    for (size_t i = 0; i < boxes.size(); ++i) {
        checkBoxes[i]->setText(ToQString(boxes[i]->caption));
        checkBoxes[i]->setChecked(boxes[i]->value);
        checkBoxes[i]->setEnabled(boxes[i]->enabled);
    }
    for (size_t i = 0; i < 2; ++i) cmdSetClear[i]->setText(ToQString(model_.cmdSetClear[i].caption));
    cmdClose->setText(ToQString(model_.cmdClose.caption));
    MirrorShown(model_.visible, [this] {
        // Against the main window's right side, at its top, but on the screen.
        if (!mainWindow_) return;
        QPoint at = mainWindow_->frameGeometry().topRight() + QPoint(1, 0);
        if (const QScreen* screen = mainWindow_->screen()) {
            const QRect area = screen->availableGeometry();
            at.setX(qMax(area.left(), qMin(at.x(), area.right() + 1 - sizeHint().width())));
        }
        move(at);
    });
    MirrorFocus(this, model_.focus);
}

void FrmLogPreferences::closeEvent(QCloseEvent* event) {
    event->ignore();
    Act([this] { model_.cmdClose_Click(); });
}

}  // namespace orbel
