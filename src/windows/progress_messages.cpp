#include "windows/progress_messages.h"

#include <QDir>

namespace veltrano {

namespace {
QString native(const QString &path)
{
    return QDir::toNativeSeparators(path);
}
} // namespace

QString ProgressMessages::why(const StoreStatus &status)
{
    QString text;
    switch (status.failure) {
    case StoreFailure::CannotOpen:
        text = tr("The file or its folder could not be opened or created.");
        break;
    case StoreFailure::CannotWrite:
        text = tr("It could not be written (is the disk full, or the file read-only?).");
        break;
    case StoreFailure::NewerSchema:
        text = tr("It was written by a newer version of the program.");
        break;
    case StoreFailure::None:
        break;
    }
    if (!status.detail.trimmed().isEmpty())
        text += u' ' + tr("(%1)").arg(status.detail.trimmed());
    return text;
}

QString ProgressMessages::unsavedTest(const QString &file, const StoreStatus &status)
{
    return tr("Your progress could not be saved in %1.\n%2\nThis test is kept while the program "
              "runs and saved again at the next Finish.")
        .arg(native(file), why(status));
}

QString ProgressMessages::unreadable(const QString &file, const StoreStatus &status)
{
    return tr("Your progress could not be read from %1.\n%2").arg(native(file), why(status));
}

QString ProgressMessages::setAside(const QString &file, const QString &aside)
{
    return tr("Your progress file %1 could not be read. It was kept as %2, and a new one was "
              "started.")
        .arg(native(file), native(aside));
}

QString ProgressMessages::exported(const QString &file)
{
    return tr("Your progress was exported to %1.").arg(native(file));
}

QString ProgressMessages::exportFailed(const QString &file, const StoreStatus &status)
{
    return tr("Your progress could not be exported to %1.\n%2").arg(native(file), why(status));
}

QString ProgressMessages::importProblem(const ImportOutcome &outcome)
{
    switch (outcome.problem) {
    case ImportProblem::Unreadable:
        return tr("The file could not be read.");
    case ImportProblem::TooLarge:
        return tr("The file is far larger than any progress file, so it was not read.");
    case ImportProblem::NotProgressFile:
        return tr("It is not a progress file exported by Veltrano Test.");
    case ImportProblem::Damaged:
        return tr("The file is damaged or cut short.");
    case ImportProblem::NewerVersion:
        return tr("It was exported by a newer version of the program; update this one first.");
    case ImportProblem::StoreFailed:
        return why(outcome.status);
    case ImportProblem::BadContent:
        break;
    case ImportProblem::None:
        return {};
    }
    const int test = outcome.faultTest;
    switch (outcome.fault) {
    case ContentFault::UnknownKind:
        return tr("Test %1 in it is of a kind this program does not know.").arg(test);
    case ContentFault::BadTest:
        return tr("Test %1 in it has an impossible date, size or score.").arg(test);
    case ContentFault::BadAnswer:
        return tr("Test %1 in it holds an answer that cannot be.").arg(test);
    case ContentFault::CountMismatch:
        return tr("The answers of test %1 in it do not add up to its score.").arg(test);
    case ContentFault::OrphanAnswer:
        return tr("It holds answers of a test %1 that is not in it.").arg(test);
    case ContentFault::DuplicateTest:
        return tr("It holds test %1 twice.").arg(test);
    case ContentFault::None:
        break;
    }
    return {};
}

QString ProgressMessages::imported(const QString &file, const ImportOutcome &outcome)
{
    if (!outcome.ok())
        return tr("Nothing was imported from %1.\n%2\nYour progress is as it was.")
            .arg(native(file), importProblem(outcome));
    if (outcome.testsAdded == 0)
        return tr("Every test in %1 is already in your progress; nothing changed.")
            .arg(native(file));
    QString text = tr("Tests imported from %1: %2.").arg(native(file)).arg(outcome.testsAdded);
    if (outcome.testsAlreadyHere > 0)
        text += u'\n' + tr("Tests already in your progress, left as they were: %1.")
                            .arg(outcome.testsAlreadyHere);
    return text;
}

QString ProgressMessages::kindCaption(const QString &kind)
{
    if (kind == QLatin1String("redo"))
        return tr("Redo of incorrect questions");
    if (kind == QLatin1String("weakest"))
        return tr("Weakest questions");
    if (kind == QLatin1String("exam"))
        return tr("Mock exam");
    if (kind == QLatin1String("chapter"))
        return tr("Chapter test");
    return tr("Practice test");
}

} // namespace veltrano
