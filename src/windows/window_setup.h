#pragma once

#include <QIcon>
#include <QWidget>

namespace veltrano {

// A fixed border without minimise or maximise buttons, and the program icon.
void applyFixedBorder(QWidget *window);

// applyFixedBorder and the fixed client size the window was drawn with.
void setFixedClientSize(QWidget *window, int widthTwips, int heightTwips);

// Centres a window on its owner, or on the screen when it has none.
void centreWindow(QWidget *window);

// The program icon shown on every window.
QIcon programIcon();

} // namespace veltrano
