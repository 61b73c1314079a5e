#pragma once

#include "bank/question_bank.h"

#include <QTranslator>

#include <memory>

namespace veltrano::platform {

// The program's own translation and Qt's (the buttons of message boxes and
// standard dialogs), installed on the application for one language at a
// time. Installing or removing them sends every window a LanguageChange.
class Translators {
public:
    Translators() = default;
    ~Translators();
    Translators(const Translators &) = delete;
    Translators &operator=(const Translators &) = delete;

    // English needs no translation: it removes them. Dates and numbers
    // (QLocale()) follow the language too.
    void use(Language language);

private:
    void removeAll();

    std::unique_ptr<QTranslator> program_;
    std::unique_ptr<QTranslator> qt_;
};

} // namespace veltrano::platform
