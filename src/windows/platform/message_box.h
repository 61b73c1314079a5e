#pragma once

#include <QString>

class QWidget;

namespace veltrano::platform {

// Modal message boxes with the program's title and no icon.
class MessageBox {
public:
    enum class Answer { Yes, No, Ok, Cancel };

    static bool askYesNo(QWidget *parent, const QString &text);
    static bool askOkCancel(QWidget *parent, const QString &text);
    static void inform(QWidget *parent, const QString &text);
    // Two named choices and Cancel: Yes for the first, No for the second.
    static Answer askChoice(QWidget *parent, const QString &text, const QString &first,
                            const QString &second);

    // Test seam: the next box is not shown and takes this answer instead;
    // its text is left in *text when one is given (it must outlive the box
    // or clearScriptedAnswer()).
    static void scriptNextAnswer(Answer answer, QString *text = nullptr);
    static bool hasScriptedAnswer();
    static void clearScriptedAnswer();
};

} // namespace veltrano::platform
