#include "ui/frm_calendar.h"

#include <QDir>
#include <QEvent>
#include <QHBoxLayout>
#include <QPainter>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "views/image_saving.h"

namespace orbel {
namespace {

// The save dialog opens in the pictures folder, or at home when there is none.
std::string ImageFolder() {
    QString folder = QStandardPaths::writableLocation(QStandardPaths::PicturesLocation);
    if (folder.isEmpty() || !QDir(folder).exists()) folder = QDir::homePath();
    return folder.toStdString() + "/";
}

}  // namespace

CalendarPageBox::CalendarPageBox(const CalendarMonthModel& model, const MoonDayPictures& moons, QWidget* parent)
    : QWidget(parent), model_(model), moons_(moons) {
    setObjectName("picBox");
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(560, 380);
}

void CalendarPageBox::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    PaintCalendarPage(painter, ComputeCalendarPageGeometry(width(), height(), model_.rows, model_.columns), model_,
                      moons_);
}

FrmCalendar::FrmCalendar(UserPort& port, const QString& pictureFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), port_(port), moons_(LoadMoonDayPictures(pictureFolder)) {
    setObjectName("frmCalendar");
    picBox = new CalendarPageBox(model_, moons_, this);
    auto button = [this](const char* name, std::string_view caption) {
        auto* b = new QPushButton(QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size())), this);
        b->setObjectName(name);
        return b;
    };
    cmdShowPreviousOrNext[0] = button("cmdShowPreviousOrNext0", ShowPreviousMonthCaption);
    cmdShowPreviousOrNext[1] = button("cmdShowPreviousOrNext1", ShowNextMonthCaption);
    cmdClose = button("cmdClose", "Close");
    cmdSaveCalendarImage = button("cmdSaveCalendarImage", SaveCalendarImageCaption);
    for (size_t i = 0; i < optLayout.size(); ++i) {
        const std::string_view caption = CalendarLayoutCaptions[i];
        const QString text = QString::fromUtf8(caption.data(), static_cast<qsizetype>(caption.size()));
        optLayout[i] = new QRadioButton(text, this);
        optLayout[i]->setObjectName(QStringLiteral("optLayout%1").arg(i));
    }

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(cmdShowPreviousOrNext[0]);
    buttons->addWidget(cmdShowPreviousOrNext[1]);
    buttons->addWidget(cmdClose);
    buttons->addStretch();
    for (QRadioButton* option : optLayout) buttons->addWidget(option);
    buttons->addSpacing(12);
    buttons->addWidget(cmdSaveCalendarImage);
    auto* all = new QVBoxLayout(this);
    all->setContentsMargins(0, 0, 0, 6);
    all->addWidget(picBox, 1);
    buttons->setContentsMargins(6, 0, 6, 0);
    all->addLayout(buttons);
    resize(900, 680);

    for (int index : {0, 1})
        connect(cmdShowPreviousOrNext[static_cast<size_t>(index)], &QPushButton::clicked, this, [this, index] {
            model_.cmdShowPreviousOrNext_Click(index);
            Mirror();
        });
    for (size_t i = 0; i < optLayout.size(); ++i)
        connect(optLayout[i], &QRadioButton::clicked, this, [this, i] {
            model_.optLayout_Click(static_cast<CalendarLayout>(i));
            Mirror();
        });
    connect(cmdSaveCalendarImage, &QPushButton::clicked, this, [this] { cmdSaveCalendarImage_Click(); });
    connect(cmdClose, &QPushButton::clicked, this, [this] { cmdClose_Click(); });
}

void FrmCalendar::Redraw() {
    model_.DrawMonth();
    Mirror();
}

void FrmCalendar::Mirror() {
    setWindowTitle(QString::fromStdString(model_.caption));
    for (size_t i = 0; i < cmdShowPreviousOrNext.size(); ++i)
        cmdShowPreviousOrNext[i]->setEnabled(model_.navigationEnabled[i]);
    for (size_t i = 0; i < optLayout.size(); ++i)
        optLayout[i]->setChecked(static_cast<size_t>(model_.layout) == i);
    picBox->update();
}

void FrmCalendar::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) Redraw();
}

void FrmCalendar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Redraw();
}

void FrmCalendar::cmdSaveCalendarImage_Click() {
    std::string errorText;
    const int width = picBox->width();
    const int height = picBox->height();
    SaveWindowImage(
        port_,
        [this, width, height](const std::string& path) {
            return WriteCalendarPageBitmap(model_, moons_, width, height, path);
        },
        SaveCalendarImageTitle, ImageFolder() + CalendarImageFileName(model_), errorText);
}

void FrmCalendar::cmdClose_Click() {
    hide();
    showMainWindow();
}

}  // namespace orbel
