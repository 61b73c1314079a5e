#pragma once

#include <functional>

class QObject;
class QWidget;

namespace veltrano::platform {

// Tells screen readers that a control's name (a label's text) has changed.
// Orca 43 ignores this for labels, and speaks it for the focused control
// only where the toolkit sends the new name with it (Qt 6.4 does not): what
// must be heard goes with the focus (announceFocus).
void announceNameChange(QObject *control);

// Gives control the keyboard focus so that screen readers present it afresh.
// A screen reader speaks a control when focus moves to it, but says nothing
// when the focused control only changes its words (the next question shown
// in the same answer slot): then the control is offered to them as a new
// object that has just taken focus.
void announceFocus(QWidget *control);

// Test seam: called with every control announced; empty to stop.
void setAnnouncementObserver(std::function<void(QObject *)> observer);

} // namespace veltrano::platform
