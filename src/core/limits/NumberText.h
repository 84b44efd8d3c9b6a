#pragma once

#include <QString>

#include <optional>

namespace qx740 {

// Reads a decimal number written with the locale's decimal separator: optional blanks around,
// an optional sign, digits with at most one separator, an optional exponent. Nothing else.
std::optional<long double> parseLocaleNumber(const QString& text, const QString& decimalPoint);

// A number for the limit judgement: parses, and treats -999999 (the marker of a failed
// conversion) as not a number.
std::optional<long double> judgementNumber(const QString& text, const QString& decimalPoint);

// Reads a whole decimal number (optional blanks around and a sign); nullopt otherwise.
std::optional<int> parseInteger(const QString& text);

// The message of a failed whole-number conversion, naming the text.
QString notAnIntegerMessage(const QString& text);

} // namespace qx740
