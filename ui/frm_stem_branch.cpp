#include "ui/frm_stem_branch.h"

#include <QFont>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPalette>
#include <QPixmap>

#include "support/qt_text.h"

namespace orbel {

namespace {

QLabel* Heading(QWidget* parent, const char* name) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

QLabel* Named(QWidget* parent, const QString& name, Qt::Alignment alignment) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setAlignment(alignment | Qt::AlignVCenter);
    return label;
}

void ShowLabel(QLabel* w, const Label& m) {
    w->setText(ToQString(m.caption));
    w->setVisible(m.visible);
}

void ShowPicture(QLabel* w, const Picture& m, const std::string& path) {
    QPalette palette = w->palette();
    palette.setColor(QPalette::Window, QColor(m.backColour.red, m.backColour.green, m.backColour.blue));
    w->setPalette(palette);
    w->setAutoFillBackground(true);
    QPixmap picture;
    if (m.visible) picture.load(ToQString(path));
    if (picture.isNull()) {
        w->clear();
        return;
    }
    w->setPixmap(picture.scaled(FrmStemBranch::PictureSize, FrmStemBranch::PictureSize, Qt::KeepAspectRatio,
                                Qt::SmoothTransformation));
}

}  // namespace

FrmStemBranch::FrmStemBranch(const QString& pictureFolder, QWidget* parent)
    : QWidget(parent, Qt::Window), model_(pictureFolder.toStdString()) {
    setObjectName("frmStemBranch");
    lblStems = Heading(this, "lblStems");
    lblBranches = Heading(this, "lblBranches");

    // One grid per column, so that the ten stem rows and the twelve branch
    // rows each keep their own spacing.
    auto column = [this](QLabel* heading, auto& numbers, auto& pictures, auto& names, const char* prefix) {
        auto* grid = new QGridLayout;
        grid->addWidget(heading, 0, 0, 1, 3);
        for (size_t i = 0; i < names.size(); ++i) {
            const QString index = QString::number(i);
            numbers[i] = Named(this, QStringLiteral("lbl%1Number_%2").arg(prefix, index), Qt::AlignRight);
            pictures[i] = Named(this, QStringLiteral("img%1_%2").arg(prefix, index), Qt::AlignCenter);
            pictures[i]->setFixedSize(PictureSize, PictureSize);
            names[i] = Named(this, QStringLiteral("lbl%1Name_%2").arg(prefix, index), Qt::AlignLeft);
            const int row = static_cast<int>(i) + 1;
            grid->addWidget(numbers[i], row, 0);
            grid->addWidget(pictures[i], row, 1);
            grid->addWidget(names[i], row, 2);
        }
        grid->setRowStretch(static_cast<int>(names.size()) + 1, 1);
        return grid;
    };
    auto* columns = new QHBoxLayout(this);
    columns->addLayout(column(lblStems, lblStemNumber, imgStem, lblStemName, "Stem"));
    columns->addSpacing(24);
    columns->addLayout(column(lblBranches, lblBranchNumber, imgBranch, lblBranchName, "Branch"));
    Mirror();
}

void FrmStemBranch::Mirror() {
    setWindowTitle(ToQString(model_.caption));
    ShowLabel(lblStems, model_.lblStems);
    ShowLabel(lblBranches, model_.lblBranches);
    for (int i = 0; i < StemCount; ++i) {
        ShowLabel(lblStemNumber[i], model_.lblStemNumber[i]);
        ShowLabel(lblStemName[i], model_.lblStemName[i]);
        ShowPicture(imgStem[i], model_.imgStem[i], model_.StemPicturePath(i));
    }
    for (int i = 0; i < BranchCount; ++i) {
        ShowLabel(lblBranchNumber[i], model_.lblBranchNumber[i]);
        ShowLabel(lblBranchName[i], model_.lblBranchName[i]);
        ShowPicture(imgBranch[i], model_.imgBranch[i], model_.BranchPicturePath(i));
    }
}

}  // namespace orbel
