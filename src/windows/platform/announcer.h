#pragma once

#include <functional>

class QObject;

namespace veltrano::platform {

// Tells screen readers that a control's name (a label's text) has changed.
void announceNameChange(QObject *control);

// Test seam: called with every control announced; empty to stop.
void setAnnouncementObserver(std::function<void(QObject *)> observer);

} // namespace veltrano::platform
