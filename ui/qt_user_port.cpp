#include "ui/qt_user_port.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QMessageBox>

#include "support/qt_text.h"

namespace orbel {
namespace {

QMessageBox::Icon ToQt(MessageIcon icon) {
    switch (icon) {
        case MessageIcon::Information: return QMessageBox::Information;
        case MessageIcon::Exclamation: return QMessageBox::Warning;
        case MessageIcon::Critical: return QMessageBox::Critical;
        case MessageIcon::Question: return QMessageBox::Question;
        case MessageIcon::None: break;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

void QtUserPort::ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) {
    QMessageBox box(ToQt(icon), ToQString(title), ToQString(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtUserPort::AskYesNo(std::string_view title, std::string_view text, MessageIcon icon) {
    QMessageBox box(ToQt(icon), ToQString(title), ToQString(text), QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

bool QtUserPort::AskOkCancel(std::string_view title, std::string_view text, MessageIcon icon) {
    QMessageBox box(ToQt(icon), ToQString(title), ToQString(text), QMessageBox::Ok | QMessageBox::Cancel, parent_);
    return box.exec() == QMessageBox::Ok;
}

SaveChoice QtUserPort::AskSaveDiscardCancel(std::string_view title, std::string_view text) {
    QMessageBox box(QMessageBox::Question, ToQString(title), ToQString(text),
                    QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel, parent_);
    box.setDefaultButton(QMessageBox::Save);
    switch (box.exec()) {
        case QMessageBox::Save: return SaveChoice::Save;
        case QMessageBox::Discard: return SaveChoice::Discard;
        default: return SaveChoice::Cancel;
    }
}

std::string QtUserPort::AskSaveFileName(std::string_view title, std::string_view suggestedPath,
                                        std::string_view filter) {
    return QFileDialog::getSaveFileName(parent_, ToQString(title), ToQString(suggestedPath), ToQString(filter))
        .toStdString();
}

void QtUserPort::SetClipboardText(std::string_view text) { QApplication::clipboard()->setText(ToQString(text)); }

std::string QtUserPort::ClipboardText() const { return QApplication::clipboard()->text().toStdString(); }

void QtUserPort::ProcessEvents() { QCoreApplication::processEvents(); }

void QtUserPort::SetBusy(bool busy) {
    if (busy == busy_) return;
    busy_ = busy;
    if (busy)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

}  // namespace orbel
