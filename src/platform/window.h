#pragma once

#include <QIcon>

class QWidget;

namespace gibbetry {

// The program's icon: a white sheet with its corner folded over and a black capital A.
QIcon appIcon();

// A fixed-size dialog frame: a close box, no minimise or maximise button.
void makeFixedDialog(QWidget &dialog, int width, int height);

// Moves a window to the centre of its screen; call before showing it.
void centreOnScreen(QWidget &window);

} // namespace gibbetry
