#include "platform/SeqFile.h"

#include "platform/Cp1252.h"
#include "platform/Drive.h"
#include "platform/VbText.h"

#include <QFileInfo>

namespace plat {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

bool isBlank(QChar c) { return c == QLatin1Char(' ') || c == QLatin1Char('\t'); }
bool isLineEnd(QChar c) { return c == QLatin1Char('\r') || c == QLatin1Char('\n'); }

// One field of the input form read from `pos`: blanks skipped, quoted text
// up to its closing quote (the rest up to the comma dropped), else up to the
// comma without trailing blanks. Leaves `pos` on the comma or the line end.
QString scanField(const QString& text, qsizetype& pos)
{
    const auto atLineEnd = [&] { return pos >= text.size() || isLineEnd(text.at(pos)); };
    while (pos < text.size() && isBlank(text.at(pos)))
        ++pos;
    if (pos < text.size() && text.at(pos) == QLatin1Char('"')) {
        // Quoted: up to the closing quote, or the line end when it is missing.
        const qsizetype start = ++pos;
        while (!atLineEnd() && text.at(pos) != QLatin1Char('"'))
            ++pos;
        const QString field = text.mid(start, pos - start);
        while (!atLineEnd() && text.at(pos) != QLatin1Char(','))
            ++pos;
        return field;
    }
    const qsizetype start = pos;
    while (!atLineEnd() && text.at(pos) != QLatin1Char(','))
        ++pos;
    qsizetype end = pos;
    while (end > start && isBlank(text.at(end - 1)))
        --end;
    return text.mid(start, end - start);
}

bool isNumber(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Int: case QMetaType::UInt:
    case QMetaType::LongLong: case QMetaType::ULongLong:
    case QMetaType::Short: case QMetaType::UShort:
    case QMetaType::UChar: case QMetaType::SChar:
    case QMetaType::Long: case QMetaType::ULong:
    case QMetaType::Double: case QMetaType::Float:
        return true;
    default:
        return false;
    }
}

// A number in write form: Str's digits without the sign place, "." always.
QString writeForm(double v)
{
    const QString s = vbStr(v);
    return s.startsWith(QLatin1Char(' ')) ? s.mid(1) : s;
}

} // namespace

std::unique_ptr<SeqFile> SeqFile::open(const Drive& drive, const QString& winPath, Mode mode)
{
    const QString path = drive.hostPath(winPath);
    const QFileInfo info(path);
    if (info.isDir())
        return nullptr;

    std::unique_ptr<SeqFile> f(new SeqFile(mode));
    if (mode == Mode::Input) {
        if (!info.isFile())
            return nullptr;
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly))
            return nullptr;
        const QByteArray bytes = in.readAll();
        if (in.error() != QFileDevice::NoError)
            return nullptr;
        f->text_ = fromCp1252(bytes);
    } else {
        f->file_.setFileName(path);
        const auto flags = mode == Mode::Output ? QIODevice::WriteOnly | QIODevice::Truncate
                                                : QIODevice::WriteOnly | QIODevice::Append;
        if (!f->file_.open(flags))
            return nullptr;
    }
    f->open_ = true;
    return f;
}

SeqFile::~SeqFile() { close(); }

bool SeqFile::close()
{
    if (!open_)
        return true;
    open_ = false;
    if (mode_ == Mode::Input) {
        text_.clear();
        pos_ = 0;
        return true;
    }
    const bool flushed = file_.flush();
    file_.close();
    return flushed && file_.error() == QFileDevice::NoError;
}

bool SeqFile::writeLine(const QString& line)
{
    if (!open_ || mode_ == Mode::Input)
        return false;
    const QByteArray bytes = toCp1252(line + kLineEnd);
    return file_.write(bytes) == bytes.size();
}

bool SeqFile::printText(const QString& text) { return writeLine(text); }

bool SeqFile::printNumber(double v) { return writeLine(printForm(v)); }

bool SeqFile::printEmpty() { return writeLine(QString()); }

bool SeqFile::writeFields(const QList<QVariant>& fields)
{
    QStringList parts;
    parts.reserve(fields.size());
    for (const QVariant& v : fields)
        parts.append(isNumber(v) ? writeForm(v.toDouble())
                                 : QLatin1Char('"') + v.toString() + QLatin1Char('"'));
    return writeLine(parts.join(QLatin1Char(',')));
}

bool SeqFile::atEnd() const { return !open_ || pos_ >= text_.size(); }

bool SeqFile::atLineEnd() const { return pos_ >= text_.size() || isLineEnd(text_.at(pos_)); }

void SeqFile::skipLineEnd()
{
    if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('\r'))
        ++pos_;
    if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char('\n'))
        ++pos_;
}

std::optional<QString> SeqFile::inputField()
{
    if (mode_ != Mode::Input || atEnd())
        return std::nullopt;
    QString field = scanField(text_, pos_);
    if (pos_ < text_.size() && text_.at(pos_) == QLatin1Char(','))
        ++pos_;
    else
        skipLineEnd();
    return field;
}

std::optional<double> SeqFile::inputNumber()
{
    const auto field = inputField();
    if (!field)
        return std::nullopt;
    return vbVal(*field);
}

std::optional<QString> SeqFile::lineInput()
{
    if (mode_ != Mode::Input || atEnd())
        return std::nullopt;
    const qsizetype start = pos_;
    while (!atLineEnd())
        ++pos_;
    QString line = text_.mid(start, pos_ - start);
    skipLineEnd();
    return line;
}

QString inputValue(const QString& line)
{
    qsizetype pos = 0;
    return scanField(line, pos);
}

} // namespace plat
