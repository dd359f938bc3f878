// Turning an environment file into the objects of a match: attributes from the keys, the names
// that must exist, function sprites, and the failure that stops match setup.

#include "ini.h"
#include "test_match_fixture.h"
#include "test_static_fixture.h"

using arenafixture::ArenaWorld;
using arenafixture::object;

namespace {

IniFile envFile(ArenaWorld &w, const QByteArray &text)
{
    const QString path = w.dir.filePath("arena.env");
    writeBytes(path, "[ZK3 enviroment]\nsource=x.zki\n" + text);
    return IniFile(path);
}

std::vector<TSprite *> made(ArenaWorld &w)
{
    std::vector<TSprite *> out;
    for (TSprite *s : w.game.engine.sprites())
        if (dynamic_cast<Tstaticsprite *>(s) || dynamic_cast<Tfunct *>(s))
            out.push_back(s);
    return out;
}

} // namespace

TEST(EnvInstance, ObjectsInFileOrderWithTheirKeysAndDefaults)
{
    ArenaWorld w;
    const IniFile ini = envFile(w, "[sprite1]\nimage=wall\n"
                                   "[sprite2]\nimage=BLOCK\nmaterial=2\nlive=4\nhurt=-3\n"
                                   "gibs=Debris\nonhit=stone\nonbrake=crash\nx=$10\ny=-7\nz=5\n"
                                   "angle=300\nalpha=128\npush=7\ntiled=1\nwidth=80\nheight=x\n"
                                   "[funct2]\nx=12\ny=34\nspin=5\nspinmin=-2\nspinmax=9\n"
                                   "interval=3\natcinterval=700\npwr=6\nxsp=2\nysp=3\nliv=11\n"
                                   "img=bolt\nsnd=LAUNCH\nallowmain=0\ntleft=1\nttop=2\n"
                                   "tbottom=40\nTRIGHT=30\natack=3\nrottospr=0\nrotmain=2\n"
                                   "fire=0\nactive=1\n"
                                   "[sprite3]\nimage=wall\nmaterial=3\n"
                                   "[sprite4]\nimage=\n[sprite5]\nimage=wall\n");
    EXPECT_EQ(instantiateEnvironment(w.game, ini), 3);
    const std::vector<TSprite *> s = made(w);
    ASSERT_EQ(s.size(), 4u);

    auto *a = dynamic_cast<Tstaticsprite *>(s[0]);
    ASSERT_NE(a, nullptr);
    EXPECT_FALSE(a->collides);
    EXPECT_EQ(a->image->name(), "Wall");
    EXPECT_EQ(QSize(a->width, a->height), QSize(100, 100));
    EXPECT_EQ(a->alpha, 256);
    EXPECT_EQ(a->live, 1);
    EXPECT_EQ(a->hurt, 1);
    EXPECT_EQ(a->z(), 2);
    EXPECT_EQ(a->funct, nullptr);
    EXPECT_FALSE(a->push || a->tiled || a->destructible || a->water);

    auto *b = dynamic_cast<Tstaticsprite *>(s[1]);
    ASSERT_NE(b, nullptr);
    EXPECT_TRUE(b->collides && b->destructible && !b->water);
    EXPECT_EQ(b->live, 4);
    EXPECT_EQ(b->hurt, -3);
    EXPECT_EQ(b->gibs, "Debris");
    EXPECT_EQ(b->onhit, "stone");
    EXPECT_EQ(b->onbrake, "crash");
    EXPECT_EQ(b->x, 16);
    EXPECT_EQ(b->y, -7);
    EXPECT_EQ(b->z(), 5);
    EXPECT_EQ(b->angle, 300);
    EXPECT_EQ(b->alpha, 128);
    EXPECT_TRUE(b->push && b->tiled);
    EXPECT_EQ(QSize(b->width, b->height), QSize(80, 40)); // a height that is no number: own

    auto *f = dynamic_cast<Tfunct *>(s[2]);
    ASSERT_NE(f, nullptr);
    EXPECT_EQ(b->funct, f);
    EXPECT_EQ(f->owner, b);
    EXPECT_EQ(QPointF(f->x, f->y), QPointF(12, 34));
    EXPECT_EQ(std::vector<int>({f->spin, f->spinmin, f->spinmax, f->interval, f->atcinterval,
                                f->pwr, f->xsp, f->ysp, f->liv}),
              std::vector<int>({5, -2, 9, 3, 700, 6, 2, 3, 11}));
    EXPECT_EQ(QRect(QPoint(f->tleft, f->ttop), QPoint(f->tright, f->tbottom)),
              QRect(QPoint(1, 2), QPoint(30, 40)));
    EXPECT_EQ(f->img, "bolt");
    EXPECT_EQ(f->snd, "LAUNCH");
    EXPECT_EQ(f->attackKind, Tfunct::pulse);
    EXPECT_FALSE(f->allowmain || f->rottospr || f->fire);
    EXPECT_TRUE(f->rotmain && f->active);
    EXPECT_EQ(f->lastAttack, 0);
    EXPECT_FALSE(f->finished);
    EXPECT_EQ(QSize(f->width, f->height), QSize(0, 0));
    EXPECT_TRUE(f->collides && f->visible && f->moves);

    auto *c = dynamic_cast<Tstaticsprite *>(s[3]);
    ASSERT_NE(c, nullptr);
    EXPECT_TRUE(c->collides && c->water && !c->destructible);
}

TEST(EnvInstance, AnArenaWithoutObjectsIsItsBackground)
{
    for (const QByteArray &text :
         {QByteArray(), QByteArray("[sprite1]\nx=5\n[funct1]\nx=1\n[sprite2]\nimage=wall\n"),
          QByteArray("[sprite1]\nimage=\n")}) {
        ArenaWorld w;
        EXPECT_EQ(instantiateEnvironment(w.game, envFile(w, text)), 0);
        EXPECT_TRUE(made(w).empty());
    }
}

TEST(EnvInstance, NamesTheObjectNeedsMustExist)
{
    struct Case
    {
        const char *what;
        std::function<void(EnvObject &)> change;
        bool withSplash;
        bool fails;
    } cases[] = {
        {"water without splash", [](EnvObject &o) { o.sprite.material = 3; }, false, true},
        {"water with splash", [](EnvObject &o) { o.sprite.material = 3; }, true, false},
        {"solid without splash", [](EnvObject &) {}, false, false},
        {"destructible, no gibs", [](EnvObject &o) { o.sprite.material = 2; }, true, true},
        {"destructible, gibs",
         [](EnvObject &o) {
             o.sprite.material = 2;
             o.sprite.gibs = "DEBRIS";
         },
         true, false},
        {"destructible, gibs unknown",
         [](EnvObject &o) {
             o.sprite.material = 2;
             o.sprite.gibs = "rubble";
         },
         true, true},
        {"solid, no gibs", [](EnvObject &) {}, true, false},
        {"decoration, unknown hit sound",
         [](EnvObject &o) {
             o.sprite.material = 0;
             o.sprite.onhit = "nothing";
         },
         true, false},
        {"solid, unknown hit sound", [](EnvObject &o) { o.sprite.onhit = "nothing"; }, true, true},
        {"water, unknown hit sound",
         [](EnvObject &o) {
             o.sprite.material = 3;
             o.sprite.onhit = "nothing";
         },
         true, false},
        {"solid, unknown break sound", [](EnvObject &o) { o.sprite.onbrake = "nothing"; }, true,
         false},
        {"destructible, unknown break sound",
         [](EnvObject &o) {
             o.sprite.material = 2;
             o.sprite.gibs = "debris";
             o.sprite.onbrake = "nothing";
         },
         true, true},
        {"unknown picture", [](EnvObject &o) { o.sprite.image = "tower"; }, true, true},
        {"picture in capitals", [](EnvObject &o) { o.sprite.image = "WALL"; }, true, false},
        {"function, unknown launch picture",
         [](EnvObject &o) {
             o.funct = EnvFunct();
             o.funct->img = "tower";
         },
         true, true},
        {"function, unknown launch sound",
         [](EnvObject &o) {
             o.funct = EnvFunct();
             o.funct->snd = "nothing";
         },
         true, true},
        {"function, names in capitals",
         [](EnvObject &o) {
             o.funct = EnvFunct();
             o.funct->img = "BOLT";
             o.funct->snd = "Launch";
         },
         true, false},
    };
    for (const Case &c : cases) {
        ArenaWorld w;
        if (!c.withSplash) {
            w.game.sys.clear();
            w.game.sys.append(fixture::picture("wall", 100, 100));
        }
        EnvObject o;
        o.sprite.image = "wall";
        o.sprite.material = 1;
        c.change(o);
        if (c.fails) {
            EXPECT_THROW(instantiateObject(w.game, o), Error) << c.what;
            EXPECT_TRUE(made(w).empty()) << "nothing half-made: " << c.what;
        } else {
            EXPECT_NO_THROW(instantiateObject(w.game, o)) << c.what;
        }
    }
}

TEST(EnvInstance, AttackKindsFromTheFile)
{
    struct Case
    {
        int atack;
        int kind;
    } cases[] = {{1, Tfunct::arrow}, {2, Tfunct::axe},   {3, Tfunct::pulse}, {4, Tfunct::finisher},
                 {0, Tfunct::arrow}, {9, Tfunct::arrow}, {-1, Tfunct::arrow}};
    for (const Case &c : cases) {
        ArenaWorld w;
        EnvObject o = object(1);
        o.funct = EnvFunct();
        o.funct->atack = c.atack;
        EXPECT_EQ(instantiateObject(w.game, o)->funct->attackKind, c.kind) << c.atack;
    }
}

TEST(EnvInstance, TheEditorsUntouchedFunctionEndsAtItsFirstMove)
{
    ArenaWorld w;
    EnvObject o = object(1);
    o.funct = EnvFunct::zero();
    Tfunct *f = instantiateObject(w.game, o)->funct;
    ASSERT_NE(f, nullptr);
    EXPECT_FALSE(f->active);
    w.game.engine.advance(16);
    EXPECT_TRUE(f->finished);
    w.game.engine.purge();
    EXPECT_EQ(made(w).size(), 1u);
    w.game.engine.advance(16);
}

TEST(EnvInstance, MatchSetupBuildsTheObjectsOrFailsWithTheEnvironmentMessage)
{
    using namespace matchfixture;
    struct Case
    {
        const char *what;
        QByteArray objects;
        bool starts;
        int statics, functs;
    } cases[] = {
        {"a crate with a turret",
         "[sprite1]\nimage=doraz\nmaterial=2\ngibs=drbod\nonbrake=boom\n"
         "[funct1]\nimg=dead\nsnd=boom\n[sprite2]\nimage=splash\nmaterial=3\n",
         true, 2, 1},
        {"a crate without debris", "[sprite1]\nimage=splash\n[sprite2]\nimage=doraz\nmaterial=2\n",
         false, 0, 0},
        {"an unknown launch sound", "[sprite1]\nimage=doraz\n[funct1]\nsnd=bang\n", false, 0, 0},
    };
    for (const Case &c : cases) {
        MatchFolder files;
        files.writeAll();
        files.writeEnvironment("source=arena.zki\nsound=arena.zks\nback=back\n" + c.objects);
        const Settings settings = files.settings();
        GameState gs;
        RecordingHost host;
        MatchFolder::loadPlayers(gs, settings);
        EXPECT_EQ(setupMatch(gs, settings, host), c.starts) << c.what;
        int statics = 0, functs = 0;
        for (TSprite *s : gs.engine.sprites()) {
            statics += dynamic_cast<Tstaticsprite *>(s) != nullptr;
            functs += dynamic_cast<Tfunct *>(s) != nullptr;
        }
        EXPECT_EQ(statics, c.statics) << c.what;
        EXPECT_EQ(functs, c.functs) << c.what;
        EXPECT_EQ(host.messages,
                  c.starts ? QStringList() : QStringList{matchsetup::environmentFailed})
            << c.what;
        EXPECT_TRUE(host.progress.contains("Vytváram prostredie...")) << c.what;
    }
}

TEST(EnvInstance, TheDefaultArenasLoadWhole)
{
    const QDir program(QStringLiteral(ZK3_PROGRAM_DIR));
    if (!program.exists("zem.zki") || !program.exists("zem.env"))
        GTEST_SKIP() << "the asset generator has not made the default arenas";
    for (const char *arena : {"zem.env", "veza.env"}) {
        ArenaWorld w;
        const IniFile ini(program.filePath(arena));
        const EnvHeader header = readEnvHeader(ini, EnvHeader::gameDefaults());
        w.game.sys.loadFromFile(program.filePath(header.source));
        w.game.envwave.loadFromFile(program.filePath(header.sound));
        const std::vector<EnvObject> objects = readEnvObjects(ini);
        ASSERT_FALSE(objects.empty()) << arena;
        EXPECT_EQ(instantiateEnvironment(w.game, ini), int(objects.size())) << arena;
        int functs = 0;
        for (TSprite *s : made(w))
            functs += dynamic_cast<Tfunct *>(s) != nullptr;
        EXPECT_GE(functs, 1) << arena << ": a turret";
        for (int tick = 0; tick < 200; ++tick) {
            w.game.engine.advance(16);
            w.game.engine.purge();
        }
        w.game.engine.render();
    }
}
