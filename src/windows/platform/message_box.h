#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

namespace veltrano::platform {

// Modal message boxes with the program's title and no icon. Tests can script
// the answers: while scripted answers are queued, no box is shown and the
// next answer is taken instead.
class MessageBox {
public:
    enum class Answer { Yes, No, Ok, Cancel };

    static bool askYesNo(QWidget *parent, const QString &text);
    static bool askOkCancel(QWidget *parent, const QString &text);
    static void inform(QWidget *parent, const QString &text);

    // Test seam.
    static void scriptAnswers(const QList<Answer> &answers);
    static int pendingScriptedAnswers();
    // Every text asked or told since the last call; clears the record.
    static QStringList takeShownTexts();
};

} // namespace veltrano::platform
