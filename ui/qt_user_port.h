#pragma once
// The user-interaction port on real Qt dialogs and the system clipboard.
#include <QWidget>

#include "app/user_port.h"

namespace orbel {

class QtUserPort : public UserPort {
public:
    explicit QtUserPort(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view title, std::string_view text, MessageIcon icon) override;
    void SetClipboardText(std::string_view text) override;
    std::string ClipboardText() const override;
    void ProcessEvents() override;

private:
    QWidget* parent_;
};

}  // namespace orbel
