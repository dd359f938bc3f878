// zk3-sim: runs a match with no window from a script of ticks, with the game's own setup, loop
// and sprites, and writes what happened as a CSV trace and pictures.
#include "error.h"
#include "gameloop.h"
#include "gamestate.h"
#include "ini.h"
#include "matchsetup.h"
#include "settingsfile.h"
#include "simhost.h"
#include "simscript.h"
#include "tbod.h"
#include "tplayer.h"
#include "tstrela.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <optional>

namespace {

const char *const usage =
    "usage: zk3-sim --settings FILE [--env FILE] [--screen WxH] [--seed N] --script FILE\n"
    "               [--trace FILE] [--frame FILE.png] [--frames DIR --every N]\n"
    "Script lines: LAG KEYS1 KEYS2 [xN]  (keys from UDLR123, - for none; # comments)\n"
    "              wheel +1 | wheel -1 [xN]  (one wheel step up / down)\n";

struct Arguments
{
    QString settings, env, script, trace, frame, frames;
    int width = 1024, height = 768;
    unsigned seed = 1;
    int every = 0;
};

[[noreturn]] void usageError(const QString &what)
{
    std::fprintf(stderr, "zk3-sim: %s\n%s", qPrintable(what), usage);
    std::exit(2);
}

Arguments parseArguments(const QStringList &args)
{
    Arguments a;
    for (int i = 1; i < args.size(); ++i) {
        const QString &option = args[i];
        if (i + 1 >= args.size())
            usageError(QStringLiteral("%1 needs a value").arg(option));
        const QString value = args[++i];
        bool ok = true;
        if (option == QLatin1String("--settings"))
            a.settings = value;
        else if (option == QLatin1String("--env"))
            a.env = value;
        else if (option == QLatin1String("--script"))
            a.script = value;
        else if (option == QLatin1String("--trace"))
            a.trace = value;
        else if (option == QLatin1String("--frame"))
            a.frame = value;
        else if (option == QLatin1String("--frames"))
            a.frames = value;
        else if (option == QLatin1String("--every"))
            a.every = value.toInt(&ok);
        else if (option == QLatin1String("--seed"))
            a.seed = value.toUInt(&ok);
        else if (option == QLatin1String("--screen")) {
            const QStringList wh = value.split(QLatin1Char('x'));
            bool okw = false, okh = false;
            if (wh.size() == 2) {
                a.width = wh[0].toInt(&okw);
                a.height = wh[1].toInt(&okh);
            }
            ok = okw && okh && a.width >= 1 && a.height >= 1 && a.width <= 8192 && a.height <= 8192;
        } else
            usageError(QStringLiteral("unknown option %1").arg(option));
        if (!ok)
            usageError(QStringLiteral("bad value '%1' for %2").arg(value, option));
    }
    if (a.settings.isEmpty() || a.script.isEmpty())
        usageError(QStringLiteral("--settings and --script are needed"));
    if (!a.frames.isEmpty() && a.every < 1)
        usageError(QStringLiteral("--frames needs --every N with N at least 1"));
    return a;
}

QString number(double v)
{
    return QString::number(v, 'f', 4);
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')))
        return text;
    QString quoted = text;
    quoted.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

QStringList playerFields(const Tplayer *p)
{
    if (!p)
        return QStringList(10, QString());
    return {number(p->x),
            number(p->y),
            QString::number(p->angle),
            number(p->vx),
            number(p->vy),
            QString::number(p->life),
            QString::number(p->mana),
            QString::number(p->shield),
            QString::number(p->ammo),
            csvField(p->image ? p->image->name() : QString())};
}

const char *const traceHeader =
    "tick,totalTime,lag,moveCount,timeDivisor,bulletActive,sprites,shots,marks,"
    "p1x,p1y,p1angle,p1vx,p1vy,p1life,p1mana,p1shield,p1ammo,p1image,"
    "p2x,p2y,p2angle,p2vx,p2vy,p2life,p2mana,p2shield,p2ammo,p2image,matchOver,sounds";

// Holds the keys of one script line in the table the keyboard readers sample.
void holdKeys(GameState &gs, const QString &keys1, const QString &keys2)
{
    gs.keyTable.releaseAll();
    const auto hold = [&gs](const KeyboardReader &reader, const QString &keys) {
        for (const QChar c : keys)
            gs.keyTable.press(reader.map()[QStringLiteral("UDLR123").indexOf(c)]);
    };
    hold(gs.input, keys1);
    hold(gs.input1, keys2);
}

void savePicture(const QImage &picture, const QString &path)
{
    if (!picture.save(path, "PNG"))
        throw Error(QStringLiteral("Cannot write '%1'").arg(path));
}

int run(const Arguments &a, const std::vector<ScriptLine> &script)
{
    // As the game at its first start: without a settings file the default files beside it
    // are used, with the first-run weapons, skills and options.
    const QFileInfo settingsFile(a.settings);
    Settings settings = settingsFile.exists()
                            ? readSettings(IniFile(a.settings))
                            : firstRunSettings(settingsFile.absolutePath() + QLatin1Char('/'));
    if (!a.env.isEmpty())
        settings.env = a.env;

    GameState gs;
    gs.screenWidth = a.width;
    gs.screenHeight = a.height;
    gs.rng.seed(a.seed);
    // What the settings window loads at start-up.
    gs.pllist1.loadFromFile(settings.players[0].image);
    gs.pllist2.loadFromFile(settings.players[1].image);
    gs.WaveList1.loadFromFile(settings.players[0].sound);
    gs.WaveList2.loadFromFile(settings.players[1].sound);

    QStringList sounds; // the play calls of the current tick
    const auto record = [&sounds](WaveList &list, const QString &name) {
        list.setOnPlay([&sounds, name](const QString &wave) { sounds << name + ':' + wave; });
    };
    record(gs.WaveList1, QStringLiteral("WaveList1"));
    record(gs.WaveList2, QStringLiteral("WaveList2"));
    record(gs.envwave, QStringLiteral("envwave"));

    SimHost host(gs);
    if (!setupMatch(gs, settings, host)) {
        std::fprintf(stderr, "%s\n", qPrintable(host.failure));
        return 1;
    }

    std::optional<QFile> traceFile;
    std::optional<QTextStream> trace;
    if (!a.trace.isEmpty()) {
        traceFile.emplace(a.trace);
        if (!traceFile->open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
            throw Error(QStringLiteral("Cannot write '%1'").arg(a.trace));
        trace.emplace(&*traceFile);
        *trace << traceHeader << '\n';
    }
    if (!a.frames.isEmpty() && !QDir().mkpath(a.frames))
        throw Error(QStringLiteral("Cannot make the folder '%1'").arg(a.frames));

    long long tickNumber = 0;
    bool over = false;
    for (const ScriptLine &line : script) {
        for (long long r = 0; r < line.repeat && !over; ++r) {
            if (line.kind == ScriptLine::Kind::wheel) {
                if (line.wheel < 0)
                    ++gs.timeDivisor;
                else if (gs.timeDivisor > 1)
                    --gs.timeDivisor;
                continue;
            }
            ++tickNumber;
            sounds.clear();
            holdKeys(gs, line.keys1, line.keys2);
            const bool ending = gs.matchOver;
            host.countTick(std::max(line.lag, 1));
            const int moveCount = tick(gs, host, line.lag);
            over = ending;
            if (trace) {
                int shots = 0, marks = 0;
                for (TSprite *s : gs.engine.sprites()) {
                    shots += dynamic_cast<Tstrela *>(s) != nullptr;
                    marks += dynamic_cast<Tbod *>(s) != nullptr;
                }
                QStringList row{QString::number(tickNumber),
                                QString::number(gs.totalTime),
                                QString::number(line.lag),
                                QString::number(std::max(moveCount, 0)),
                                QString::number(gs.timeDivisor),
                                QString::number(int(gs.bulletActive)),
                                QString::number(gs.engine.spriteCount()),
                                QString::number(shots),
                                QString::number(marks)};
                row << playerFields(gs.player1) << playerFields(gs.player2);
                row << QString::number(int(gs.matchOver)) << csvField(sounds.join(';'));
                *trace << row.join(',') << '\n';
            }
            if (!a.frames.isEmpty() && tickNumber % a.every == 0)
                savePicture(
                    gs.engine.surface(),
                    QDir(a.frames).filePath(
                        QStringLiteral("frame%1.png").arg(tickNumber, 6, 10, QLatin1Char('0'))));
        }
        if (over)
            break;
    }
    if (trace) {
        trace->flush();
        if (traceFile->error() != QFileDevice::NoError)
            throw Error(QStringLiteral("Cannot write '%1'").arg(a.trace));
    }
    // The back buffer keeps the last frame drawn, also after the end of the match.
    if (!a.frame.isEmpty())
        savePicture(gs.engine.surface(), a.frame);
    return 0;
}

// Standard error carries the runner's own messages only: Qt's notes about the headless
// platform (no runtime folder, no fonts configured) would bury them.
void quietQt(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fprintf(stderr, "%s\n", qPrintable(message));
}

} // namespace

int main(int argc, char **argv)
{
    qInstallMessageHandler(quietQt);
    // No window: the offscreen platform gives fonts and painting without a display.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const Arguments arguments = parseArguments(QCoreApplication::arguments());
    std::vector<ScriptLine> script;
    try {
        script = readScript(arguments.script);
    } catch (const Error &e) {
        std::fprintf(stderr, "zk3-sim: %s\n", qPrintable(e.text()));
        return 2;
    }
    try {
        return run(arguments, script);
    } catch (const Error &e) {
        std::fprintf(stderr, "%s\n", qPrintable(e.text()));
    } catch (const std::exception &e) {
        std::fprintf(stderr, "%s\n", e.what());
    }
    return 1;
}
