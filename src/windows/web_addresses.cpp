#include "windows/web_addresses.h"

#include <QCoreApplication>
#include <QUrl>
#include <QUrlQuery>

namespace veltrano {

QString problemReportAddress(int question, const QString &questionText)
{
    QUrlQuery fields;
    fields.addQueryItem(
        QStringLiteral("subject"),
        QCoreApplication::translate("ProblemReport", "Problem with question %1").arg(question));
    fields.addQueryItem(
        QStringLiteral("body"),
        QCoreApplication::translate("ProblemReport", "Question %1: %2\n\nWhat is wrong with it:\n")
            .arg(question)
            .arg(questionText));
    QUrl address;
    address.setScheme(QStringLiteral("mailto"));
    address.setPath(QString::fromLatin1(web::feedbackAddress));
    address.setQuery(fields);
    return address.toString(QUrl::FullyEncoded);
}

} // namespace veltrano
