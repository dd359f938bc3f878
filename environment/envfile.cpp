#include "envfile.h"

#include "ini.h"

namespace envkey {

QString spriteSection(int n)
{
    return QStringLiteral("sprite") + QString::number(n);
}

QString functSection(int n)
{
    return QStringLiteral("funct") + QString::number(n);
}

} // namespace envkey

using namespace envkey;

EnvHeader EnvHeader::gameDefaults()
{
    EnvHeader h;
    h.back = QStringLiteral("back");
    return h;
}

EnvHeader EnvHeader::editorDefaults()
{
    return EnvHeader{emptyText, emptyText, emptyText, emptyText, emptyText, QStringLiteral("back"),
                     emptyText};
}

EnvHeader EnvHeader::panelDefaults(const QString &envPath)
{
    return EnvHeader{
        envFileNamePart(envPath), notAvailable, notAvailable, notAvailable, notAvailable,
        QStringLiteral("back"),   QString()};
}

EnvFunct EnvFunct::zero()
{
    EnvFunct f;
    f.active = 0;
    f.allowmain = 0;
    f.atack = 0;
    f.fire = 0;
    f.rottospr = 0;
    f.rotmain = 0;
    return f;
}

EnvHeader readEnvHeader(const IniFile &ini, const EnvHeader &d)
{
    const QString &s = headerSection;
    return EnvHeader{ini.readString(s, name, d.name),       ini.readString(s, version, d.version),
                     ini.readString(s, creator, d.creator), ini.readString(s, source, d.source),
                     ini.readString(s, sound, d.sound),     ini.readString(s, back, d.back),
                     ini.readString(s, text, d.text)};
}

namespace {

EnvFunct readFunct(const IniFile &ini, const QString &s)
{
    const EnvFunct d;
    EnvFunct f;
    f.x = ini.readInteger(s, x, d.x);
    f.y = ini.readInteger(s, y, d.y);
    f.spin = ini.readInteger(s, spin, d.spin);
    f.spinmin = ini.readInteger(s, spinmin, d.spinmin);
    f.spinmax = ini.readInteger(s, spinmax, d.spinmax);
    f.interval = ini.readInteger(s, interval, d.interval);
    f.atcinterval = ini.readInteger(s, atcinterval, d.atcinterval);
    f.pwr = ini.readInteger(s, pwr, d.pwr);
    f.xsp = ini.readInteger(s, xsp, d.xsp);
    f.ysp = ini.readInteger(s, ysp, d.ysp);
    f.liv = ini.readInteger(s, liv, d.liv);
    f.img = ini.readString(s, img, d.img);
    f.snd = ini.readString(s, snd, d.snd);
    f.allowmain = ini.readInteger(s, allowmain, d.allowmain);
    f.tleft = ini.readInteger(s, tleft, d.tleft);
    f.ttop = ini.readInteger(s, ttop, d.ttop);
    f.tbottom = ini.readInteger(s, QStringLiteral("tBottom"), d.tbottom);
    f.tright = ini.readInteger(s, QStringLiteral("tRight"), d.tright);
    f.atack = ini.readInteger(s, atack, d.atack);
    f.rottospr = ini.readInteger(s, rottospr, d.rottospr);
    f.fire = ini.readInteger(s, fire, d.fire);
    f.active = ini.readInteger(s, active, d.active);
    f.rotmain = ini.readInteger(s, rotmain, d.rotmain);
    return f;
}

} // namespace

std::optional<EnvObject> readEnvObject(const IniFile &ini, int n)
{
    const QString s = spriteSection(n);
    const EnvSprite d;
    EnvObject o;
    EnvSprite &p = o.sprite;
    p.image = ini.readString(s, image, QString());
    if (p.image.isEmpty())
        return std::nullopt;
    p.material = ini.readInteger(s, material, d.material);
    p.alpha = ini.readInteger(s, alpha, d.alpha);
    p.live = ini.readInteger(s, live, d.live);
    p.onhit = ini.readString(s, onhit, d.onhit);
    p.onbrake = ini.readString(s, onbrake, d.onbrake);
    p.gibs = ini.readString(s, gibs, d.gibs);
    p.hurt = ini.readInteger(s, hurt, d.hurt);
    p.tiled = ini.readBool(s, tiled, d.tiled);
    p.push = ini.readBool(s, push, d.push);
    p.width = ini.readOptionalInteger(s, width);
    p.height = ini.readOptionalInteger(s, height);
    p.x = ini.readInteger(s, x, d.x);
    p.y = ini.readInteger(s, y, d.y);
    p.z = ini.readInteger(s, z, d.z);
    p.angle = ini.readInteger(s, angle, d.angle);
    const QString f = functSection(n);
    if (ini.sectionExists(f))
        o.funct = readFunct(ini, f);
    return o;
}

std::vector<EnvObject> readEnvObjects(const IniFile &ini)
{
    std::vector<EnvObject> out;
    for (int n = 1;; ++n) {
        std::optional<EnvObject> o = readEnvObject(ini, n);
        if (!o)
            break;
        out.push_back(std::move(*o));
    }
    return out;
}

void writeEnvironment(const QString &path, const EnvHeader &h,
                      const std::vector<EnvObject> &objects)
{
    // Starting empty replaces whatever the file held; save() swaps the new file in at once.
    IniFile ini(path, IniFile::Mode::Deferred, IniFile::Start::Empty);
    const QString &hs = headerSection;
    ini.writeString(hs, name, h.name);
    ini.writeString(hs, version, h.version);
    ini.writeString(hs, creator, h.creator);
    ini.writeString(hs, source, h.source);
    ini.writeString(hs, sound, h.sound);
    ini.writeString(hs, back, h.back);
    ini.writeString(hs, text, h.text);
    int n = 0;
    for (const EnvObject &o : objects) {
        ++n;
        const EnvSprite &p = o.sprite;
        const QString s = spriteSection(n);
        ini.writeString(s, image, p.image);
        ini.writeInteger(s, x, p.x);
        ini.writeInteger(s, y, p.y);
        ini.writeInteger(s, z, p.z);
        ini.writeInteger(s, live, p.live);
        ini.writeInteger(s, material, p.material);
        ini.writeInteger(s, hurt, p.hurt);
        ini.writeString(s, onbrake, p.onbrake);
        ini.writeString(s, onhit, p.onhit);
        ini.writeString(s, gibs, p.gibs);
        ini.writeInteger(s, angle, p.angle);
        ini.writeInteger(s, alpha, p.alpha);
        ini.writeBool(s, push, p.push);

        const EnvFunct f = o.funct.value_or(EnvFunct::zero());
        const QString fs = functSection(n);
        ini.writeInteger(fs, active, f.active);
        ini.writeInteger(fs, allowmain, f.allowmain);
        ini.writeInteger(fs, atack, f.atack);
        ini.writeInteger(fs, atcinterval, f.atcinterval);
        ini.writeInteger(fs, fire, f.fire);
        ini.writeString(fs, img, f.img);
        ini.writeInteger(fs, interval, f.interval);
        ini.writeInteger(fs, pwr, f.pwr);
        ini.writeInteger(fs, rottospr, f.rottospr);
        ini.writeString(fs, snd, f.snd);
        ini.writeInteger(fs, spin, f.spin);
        ini.writeInteger(fs, spinmax, f.spinmax);
        ini.writeInteger(fs, spinmin, f.spinmin);
        ini.writeInteger(fs, tbottom, f.tbottom);
        ini.writeInteger(fs, tleft, f.tleft);
        ini.writeInteger(fs, tright, f.tright);
        ini.writeInteger(fs, ttop, f.ttop);
        ini.writeInteger(fs, x, f.x);
        ini.writeInteger(fs, xsp, f.xsp);
        ini.writeInteger(fs, y, f.y);
        ini.writeInteger(fs, ysp, f.ysp);
        ini.writeInteger(fs, liv, f.liv);
        ini.writeInteger(fs, rotmain, f.rotmain);
    }
    ini.save();
}

QString notesToValue(const QStringList &lines)
{
    QStringList escaped;
    escaped.reserve(lines.size());
    for (QString line : lines) {
        line.replace(u'\\', QLatin1String("\\\\"));
        line.remove(u'\r');
        escaped.append(line);
    }
    return escaped.join(QLatin1String("\\n"));
}

QStringList notesFromValue(const QString &value)
{
    QStringList lines;
    QString line;
    for (qsizetype i = 0; i < value.size(); ++i) {
        const QChar c = value.at(i);
        const QChar next = i + 1 < value.size() ? value.at(i + 1) : QChar();
        if (c == u'\\' && next == u'n') {
            lines.append(line);
            line.clear();
            ++i;
        } else if (c == u'\\' && next == u'\\') {
            line += u'\\';
            ++i;
        } else {
            line += c; // any other backslash stands for itself, as in notes written by hand
        }
    }
    lines.append(line);
    return lines;
}

QString notesForDisplay(const QString &value)
{
    return notesFromValue(value).join(u' ');
}

QString envFileNamePart(const QString &path)
{
    const qsizetype cut = std::max(path.lastIndexOf(u'/'), path.lastIndexOf(u'\\'));
    return path.mid(cut + 1);
}
