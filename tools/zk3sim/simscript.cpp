#include "simscript.h"

#include "error.h"

#include <QFile>
#include <QRegularExpression>

namespace {

constexpr qint64 maxScriptSize = 64 * 1024 * 1024;
constexpr long long maxRepeat = 100'000'000;
constexpr int maxLag = 1'000'000'000;

Error lineError(int number, const QString &what)
{
    return Error(QStringLiteral("script line %1: %2").arg(number).arg(what));
}

QString keysOf(const QString &word, int number)
{
    if (word == QLatin1String("-"))
        return QString();
    for (const QChar c : word)
        if (!QStringLiteral("UDLR123").contains(c))
            throw lineError(number,
                            QStringLiteral("keys '%1' are not from UDLR123 or -").arg(word));
    return word;
}

long long repeatOf(const QString &word, int number)
{
    bool ok = false;
    const long long n =
        word.size() > 1 && (word[0] == 'x' || word[0] == 'X') ? word.mid(1).toLongLong(&ok) : 0;
    if (!ok || n < 1 || n > maxRepeat)
        throw lineError(
            number, QStringLiteral("'%1' is no repeat count x1 .. x%2").arg(word).arg(maxRepeat));
    return n;
}

} // namespace

std::vector<ScriptLine> parseScript(const QString &text)
{
    std::vector<ScriptLine> lines;
    const QStringList all = text.split(QLatin1Char('\n'));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    for (int i = 0; i < all.size(); ++i) {
        const int number = i + 1;
        QString line = all[i];
        const int hash = line.indexOf(QLatin1Char('#'));
        if (hash >= 0)
            line.truncate(hash);
        const QStringList words = line.split(blanks, Qt::SkipEmptyParts);
        if (words.isEmpty())
            continue;
        ScriptLine out;
        out.lineNumber = number;
        if (words[0] == QLatin1String("wheel")) {
            if (words.size() < 2 || words.size() > 3 ||
                (words[1] != QLatin1String("+1") && words[1] != QLatin1String("-1")))
                throw lineError(number, QStringLiteral("expected 'wheel +1' or 'wheel -1'"));
            out.kind = ScriptLine::Kind::wheel;
            out.wheel = words[1] == QLatin1String("+1") ? 1 : -1;
            if (words.size() == 3)
                out.repeat = repeatOf(words[2], number);
        } else {
            if (words.size() < 3 || words.size() > 4)
                throw lineError(number, QStringLiteral("expected 'LAG KEYS1 KEYS2 [xN]'"));
            bool ok = false;
            out.lag = words[0].toInt(&ok);
            if (!ok || out.lag < 0 || out.lag > maxLag)
                throw lineError(
                    number, QStringLiteral("lag '%1' is no number of milliseconds").arg(words[0]));
            out.keys1 = keysOf(words[1], number);
            out.keys2 = keysOf(words[2], number);
            if (words.size() == 4)
                out.repeat = repeatOf(words[3], number);
        }
        lines.push_back(out);
    }
    return lines;
}

std::vector<ScriptLine> readScript(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw Error(QStringLiteral("Cannot open script '%1'").arg(path));
    if (file.size() > maxScriptSize)
        throw Error(QStringLiteral("Script '%1' is larger than 64 MiB").arg(path));
    return parseScript(QString::fromUtf8(file.read(maxScriptSize)));
}
