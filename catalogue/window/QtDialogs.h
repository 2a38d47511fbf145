#pragma once
// The program's dialogs on screen: Qt's message box and text prompt, modal
// over the main window.
#include "Dialogs.h"

class QWidget;

namespace catalogue {

class QtDialogs : public Dialogs {
public:
    explicit QtDialogs(QWidget* parent = nullptr) : parent_(parent) {}
    void setParent(QWidget* parent) { parent_ = parent; }
    void message(const QString& text) override;
    std::optional<QString> prompt(const QString& text, const QString& title) override;

private:
    QWidget* parent_;
};

} // namespace catalogue
