#pragma once

#include <QFont>

namespace veltrano {

// Fonts are asked for by the family names the windows were drawn with.
// Liberation's metric-compatible faces stand in where those are missing.
void installFontSubstitutes();

// installFontSubstitutes, and the windows' default face (MS Sans Serif 8.25).
void applyProgramFonts();

QFont timesNewRoman(double pointSize, bool bold = false);
QFont msSansSerif(double pointSize, bool bold = false);
QFont microsoftSansSerif(double pointSize, bool bold = false);

} // namespace veltrano
