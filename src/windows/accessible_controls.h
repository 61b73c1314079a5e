#pragma once

namespace veltrano {

// Makes screen readers see the program's own controls as what they are:
// an answer button (WrappingRadioButton) as a radio button that may be
// locked and may be labelled by the question it answers, and a clickable
// label (ClickableLabel) as a link with an action that follows it.
// Installed once; later calls do nothing.
void installAccessibleControls();

} // namespace veltrano
