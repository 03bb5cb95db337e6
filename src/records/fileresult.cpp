#include "fileresult.h"

#include <QCoreApplication>

FileResult FileResult::writeFailure(const QString &fileName, const QString &reason)
{
    return failure(QCoreApplication::translate("FileResult",
                                               "The file \"%1\" could not be written: %2.\n"
                                               "Nothing was changed.")
                       .arg(fileName, reason));
}
