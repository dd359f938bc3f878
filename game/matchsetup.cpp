#include "matchsetup.h"

#include "blend.h"
#include "envfile.h"
#include "envinstance.h"
#include "error.h"
#include "gameloop.h"
#include "gamestate.h"
#include "ini.h"
#include "players.h"
#include "settingsfile.h"
#include "skills.h"
#include "weapons.h"

#include <QFileInfo>
#include <QPainter>
#include <array>
#include <memory>

namespace matchsetup {

const QStringList &requiredImageNames()
{
    static const QStringList names{"telo0",   "telo1",   "telo2",   "strela0", "strela1", "strela2",
                                   "plamen1", "plamen2", "plamen3", "duch",    "mine",    "sipka",
                                   "plbod",   "crbod",   "shield",  "axe",     "gun",     "pulz"};
    return names;
}

const QStringList &requiredSoundNames()
{
    static const QStringList names{"fall", "slide", "shield on", "shield off", "shield hit",
                                   "hit",  "flame", "ghost",     "fire",       "mine",
                                   "dead", "cure",  "gun",       "lowpwr",     "water"};
    return names;
}

} // namespace matchsetup

namespace {

// Every name the match will look up in the players' collections; any missing one throws.
void testCollections(const GameState &gs)
{
    for (const ImageList *list : {&gs.pllist1, &gs.pllist2})
        for (const QString &name : matchsetup::requiredImageNames())
            list->find(name);
    if (!gs.snd)
        return;
    for (const WaveList *list : {&gs.WaveList1, &gs.WaveList2})
        for (const QString &name : matchsetup::requiredSoundNames())
            list->find(name);
}

// The environment file, opened for reading: it must exist and be readable.
std::unique_ptr<IniFile> openEnvironment(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile() || !info.isReadable())
        throw Error(QStringLiteral("Cannot open '%1'").arg(path));
    return std::make_unique<IniFile>(path);
}

// Desktop mode: the background becomes a copy of the whole screen at screen size.
ImagePtr desktopPicture(const GameState &gs, MatchHost &host, const ImagePtr &background)
{
    QImage picture(gs.screenWidth, gs.screenHeight, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::black);
    const QImage screen = host.grabScreen();
    if (!screen.isNull()) {
        QPainter p(&picture);
        p.drawImage(0, 0, screen);
    }
    return std::make_shared<const ImageEntry>(background->name(), picture);
}

// The five bullet-time pictures (white, then the background 0.8 .. 0.2 toward white), appended
// to sys, and the label centred on the screen.
void buildBulletTime(GameState &gs, MatchHost &host)
{
    static const char *const percent[] = {"0%", "20%", "40%", "60%", "80%"};
    const QImage source = gs.backgroundImage->picture();
    for (int i = 0; i < bullettime::pictureCount; ++i) {
        host.showProgress(QStringLiteral("Vytváram sekvenciu boolet time... ") +
                          QLatin1String(percent[i]));
        gs.sys.append(std::make_shared<const ImageEntry>(
            QString(), blendBitmap(source, qRgb(255, 255, 255), matchsetup::bulletFactors[i]),
            gs.backgroundImage->patternWidth(), gs.backgroundImage->patternHeight()));
    }
    host.showProgress(QStringLiteral("Vytváram sekvenciu boolet time... 100%"));

    TImageSprite *label = gs.engine.create<TImageSprite>();
    gs.bulletLabel = label;
    label->setZ(2);
    label->image = gs.sys.find(QStringLiteral("Blabel"));
    label->width = label->image->width();
    label->height = label->image->height();
    label->visible = false;
    label->x = (gs.screenWidth - label->width) / 2.0;
    label->y = (gs.screenHeight - label->height) / 2.0;
}

// Steps 4 to 12: collections and background of the environment, and its objects.
void buildEnvironment(GameState &gs, MatchHost &host, const IniFile &ini)
{
    host.showProgress(QStringLiteral("Vytváram pozadie..."));
    const EnvHeader header = readEnvHeader(ini, EnvHeader::gameDefaults());
    gs.sys.loadFromFile(header.source);
    gs.backgroundImage = gs.sys.find(header.back);
    if (gs.desktopMode)
        gs.backgroundImage = desktopPicture(gs, host, gs.backgroundImage);
    if (gs.bul && !gs.desktopMode)
        buildBulletTime(gs, host);
    // 256-colour tables matter only on palette displays; there are none here.
    gs.envwave.loadFromFile(header.sound);

    TBackgroundSprite *background = gs.engine.create<TBackgroundSprite>();
    gs.background = background;
    background->image = gs.backgroundImage;
    background->tiled = true;
    background->collides = false;
    background->setZ(-2);

    host.showProgress(QStringLiteral("Vytváram prostredie..."));
    instantiateEnvironment(gs, ini);
}

// Steps 13 to 16: stats, players, cursors, finishers, weapon slots.
void buildPlayers(GameState &gs, const Settings &settings, MatchHost &host)
{
    if (gs.ski) {
        gs.stats1 = statsFromSkills(settings.players[0].skills);
        gs.stats2 = statsFromSkills(settings.players[1].skills);
    } else {
        gs.stats1 = gs.defaultStats;
        gs.stats2 = gs.defaultStats;
    }
    const SetupProgress progress = [&host](const QString &text) { host.showProgress(text); };
    createPlayers(gs, settings.players[0].name, settings.players[1].name, progress);
    if (gs.cur)
        createCursors(gs, progress);
    if (gs.dor)
        createFinishers(gs, progress);

    host.showProgress(QStringLiteral("Inicializujem zbrane..."));
    const auto &w1 = settings.players[0].weapons, &w2 = settings.players[1].weapons;
    initWeapons(gs, {w1[0], w1[1], w1[2], w2[0], w2[1], w2[2]});
}

void startSound(GameState &gs)
{
    gs.Sound.start();
    for (WaveList *list : {&gs.WaveList1, &gs.WaveList2, &gs.envwave})
        list->prepare(gs.Sound);
}

} // namespace

bool setupMatch(GameState &gs, const Settings &settings, MatchHost &host)
{
    clearMatch(gs);
    gs.matchOver = false;
    static_cast<Options &>(gs) = settings.options;
    // Bullet time never carries over from the last match; a divisor set with the wheel does.
    if (gs.bulletActive) {
        gs.bulletActive = false;
        gs.timeDivisor = 1;
    }
    gs.engine.setSurfaceSize(QSize(gs.screenWidth, gs.screenHeight));

    host.showProgress(QStringLiteral("Testujem kolekcie..."));
    std::unique_ptr<IniFile> ini;
    try {
        testCollections(gs);
        ini = openEnvironment(settings.env);
    } catch (const std::exception &) {
        host.failed(matchsetup::collectionFailed);
        host.hideProgress();
        return false;
    }

    try {
        buildEnvironment(gs, host, *ini);
        ini.reset();
    } catch (const std::exception &) {
        clearMatch(gs);
        host.failed(matchsetup::environmentFailed);
        host.hideProgress();
        return false;
    }

    bool matchMode = false;
    try {
        buildPlayers(gs, settings, host);

        host.showProgress(QStringLiteral("Upravujem formulár..."));
        host.enterMatchMode();
        matchMode = true;
        if (gs.snd && host.playsSound()) {
            host.showProgress(QStringLiteral("Inicializujem rozhranie DirectX (DxSound)..."));
            startSound(gs);
        }
        host.showProgress(QStringLiteral("Inicializujem rozhranie DirectX (DxDraw)..."));
        host.startDrawing();

        host.showProgress(QStringLiteral("Hotovo."));
        gs.engine.render();
        host.present();

        for (const char *count : {"*3*", "*2*", "*1*"}) {
            host.showProgress(QString::fromUtf8(count));
            host.wait(1000);
        }
        host.showProgress(QStringLiteral("*Štart*"));
        host.wait(100);
        host.hideProgress();
    } catch (...) {
        // The error goes on to the standard error box; the window must still be usable.
        clearMatch(gs);
        if (matchMode) {
            host.stopTimer();
            host.leaveMatchMode();
        }
        host.hideProgress();
        throw;
    }
    return true;
}
