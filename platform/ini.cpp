#include "ini.h"

#include "codepage.h"
#include "error.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <algorithm>
#include <optional>

namespace {

QString folded(const QString &name)
{
    return name.toCaseFolded();
}

bool isDecimalDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

int hexDigit(QChar c)
{
    if (isDecimalDigit(c))
        return c.unicode() - u'0';
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    return -1;
}

// Decimal within the 32-bit range, or hexadecimal of up to eight digits (which, like the
// original reader, wraps $FFFFFFFF to -1).
std::optional<int> parseInteger(QStringView text)
{
    QStringView digits = text;
    bool negative = false;
    if (!digits.isEmpty() && (digits.front() == u'-' || digits.front() == u'+')) {
        negative = digits.front() == u'-';
        digits = digits.mid(1);
    }
    int base = 10;
    if (digits.startsWith(u'$')) {
        base = 16;
        digits = digits.mid(1);
    } else if (text.size() > 2 && (digits.startsWith(u"0x") || digits.startsWith(u"0X"))) {
        base = 16;
        digits = digits.mid(2);
    }
    if (digits.isEmpty())
        return std::nullopt;
    const qint64 limit = base == 16 ? 0xFFFFFFFFLL : (negative ? 2147483648LL : 2147483647LL);
    qint64 value = 0;
    for (QChar c : digits) {
        const int d = base == 16 ? hexDigit(c) : (isDecimalDigit(c) ? c.unicode() - u'0' : -1);
        if (d < 0)
            return std::nullopt;
        value = value * base + d;
        if (value > limit)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    return static_cast<int>(static_cast<quint32>(value));
}

// Nothing a writer is given may start a line of its own.
QString oneLine(const QString &value)
{
    QString out = value;
    out.replace(QLatin1String("\r\n"), QLatin1String(" "));
    out.replace(u'\r', u' ');
    out.replace(u'\n', u' ');
    return out;
}

} // namespace

IniFile::IniFile(const QString &path, Mode mode, Start start) : path_(path), mode_(mode)
{
    if (start == Start::Empty)
        return;
    QFile file(path_);
    if (!file.exists())
        return;
    if (QFileInfo(path_).isDir() || !file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot read file '%1'").arg(path_));
    // Read at most one byte past the limit: a device that reports no size still stops.
    const QByteArray bytes = file.read(maxFileSize + 1);
    if (bytes.size() > maxFileSize)
        throw Error(QStringLiteral("File '%1' is too large").arg(path_));
    if (file.error() != QFileDevice::NoError)
        throw Error(QStringLiteral("Cannot read file '%1'").arg(path_));
    parse(bytes);
}

void IniFile::parse(const QByteArray &raw)
{
    QByteArrayView bytes(raw);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        bytes = bytes.sliced(3);
    const qsizetype firstBreak = bytes.indexOf('\n');
    crlf_ = firstBreak < 0 || (firstBreak > 0 && bytes[firstBreak - 1] == '\r');

    const QString text = looksLikeUtf8(bytes) ? QString::fromUtf8(bytes) : fromWindows1250(bytes);
    qsizetype from = 0;
    while (from < text.size()) {
        qsizetype end = text.indexOf(u'\n', from);
        if (end < 0)
            end = text.size();
        qsizetype stop = end;
        if (stop > from && text.at(stop - 1) == u'\r')
            --stop;
        addLine(text.mid(from, stop - from));
        from = end + 1;
    }
}

void IniFile::addLine(const QString &line)
{
    const int number = int(lines_.size());
    lines_.push_back(line);
    const QString t = line.trimmed();
    if (t.isEmpty() || t.startsWith(u';'))
        return;
    if (t.startsWith(u'[')) {
        const qsizetype close = t.indexOf(u']');
        const QString name = t.mid(1, close < 0 ? -1 : close - 1).trimmed();
        const QString key = folded(name);
        auto it = sectionIndex_.constFind(key);
        if (it != sectionIndex_.constEnd()) {
            current_ = *it; // a repeated section continues the first one
            return;
        }
        current_ = int(sections_.size());
        sections_.push_back(Section{name, number, {}, {}});
        sectionIndex_.insert(key, current_);
        return;
    }
    const qsizetype eq = t.indexOf(u'=');
    if (eq < 0 || current_ < 0)
        return;
    const QString key = t.left(eq).trimmed();
    if (key.isEmpty())
        return;
    Section &s = sections_[current_];
    const QString k = folded(key);
    if (s.index.contains(k))
        return; // the first of duplicate keys is the one read and rewritten
    s.index.insert(k, int(s.entries.size()));
    s.entries.push_back(Entry{key, t.mid(eq + 1).trimmed().left(maxValueLength), number});
}

const IniFile::Section *IniFile::findSection(const QString &name) const
{
    auto it = sectionIndex_.constFind(folded(name));
    return it == sectionIndex_.constEnd() ? nullptr : &sections_[*it];
}

const IniFile::Entry *IniFile::findEntry(const QString &section, const QString &key) const
{
    const Section *s = findSection(section);
    if (!s)
        return nullptr;
    auto it = s->index.constFind(folded(key));
    return it == s->index.constEnd() ? nullptr : &s->entries[*it];
}

QString IniFile::readString(const QString &section, const QString &key, const QString &def) const
{
    const Entry *e = findEntry(section, key);
    return e ? e->value : def;
}

int IniFile::readInteger(const QString &section, const QString &key, int def) const
{
    const Entry *e = findEntry(section, key);
    if (!e)
        return def;
    return parseInteger(e->value).value_or(def);
}

std::optional<int> IniFile::readOptionalInteger(const QString &section, const QString &key) const
{
    const Entry *e = findEntry(section, key);
    return e ? parseInteger(e->value) : std::nullopt;
}

bool IniFile::readBool(const QString &section, const QString &key, bool def) const
{
    return readInteger(section, key, def ? 1 : 0) != 0;
}

bool IniFile::sectionExists(const QString &section) const
{
    const Section *s = findSection(section);
    return s && !s->entries.empty();
}

bool IniFile::keyExists(const QString &section, const QString &key) const
{
    return findEntry(section, key) != nullptr;
}

QStringList IniFile::keys(const QString &section) const
{
    QStringList out;
    if (const Section *s = findSection(section)) {
        for (const Entry &e : s->entries)
            out.append(e.key);
    }
    return out;
}

QStringList IniFile::sections() const
{
    QStringList out;
    for (const Section &s : sections_) {
        if (!s.entries.empty())
            out.append(s.name);
    }
    return out;
}

void IniFile::insertLine(int at, const QString &text)
{
    if (at < int(lines_.size())) {
        for (Section &s : sections_) {
            if (s.headerLine >= at)
                ++s.headerLine;
            for (Entry &e : s.entries) {
                if (e.line >= at)
                    ++e.line;
            }
        }
    }
    lines_.insert(lines_.begin() + at, text);
}

void IniFile::writeString(const QString &section, const QString &key, const QString &value)
{
    const QString v = oneLine(value);
    const QString k = folded(key);
    auto sit = sectionIndex_.constFind(folded(section));
    if (sit == sectionIndex_.constEnd()) {
        const int index = int(sections_.size());
        sections_.push_back(Section{section, int(lines_.size()), {}, {}});
        sectionIndex_.insert(folded(section), index);
        lines_.push_back(QLatin1Char('[') + section + QLatin1Char(']'));
        sit = sectionIndex_.constFind(folded(section));
    }
    Section &s = sections_[*sit];
    auto eit = s.index.constFind(k);
    if (eit != s.index.constEnd()) {
        Entry &e = s.entries[*eit];
        lines_[e.line] = e.key + QLatin1Char('=') + v;
        e.value = v.trimmed().left(maxValueLength);
    } else {
        int at = s.headerLine + 1;
        for (const Entry &e : s.entries)
            at = std::max(at, e.line + 1);
        insertLine(at, key + QLatin1Char('=') + v);
        s.index.insert(k, int(s.entries.size()));
        s.entries.push_back(Entry{key, v.trimmed().left(maxValueLength), at});
    }
    if (mode_ == Mode::Immediate)
        save();
}

void IniFile::writeInteger(const QString &section, const QString &key, int value)
{
    writeString(section, key, QString::number(value));
}

void IniFile::writeBool(const QString &section, const QString &key, bool value)
{
    writeString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QByteArray IniFile::toBytes() const
{
    const QLatin1String eol(crlf_ ? "\r\n" : "\n");
    QString text;
    qsizetype size = 0;
    for (const QString &line : lines_)
        size += line.size() + 2;
    text.reserve(size);
    for (const QString &line : lines_) {
        text += line;
        text += eol;
    }
    return toWindows1250(text);
}

void IniFile::save() const
{
    QSaveFile file(path_);
    if (!file.open(QIODevice::WriteOnly))
        throw Error(QStringLiteral("Cannot write file '%1': %2").arg(path_, file.errorString()));
    const QByteArray bytes = toBytes();
    if (file.write(bytes) != bytes.size() || !file.commit())
        throw Error(QStringLiteral("Cannot write file '%1': %2").arg(path_, file.errorString()));
}
