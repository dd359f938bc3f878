#include "players.h"

#include "gamestate.h"
#include "tdorazacka.h"
#include "tplayer.h"
#include "tsipka.h"
#include "units.h"

namespace {

void show(const SetupProgress &progress, const QString &text)
{
    if (progress)
        progress(text);
}

struct Side
{
    const QString &name;
    KeyboardReader &keys;
    ImageList &images;
    WaveList &sounds;
    const Tstats &stats;
};

Tplayer *createPlayer(GameState &game, const Side &side, double x, int angle)
{
    Tplayer *player = game.engine.create<Tplayer>(game);
    player->x = x;
    player->y = units::div(game.screenHeight, 2);
    player->setZ(2);
    player->playerName = side.name;
    player->keys = &side.keys;
    player->images = &side.images;
    player->image = side.images.find(QStringLiteral("telo0"));
    player->width = player->image->width();
    player->height = player->image->height();
    player->angle = angle;
    player->sounds = &side.sounds;
    player->stats = side.stats;
    player->life = player->stats.life;
    player->mana = player->stats.mana;
    return player;
}

Tsipka *createCursor(GameState &game, Tplayer *player)
{
    Tsipka *cursor = game.engine.create<Tsipka>(game);
    cursor->player = player;
    cursor->image = player->ownImage(QStringLiteral("sipka"));
    cursor->width = cursor->image->width();
    cursor->height = cursor->image->height();
    cursor->x = 2;
    cursor->setZ(20);
    cursor->y = 2;
    return cursor;
}

void createFinisher(GameState &game, Tplayer *target)
{
    const ImagePtr picture = game.sys.find(QStringLiteral("doraz"));
    Tdorazacka *finisher = game.engine.create<Tdorazacka>(game);
    finisher->image = picture;
    finisher->width = picture->width();
    finisher->height = picture->height();
    finisher->x = 2;
    finisher->y = 2;
    finisher->setZ(2);
    finisher->energy = Tdorazacka::endless;
    finisher->target = target;
}

} // namespace

void createPlayers(GameState &game, const QString &name1, const QString &name2,
                   const SetupProgress &progress)
{
    show(progress, QStringLiteral("Vytváram Hráča 1..."));
    game.player1 =
        createPlayer(game, {name1, game.input, game.pllist1, game.WaveList1, game.stats1}, 20.0, 0);
    show(progress, QStringLiteral("Vytváram Hráča 2..."));
    game.player2 =
        createPlayer(game, {name2, game.input1, game.pllist2, game.WaveList2, game.stats2},
                     game.screenWidth - 120, 128);
}

void createCursors(GameState &game, const SetupProgress &progress)
{
    if (!game.cur || !game.player1 || !game.player2)
        return;
    show(progress, QStringLiteral("Vytváram šípky..."));
    game.cursor1 = createCursor(game, game.player1);
    game.cursor2 = createCursor(game, game.player2);
}

void createFinishers(GameState &game, const SetupProgress &progress)
{
    if (!game.dor)
        return;
    show(progress, QStringLiteral("Vytváram dorážačky..."));
    createFinisher(game, game.player1);
    createFinisher(game, game.player2);
}
