#pragma once

#include "platform/message_box.h"

#include <QPointer>
#include <QWidget>

#include <memory>

class QMessageBox;

namespace gibbetry {

class QtMessageBox final : public MessageBox {
public:
    // parent: the window the box blocks while it is open; may be set later. Held weakly: once
    // that window is gone the box opens on its own.
    explicit QtMessageBox(QWidget *parent = nullptr) : parent_(parent) {}
    void setParent(QWidget *parent) { parent_ = parent; }
    void show(Icon icon, const QString &text) override;
    // The box that show() runs: titled "Gibbetry", the icon, the text, one OK button.
    static std::unique_ptr<QMessageBox> create(Icon icon, const QString &text, QWidget *parent);

private:
    QPointer<QWidget> parent_;
};

} // namespace gibbetry
