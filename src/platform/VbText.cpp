#include "platform/VbText.h"

#include <QLocale>
#include <QRegularExpression>
#include <cmath>
#include <cstdio>

namespace plat {
namespace {

QString& separatorSetting()
{
    static QString sep = QStringLiteral(".");
    return sep;
}

// Up to 15 significant digits, trailing zeros dropped, exponent form for very
// large or small values ("1E+15", "1E-05"), "." as the point.
QString generalDigits(double v)
{
    if (v == 0)
        return QStringLiteral("0");   // also folds -0
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.15G", v);
    return QString::fromLatin1(buf);
}

QString withSeparator(QString text)
{
    const QString sep = decimalSeparator();
    if (sep != QLatin1String("."))
        text.replace(QLatin1Char('.'), sep);
    return text;
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

} // namespace

QString decimalSeparator() { return separatorSetting(); }

void setDecimalSeparator(const QString& sep)
{
    separatorSetting() = sep.isEmpty() ? QStringLiteral(".") : sep;
}

QString systemDecimalSeparator() { return QLocale::system().decimalPoint(); }

QString vbStr(double v)
{
    QString digits = generalDigits(v);
    if (digits.startsWith(QLatin1String("0.")))
        digits.remove(0, 1);
    else if (digits.startsWith(QLatin1String("-0.")))
        digits.remove(1, 1);
    return digits.startsWith(QLatin1Char('-')) ? digits : QLatin1Char(' ') + digits;
}

QString vbCStr(double v) { return withSeparator(generalDigits(v)); }

QString printForm(double v) { return withSeparator(vbStr(v)) + QLatin1Char(' '); }

double vbVal(const QString& s)
{
    QString t;
    t.reserve(s.size());
    for (QChar c : s)
        if (c != QLatin1Char(' ') && c != QLatin1Char('\t') && c != QLatin1Char('\n'))
            t.append(c);

    qsizetype i = 0;
    const qsizetype n = t.size();
    QString num;
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        num.append(t[i++]);
    bool anyDigit = false;
    while (i < n && isDigit(t[i])) { num.append(t[i++]); anyDigit = true; }
    if (i < n && t[i] == QLatin1Char('.')) {
        num.append(t[i++]);
        while (i < n && isDigit(t[i])) { num.append(t[i++]); anyDigit = true; }
    }
    if (!anyDigit)
        return 0;
    if (i < n && QStringLiteral("eEdD").contains(t[i])) {
        qsizetype j = i + 1;
        QString exp = QStringLiteral("e");
        if (j < n && (t[j] == QLatin1Char('+') || t[j] == QLatin1Char('-')))
            exp.append(t[j++]);
        if (j < n && isDigit(t[j])) {
            while (j < n && isDigit(t[j]))
                exp.append(t[j++]);
            num.append(exp);
        }
    }
    bool ok = false;
    const double v = num.toDouble(&ok);   // C locale whatever the system says
    return ok && std::isfinite(v) ? v : 0;
}

std::optional<int64_t> vbRound(double v)
{
    if (!std::isfinite(v))
        return std::nullopt;
    double r = std::floor(v);
    const double frac = v - r;
    if (frac > 0.5 || (frac == 0.5 && std::fmod(r, 2.0) != 0))
        r += 1;
    // 2^63 is exactly representable; anything at or beyond it does not fit.
    if (r >= 9223372036854775808.0 || r < -9223372036854775808.0)
        return std::nullopt;
    return static_cast<int64_t>(r);
}

std::optional<uint8_t> toByte(double v)
{
    const auto r = vbRound(v);
    if (!r || *r < 0 || *r > 255)
        return std::nullopt;
    return static_cast<uint8_t>(*r);
}

std::optional<int16_t> toInt16(double v)
{
    const auto r = vbRound(v);
    if (!r || *r < -32768 || *r > 32767)
        return std::nullopt;
    return static_cast<int16_t>(*r);
}

std::optional<double> toDouble(const QString& s)
{
    QString t = s.trimmed();
    const QString sep = decimalSeparator();
    if (sep != QLatin1String("."))
        t.replace(sep, QStringLiteral("."));
    static const QRegularExpression number(
        QStringLiteral("^[+-]?(\\d+\\.?\\d*|\\.\\d+)([eEdD][+-]?\\d+)?$"));
    if (!number.match(t).hasMatch())
        return std::nullopt;
    t.replace(QLatin1Char('d'), QLatin1Char('e')).replace(QLatin1Char('D'), QLatin1Char('e'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

QString timeText(const QDateTime& t) { return t.toString(QStringLiteral("HH:mm:ss")); }

QString dateText(const QDateTime& t) { return t.toString(QStringLiteral("dd/MM/yyyy")); }

QString left(const QString& s, int n) { return n <= 0 ? QString() : s.left(n); }

QString right(const QString& s, int n) { return n <= 0 ? QString() : s.right(n); }

QString mid(const QString& s, int start1Based, int len)
{
    const qsizetype start = start1Based < 1 ? 0 : start1Based - 1;
    if (start >= s.size())
        return QString();
    return len < 0 ? s.mid(start) : s.mid(start, len);
}

} // namespace plat
