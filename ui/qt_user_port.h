#pragma once
// The user-interaction port on real Qt dialogs and the system clipboard.
#include <QWidget>

#include "support/user_port.h"

namespace orbel {

class QtUserPort : public UserPort {
public:
    explicit QtUserPort(QWidget* parent = nullptr) : parent_(parent) {}
    void SetParent(QWidget* parent) { parent_ = parent; }

    void ShowMessage(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool AskYesNo(std::string_view title, std::string_view text, MessageIcon icon) override;
    bool AskOkCancel(std::string_view title, std::string_view text, MessageIcon icon) override;
    SaveChoice AskSaveDiscardCancel(std::string_view title, std::string_view text) override;
    std::string AskSaveFileName(std::string_view title, std::string_view suggestedPath,
                                std::string_view filter) override;
    void SetClipboardText(std::string_view text) override;
    std::string ClipboardText() const override;
    void ProcessEvents() override;
    void SetBusy(bool busy) override;

private:
    QWidget* parent_;
    bool busy_ = false;
};

}  // namespace orbel
