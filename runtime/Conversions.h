#pragma once

#include "runtime/Arithmetic.h"

#include <QString>

// Conversions between numbers and text, independent of the user's locale: the
// move counter always reads as plain digits.
class Conversions {
public:
    static QString integerToText(Integer value);
    // Raises a run-time error for a text that is no number.
    static double textToNumber(const QString &text);
    // A whole number comes out as its digits, never in exponent form.
    static QString numberToText(double value);
};
