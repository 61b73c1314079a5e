#include "windows/fonts.h"

#include <QApplication>
#include <QStringList>

namespace veltrano {

namespace {
QFont font(const QString &family, double pointSize, bool bold)
{
    QFont f(family);
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}
} // namespace

void installFontSubstitutes()
{
    QFont::insertSubstitutions(
        QStringLiteral("Times New Roman"),
        QStringList{QStringLiteral("Liberation Serif"), QStringLiteral("Tinos")});
    const QStringList sans{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                           QStringLiteral("Arial")};
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), sans);
    QFont::insertSubstitutions(QStringLiteral("Microsoft Sans Serif"), sans);
}

void applyProgramFonts()
{
    installFontSubstitutes();
    QApplication::setFont(msSansSerif(8.25));
}

QFont timesNewRoman(double pointSize, bool bold)
{
    return font(QStringLiteral("Times New Roman"), pointSize, bold);
}

QFont msSansSerif(double pointSize, bool bold)
{
    return font(QStringLiteral("MS Sans Serif"), pointSize, bold);
}

QFont microsoftSansSerif(double pointSize, bool bold)
{
    return font(QStringLiteral("Microsoft Sans Serif"), pointSize, bold);
}

} // namespace veltrano
