#pragma once
// Number and text conversions as the forms run-time does them, so that files,
// labels and titles carry the same texts as the system wrote them.

#include <QDateTime>
#include <QString>
#include <cstdint>
#include <optional>

namespace plat {

// Decimal separator of the system's number format: "." unless set. The
// program sets it from the system locale at start; tests keep ".".
QString decimalSeparator();
void setDecimalSeparator(const QString& sep);
QString systemDecimalSeparator();

// Str: a blank (or "-") before the number, up to 15 significant digits, no
// trailing zeros, no zero before the point, "." always (" 50", "-1.5", " .5",
// " 1E+15").
QString vbStr(double v);
// CStr / the general number format: no blank before, a zero before the point,
// the system's decimal separator ("50", "-1.5", "0.5").
QString vbCStr(double v);
// The text a print statement gives a number: Str's text with the system's
// decimal separator and one blank after (" 50 ", "-120 ").
QString printForm(double v);

// Val: blanks, tabs and line feeds are ignored; the value of the leading
// number ("." as decimal point, optional exponent); 0 when there is none.
double vbVal(const QString& s);

// Rounding half to even, as the whole-number conversions do; nullopt when the
// value is not finite or does not fit.
std::optional<int64_t> vbRound(double v);
std::optional<uint8_t> toByte(double v);
std::optional<int16_t> toInt16(double v);

// CDbl: the whole text, blanks around it allowed, must be a number; "." and
// the system's decimal separator are both accepted. nullopt otherwise.
std::optional<double> toDouble(const QString& s);

// Regional texts of the clock: "hh:mm:ss" (24 h) and the short date "dd/mm/yyyy".
QString timeText(const QDateTime& t);
QString dateText(const QDateTime& t);

// Left, Right and Mid with 1-based positions; a count or position out of
// range yields what is there (possibly the empty text), never an error.
QString left(const QString& s, int n);
QString right(const QString& s, int n);
QString mid(const QString& s, int start1Based, int len = -1);

} // namespace plat
