#include "windows/platform/translators.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace veltrano::platform {

namespace {

// Dates and numbers follow the program's language: the system's conventions
// where the system speaks that language, else Canada's.
QLocale localeOf(Language language)
{
    const QLocale::Language spoken =
        language == Language::French ? QLocale::French : QLocale::English;
    const QLocale system = QLocale::system();
    return system.language() == spoken ? system : QLocale(spoken, QLocale::Canada);
}

} // namespace

Translators::~Translators()
{
    removeAll();
}

void Translators::removeAll()
{
    for (std::unique_ptr<QTranslator> *translator : {&program_, &qt_}) {
        if (*translator)
            QCoreApplication::removeTranslator(translator->get());
        translator->reset();
    }
}

void Translators::use(Language language)
{
    removeAll();
    QLocale::setDefault(localeOf(language));
    if (language == Language::English)
        return;
    const QLocale french(QLocale::French, QLocale::Canada);
    program_ = std::make_unique<QTranslator>();
    if (program_->load(QStringLiteral(":/i18n/veltrano_fr.qm")))
        QCoreApplication::installTranslator(program_.get());
    // Qt's own words come from the system's translations (Debian's
    // qt6-translations-l10n); without them Qt's buttons stay in English.
    qt_ = std::make_unique<QTranslator>();
    if (qt_->load(french, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt_.get());
}

} // namespace veltrano::platform
