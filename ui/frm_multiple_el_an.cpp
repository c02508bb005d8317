#include "ui/frm_multiple_el_an.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QScreen>
#include <QVBoxLayout>

#include <algorithm>

#include "ui/mirror.h"
#include "ui/widget_maker.h"

namespace orbel {
FrmMultipleElAn::FrmMultipleElAn(MultipleElementAnimalWindow& model, QWidget* parent)
    : QWidget(parent, Qt::Tool), model_(model) {
    setObjectName("frmMultiple_El_An");
    WidgetMaker make(this, mirrors_);
    auto combo = [&make](const QString& name, ComboBox& m) {
        QComboBox* w = make.Combo(name, m);
        w->setMinimumContentsLength(10);
        return w;
    };
    for (int row = 0; row < 3; ++row) {
        cboElement[row] = combo(QString("cboElement_%1").arg(row), model_.cboElement[row]);
        cboAnimal[row] = combo(QString("cboAnimal_%1").arg(row), model_.cboAnimal[row]);
        Label1[row] = make.Label(QString("Label1_%1").arg(row), model_.Label1[row]);
    }
    cboWithin = combo("cboWithin", model_.cboWithin);
    chkStartingFromToday = make.Check("chkStartingFromToday", model_.chkStartingFromToday);
    cmdSearch = make.Button("cmdSearch", model_.cmdSearch);
    cmdClear = make.Button("cmdClear", model_.cmdClear);
    cmdClose = make.Button("cmdClose", model_.cmdClose);

    // The rows read as a phrase: day, "month" row, "year" row.
    auto* grid = new QGridLayout;
    grid->addWidget(Label1[2], 0, 0, 1, 3);
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(cboElement[row], row + 1, 0);
        grid->addWidget(cboAnimal[row], row + 1, 1);
    }
    grid->addWidget(new QLabel(tr("day"), this), 1, 2);
    grid->addWidget(Label1[1], 2, 2);
    grid->addWidget(Label1[0], 3, 2);
    grid->addWidget(cboWithin, 4, 0);
    grid->addWidget(chkStartingFromToday, 4, 1, 1, 2);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {cmdSearch, cmdClear, cmdClose}) buttons->addWidget(b);
    auto* all = new QVBoxLayout(this);
    all->addLayout(grid);
    all->addLayout(buttons);

    for (int row = 0; row < 3; ++row) {
        connect(cboElement[row], &QComboBox::activated, this, [this, row](int index) {
            Act([this, row, index] {
                model_.cboElement[row].listIndex = index;
                model_.cboElement_Click(row);
            });
        });
        connect(cboAnimal[row], &QComboBox::activated, this, [this, row](int index) {
            Act([this, row, index] {
                model_.cboAnimal[row].listIndex = index;
                model_.cboAnimal_Click(row);
            });
        });
    }
    connect(cboWithin, &QComboBox::activated, this, [this](int index) {
        Act([this, index] {
            model_.cboWithin.listIndex = index;
            model_.cboWithin_Click();
        });
    });
    connect(chkStartingFromToday, &QCheckBox::clicked, this, [this](bool checked) {
        Act([this, checked] {
            model_.chkStartingFromToday.value = checked;
            model_.chkStartingFromToday_Click();
        });
    });
    model_.Refresh = [this] {
        Mirror();
        afterEvent();
    };
    connect(cmdSearch, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdSearch_Click(); }); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdClear_Click(); }); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { Act([this] { model_.cmdClose_Click(); }); });
}

FrmMultipleElAn::~FrmMultipleElAn() { model_.Refresh = [] {}; }

void FrmMultipleElAn::Act(const std::function<void()>& procedure) {
    if (mirroring_) return;
    procedure();
    Mirror();
    afterEvent();
}

void FrmMultipleElAn::Mirror() {
    mirroring_ = true;
    setWindowTitle(ToQString(model_.caption));
    for (const auto& mirror : mirrors_) mirror();
    if (isVisible() != model_.visible) {
        if (model_.visible) {
            // Beside the main window, level with its search frame's side.
            if (QWidget* main = parentWidget()) {
                const QRect frame = main->frameGeometry();
                QPoint at(frame.right() + 8, frame.top() + frame.height() / 2);
                if (QScreen* screen = main->screen()) {
                    const QRect room = screen->availableGeometry();
                    at.setX(std::clamp(at.x(), room.left(), std::max(room.left(), room.right() - sizeHint().width())));
                    at.setY(std::clamp(at.y(), room.top(), std::max(room.top(), room.bottom() - sizeHint().height())));
                }
                move(at);
            }
            show();
            raise();
        } else {
            hide();
        }
    }
    MirrorFocus(this, model_.focus);
    mirroring_ = false;
}

void FrmMultipleElAn::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (mirroring_) return;
    model_.Form_Activate();
    Mirror();
}

// Activation rereads the main window's direction.
bool FrmMultipleElAn::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate && !mirroring_ && model_.cmdSearch.caption != "Stop") {
        model_.Form_Activate();
        Mirror();
    }
    return QWidget::event(e);
}

// The title bar's close button is Close; during a search it stops it first.
void FrmMultipleElAn::closeEvent(QCloseEvent* event) {
    Act([this] { model_.cmdClose_Click(); });
    event->accept();
}

// Escape is Close, as in a dialog; during a search it stops it first.
void FrmMultipleElAn::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        Act([this] { model_.cmdClose_Click(); });
        return;
    }
    QWidget::keyPressEvent(event);
}

}  // namespace orbel
