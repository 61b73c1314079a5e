#pragma once

#include <QString>

// Where the program keeps its values in the per-user settings store
// (organisation and application "OrviTest"). Users' files hold these names:
// they never change.
namespace veltrano::settings {

inline const QString section = QStringLiteral("aaa");
// The wrong-answer history: one digit per bank question.
inline const QString historyKey = QStringLiteral("redo");
// Set once the first-run licence agreement has been shown.
inline const QString firstRunKey = QStringLiteral("zzz");
// The language the user chose: "en" or "fr"; missing until they choose.
inline const QString languageKey = QStringLiteral("language");
// "1" while every new question is read aloud as it comes into view.
inline const QString readAloudKey = QStringLiteral("readAloud");

} // namespace veltrano::settings
