#include "settingsfile.h"

#include "ini.h"

namespace {
const QString playerSection[2] = {QStringLiteral("Hrac1"), QStringLiteral("Hrac2")};
const QString settingsSection = QStringLiteral("Settings");

// Option keys in the order they are written.
struct OptionKey
{
    const char *key;
    bool Options::*field;
};
const OptionKey optionKeys[] = {
    {"killers", &Options::dor},   {"name", &Options::nam},      {"cursors", &Options::cur},
    {"fps", &Options::fps},       {"status", &Options::hlt},    {"blood", &Options::krv},
    {"explosion", &Options::exl}, {"flyeffect", &Options::fly}, {"sound", &Options::snd},
    {"collision", &Options::plc}, {"Skills", &Options::ski},    {"Dynamic", &Options::dcr},
    {"Bullet", &Options::bul},
};
} // namespace

QString settingsPath(const QString &programDir)
{
    return programDir + QStringLiteral("zarkul.ini");
}

Settings firstRunSettings(const QString &programDir)
{
    Settings s;
    const Skills skills{75, 100, 50, 25};
    s.players[0] = {QStringLiteral("Hráč 1"),
                    {QStringLiteral("Gulomet"), QStringLiteral("Pulz"), QStringLiteral("Štít")},
                    programDir + QStringLiteral("blue.zki"),
                    programDir + QStringLiteral("sound.zks"),
                    skills};
    s.players[1] = {QStringLiteral("Hráč 2"),
                    {QStringLiteral("Pulz"), QStringLiteral("Strela"), QStringLiteral("Štít")},
                    programDir + QStringLiteral("green.zki"),
                    programDir + QStringLiteral("sound.zks"),
                    skills};
    s.env = programDir + QStringLiteral("zem.env");
    return s;
}

Settings readSettings(const IniFile &ini)
{
    Settings s;
    const QString images[2] = {QStringLiteral("blue.zki"), QStringLiteral("green.zki")};
    for (int i = 0; i < 2; ++i) {
        const QString &sec = playerSection[i];
        PlayerSettings &p = s.players[i];
        p.name = ini.readString(sec, QStringLiteral("meno"), sec);
        for (int w = 0; w < 3; ++w)
            p.weapons[w] =
                ini.readString(sec, QStringLiteral("zbran%1").arg(w + 1), QStringLiteral("Strela"));
        p.skills.ziv = ini.readInteger(sec, QStringLiteral("slive"), 10);
        p.skills.spel = ini.readInteger(sec, QStringLiteral("sspell"), 10);
        p.skills.spd = ini.readInteger(sec, QStringLiteral("sspeed"), 10);
        p.skills.odl = ini.readInteger(sec, QStringLiteral("sres"), 10);
        p.sound = ini.readString(sec, QStringLiteral("sound"), QStringLiteral("sound.zks"));
        p.image = ini.readString(sec, QStringLiteral("image"), images[i]);
    }
    for (const OptionKey &o : optionKeys)
        s.options.*o.field = ini.readBool(settingsSection, QLatin1String(o.key), true);
    s.env = ini.readString(settingsSection, QStringLiteral("env"), QStringLiteral("zem.env"));
    return s;
}

void writeSettings(IniFile &ini, const Settings &s)
{
    for (int i = 0; i < 2; ++i) {
        const PlayerSettings &p = s.players[i];
        ini.writeString(playerSection[i], QStringLiteral("meno"), p.name);
        for (int w = 0; w < 3; ++w)
            ini.writeString(playerSection[i], QStringLiteral("zbran%1").arg(w + 1), p.weapons[w]);
        ini.writeString(playerSection[i], QStringLiteral("image"), p.image);
    }
    for (const OptionKey &o : optionKeys)
        ini.writeBool(settingsSection, QLatin1String(o.key), s.options.*o.field);
    ini.writeString(settingsSection, QStringLiteral("env"), s.env);
    for (int i = 0; i < 2; ++i)
        ini.writeString(playerSection[i], QStringLiteral("sound"), s.players[i].sound);
    for (int i = 0; i < 2; ++i) {
        const Skills &k = s.players[i].skills;
        ini.writeInteger(playerSection[i], QStringLiteral("slive"), k.ziv);
        ini.writeInteger(playerSection[i], QStringLiteral("sspeed"), k.spd);
        ini.writeInteger(playerSection[i], QStringLiteral("sspell"), k.spel);
        ini.writeInteger(playerSection[i], QStringLiteral("sres"), k.odl);
    }
}
