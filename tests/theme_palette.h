#pragma once

#include <QApplication>
#include <QPalette>
#include <QStyle>

namespace gibbetry::test {

// A desktop theme's palette as a platform theme sets it: windows and buttons in one colour, their
// text in another, text fields on a ground of their own.
inline QPalette themePalette(const QColor &window, const QColor &text, const QColor &base)
{
    QPalette p = QApplication::style()->standardPalette();
    for (auto role : {QPalette::Window, QPalette::Button})
        p.setColor(role, window);
    for (auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(role, text);
    p.setColor(QPalette::Base, base);
    return p;
}

// Breeze Dark's colours, and a black high-contrast scheme.
inline QPalette darkPalette()
{
    return themePalette(QColor(0x31363b), QColor(0xeff0f1), QColor(0x232629));
}
inline QPalette highContrastBlackPalette()
{
    return themePalette(Qt::black, Qt::white, Qt::black);
}

} // namespace gibbetry::test
