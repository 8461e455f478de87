#include "runtime/Conversions.h"

#include "runtime/RuntimeError.h"

#include <QLocale>
#include <cmath>

QString Conversions::integerToText(Integer value)
{
    return QString::number(value);
}

double Conversions::textToNumber(const QString &text)
{
    bool ok = false;
    const double value = QLocale::c().toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        throw RuntimeError::typeMismatch();
    return value;
}

QString Conversions::numberToText(double value)
{
    if (!std::isfinite(value))
        throw RuntimeError::overflow();
    if (value == 0.0)
        return QStringLiteral("0"); // also for -0.0
    if (value == std::trunc(value))
        return QString::number(value, 'f', 0);
    return QString::number(value, 'g', 15);
}
