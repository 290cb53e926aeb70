#pragma once

#include <QString>

namespace gibbetry {

// A modal message box titled with the application's name and a single OK button; returns when
// the player has closed it.
class MessageBox {
public:
    enum class Icon { Information, Warning };
    virtual ~MessageBox() = default;
    virtual void show(Icon icon, const QString &text) = 0;
};

} // namespace gibbetry
