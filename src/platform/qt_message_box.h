#pragma once

#include "platform/message_box.h"

#include <memory>

class QMessageBox;
class QWidget;

namespace gibbetry {

class QtMessageBox final : public MessageBox {
public:
    // parent: the window the box blocks while it is open; may be set later.
    explicit QtMessageBox(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void show(Icon icon, const QString &text) override;
    // The box that show() runs: titled "Gibbetry", the icon, the text, one OK button.
    static std::unique_ptr<QMessageBox> create(Icon icon, const QString &text, QWidget *parent);

private:
    QWidget *parent_;
};

} // namespace gibbetry
