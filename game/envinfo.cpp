#include "envinfo.h"

#include "envfile.h"
#include "ini.h"

#include <QFileInfo>

namespace {
EnvironmentInfo fromHeader(const EnvHeader &h)
{
    return {h.name,
            {QStringLiteral("verzia: ") + h.version, QStringLiteral("tvorca: ") + h.creator,
             QStringLiteral("kolekcia: ") + envFileNamePart(h.source),
             QStringLiteral("zvuky: ") + envFileNamePart(h.sound), QString(),
             notesForDisplay(h.text)}};
}
} // namespace

EnvironmentInfo defaultEnvironmentInfo(const QString &path)
{
    return fromHeader(EnvHeader::panelDefaults(path));
}

EnvironmentInfo readEnvironmentInfo(const QString &path)
{
    // IniFile throws when the file exists but cannot be read; a missing one reads as empty.
    const IniFile ini(path);
    return fromHeader(readEnvHeader(ini, EnvHeader::panelDefaults(path)));
}
