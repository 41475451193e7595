#include "toolkit/error_report.h"

#include "base/error.h"
#include "toolkit/dialogs.h"

#include <QApplication>

void reportError(const QString &message)
{
    dialogs().message(QApplication::activeWindow(), QStringLiteral("Runeplan"), message);
}

void reportException(const std::exception &error)
{
    if (const auto *own = dynamic_cast<const Error *>(&error))
        reportError(own->message());
    else
        reportError(QString::fromLocal8Bit(error.what()));
}
