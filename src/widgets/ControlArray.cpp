#include "ControlArray.h"

QString ControlArray::Name(const QString& base, int index)
{
    return base + QLatin1Char('_') + QString::number(index);
}

int ControlArray::Index(const QObject* control)
{
    const QString name = control->objectName();
    const qsizetype separator = name.lastIndexOf(QLatin1Char('_'));
    if (separator <= 0 || separator == name.size() - 1)
        return -1;
    const QString digits = name.mid(separator + 1);
    for (const QChar c : digits) {
        if (!c.isDigit())
            return -1;
    }
    bool ok = false;
    const int index = digits.toInt(&ok);
    return ok ? index : -1;
}
