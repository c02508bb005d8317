#include "ui/qt_user_port.h"

#include <QApplication>
#include <QClipboard>
#include <QMessageBox>

namespace orbel {
namespace {

QString FromUtf8(std::string_view text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

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
    QMessageBox box(ToQt(icon), FromUtf8(title), FromUtf8(text), QMessageBox::Ok, parent_);
    box.exec();
}

bool QtUserPort::AskYesNo(std::string_view title, std::string_view text, MessageIcon icon) {
    QMessageBox box(ToQt(icon), FromUtf8(title), FromUtf8(text), QMessageBox::Yes | QMessageBox::No, parent_);
    return box.exec() == QMessageBox::Yes;
}

void QtUserPort::SetClipboardText(std::string_view text) { QApplication::clipboard()->setText(FromUtf8(text)); }

std::string QtUserPort::ClipboardText() const { return QApplication::clipboard()->text().toStdString(); }

void QtUserPort::ProcessEvents() { QCoreApplication::processEvents(); }

}  // namespace orbel
