#include "parameters/ParamTable.h"

#include "platform/SeqFile.h"

namespace orv {
namespace {

struct Entry {
    const char* title;   // before the blank filling; nullptr: no title at all
    const char* def;
    const char* min;
    const char* max;
};

// Entries 22, 27 and 29 are untitled rows of blanks; 9 to 17 are reserved.
constexpr Entry kTable[ParamCount] = {
    {"Index - Selection bank (0,1,2)", "0", "", ""},
    {"Reg. Seconds (DS1307)", "0", "BCD 0-9  [0-59]", "BCD 0-5"},
    {"Reg. Minutes (DS1307)", "0", "BCD 0-9  [0-59]", "BCD 0-5"},
    {"Reg. Hours (DS1307)", "0", "BCD 0-9  [0-59]", "BCD 0-5"},
    {"Reg. D/wk (DS1307)", "0", "BCD 1-7   [1-7]", ""},
    {"Reg. J / month (DS1307)", "0", "BCD 0-9  [0-31]", "BCD 0-3"},
    {"Reg. Months (DS1307)", "0", "BCD 0-9  [1-12]", "BCD 0-3"},
    {"Reg. Years (DS1307)", "0", "BCD 0-9  [1-99]", "BCD 0-3"},
    {"Reg. Status (DS1307)", "16", "Status = 16", ""},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {nullptr, "0", "0", "255"},
    {"z1 Generator Start Delay", "50", "50", "180"},
    {"z2 Ramp-up Time", "20", "20", "40"},
    {"z3 Lamp Start Time", "15", "15", "30"},
    {"Max Start Number", "3", "3", "30"},
    {"", "0", "1", "255"},
    {"Magnetron Power Start", "50", "50", "130"},
    {"Deactivated Magn. Temp", "35", "35", "55"},
    {"Start Level LP (Ph = 5)", "70", "70", "90"},
    {"Max. Temp. Magnetron", "115", "50", "125"},
    {"", "25", "1", "255"},
    {"Max. Temp. SHT (Holder)", "60", "20", "90"},
    {"", "0", "1", "255"},
    {"LPC Level   (50) in ph=3-4", "50", "25", "50"},
    {"LFC Level   (15) in ph=5", "15", "0", "255"},
};

bool inTable(int p) { return p >= 0 && p < ParamCount; }

} // namespace

QString paramTitle(int p)
{
    if (!inTable(p) || !kTable[p].title) return {};
    // The title of entry 24 has always been one blank shorter than the others.
    const int width = p == 24 ? 39 : 40;
    return QString::fromLatin1(kTable[p].title).leftJustified(width, QLatin1Char(' '));
}

QString paramDefault(int p) { return inTable(p) ? QString::fromLatin1(kTable[p].def) : QString(); }
QString paramMinText(int p) { return inTable(p) ? QString::fromLatin1(kTable[p].min) : QString(); }
QString paramMaxText(int p) { return inTable(p) ? QString::fromLatin1(kTable[p].max) : QString(); }

void fillParamBounds(std::array<QString, 33>& min, std::array<QString, 33>& max)
{
    for (int p = 1; p < ParamCount; ++p) {
        min[p] = paramMinText(p);
        max[p] = paramMaxText(p);
    }
}

ParamValues paramDefaults()
{
    ParamValues v;
    for (int p = 0; p < ParamCount; ++p) v[p] = paramDefault(p);
    return v;
}

QString paramCopyPath(const QString& baseFolder) { return baseFolder + "\\ParamSt.ini"; }

std::optional<QStringList> readParamCopy(const plat::Drive& drive, const QString& path)
{
    auto in = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Input);
    if (!in) return std::nullopt;
    QStringList values;
    while (auto field = in->inputField()) values << *field;
    return values;
}

bool writeParamCopy(const plat::Drive& drive, const QString& path, const ParamValues& values)
{
    auto out = plat::SeqFile::open(drive, path, plat::SeqFile::Mode::Output);
    if (!out) return false;
    bool ok = true;
    for (const QString& v : values) ok = out->printText(v) && ok;
    return out->close() && ok;
}

} // namespace orv
