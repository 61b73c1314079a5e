#pragma once

#include "progress/progress_store.h"

#include <QCoreApplication>
#include <QString>

namespace veltrano {

// How the progress store's outcomes are worded, in the program's language.
class ProgressMessages {
    Q_DECLARE_TR_FUNCTIONS(ProgressMessages)

public:
    // A finished test that could not be recorded.
    static QString unsavedTest(const QString &file, const StoreStatus &status);
    // Progress that could not be read.
    static QString unreadable(const QString &file, const StoreStatus &status);
    // A broken progress file was kept aside and a new one started.
    static QString setAside(const QString &file, const QString &aside);
    static QString exported(const QString &file);
    static QString exportFailed(const QString &file, const StoreStatus &status);
    static QString imported(const QString &file, const ImportOutcome &outcome);
    // "Practice test", "Mock exam", ...
    static QString kindCaption(const QString &kind);

private:
    static QString why(const StoreStatus &status);
    static QString importProblem(const ImportOutcome &outcome);
};

} // namespace veltrano
