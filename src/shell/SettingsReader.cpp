#include "shell/SettingsReader.h"

#include "platform/VbText.h"
#include "shell/Log.h"
#include "shell/Program.h"
#include "shell/ShellState.h"
#include "shell/State.h"

namespace orv {

SettingsReader::SettingsReader(Program& p, QString name)
    : p_(p), name_(std::move(name))
{
    // Until start-up has found BaseFolder no settings file is read.
    if (p.s.shell->BaseFolderKnown) file_ = plat::LineFile::read(p.rt.drive, inBase(p.s, name_));
}

std::optional<int> SettingsReader::whole(int n, int lo, int hi)
{
    if (!file_) return std::nullopt;
    if (const auto v = file_->whole(n, lo, hi)) return int(*v);
    fellBack();
    return std::nullopt;
}

std::optional<QString> SettingsReader::text(int n, bool (*good)(const QString&))
{
    if (!file_) return std::nullopt;
    const auto t = file_->text(n);
    if (t && good(*t)) return t;
    fellBack();
    return std::nullopt;
}

void SettingsReader::fellBack() { reportSettingsFallback(p_, name_); }

QString settingsFallbackMessage(const QString& name) { return name + QStringLiteral("  Bad values replaced by defaults "); }

void reportSettingsFallback(Program& p, const QString& name)
{
    QStringList& reported = p.s.shell->SettingsFallbackReported;
    if (reported.contains(name, Qt::CaseInsensitive)) return;
    reported << name;
    p.Log->WriteHisto(settingsFallbackMessage(name));
}

} // namespace orv
