#include "arena.h"

#include <QRect>
#include <QSize>

namespace {

EnvObject object(const QString &image, int x, int y, int material)
{
    EnvObject o;
    o.sprite.image = image;
    o.sprite.x = x;
    o.sprite.y = y;
    o.sprite.material = material;
    return o;
}

// Pure decoration: never collides; z below the players for floor features, above for canopies.
EnvObject decoration(const QString &image, int x, int y, int z, int alpha = 256)
{
    EnvObject o = object(image, x, y, 0);
    o.sprite.z = z;
    o.sprite.alpha = alpha;
    o.sprite.hurt = 0;
    return o;
}

EnvObject solid(const QString &image, int x, int y, int hurt = 1)
{
    EnvObject o = object(image, x, y, 1);
    o.sprite.hurt = hurt;
    o.sprite.onhit = "kamen";
    return o;
}

// Wooden things that burst into splinters.
EnvObject breakable(const QString &image, int x, int y, int live)
{
    EnvObject o = object(image, x, y, 2);
    o.sprite.live = live;
    o.sprite.hurt = 0;
    o.sprite.onhit = "drevo";
    o.sprite.onbrake = "rozbitie";
    o.sprite.gibs = "trieska";
    return o;
}

EnvObject falling(EnvObject o)
{
    o.sprite.push = true;
    return o;
}

// Water lies on the floor, under the players and their splashes. A shot in water stays in it
// for many moves, so the pool names no hit sound (it would restart every move).
EnvObject pool(int x, int y)
{
    EnvObject o = object("jazero", x, y, 3);
    o.sprite.z = -1;
    o.sprite.hurt = 0;
    return o;
}

EnvObject sized(EnvObject o, int width, int height)
{
    o.sprite.width = width;
    o.sprite.height = height;
    return o;
}

// A turret's controller aiming from the centre of a 64 x 64 picture at (x, y) and launching a
// picture of the given size from there, at a player inside the box.
EnvFunct aimingFunct(int x, int y, QSize shot, QRect box)
{
    EnvFunct f;
    f.active = 1;
    f.allowmain = 1;
    f.fire = 1;
    f.rottospr = 1;
    f.rotmain = 1;
    f.interval = 10; // one angle unit per move of 10 to 19 ms: a turn in about 4 seconds
    f.x = x + 32 - shot.width() / 2;
    f.y = y + 32 - shot.height() / 2;
    f.tleft = box.left();
    f.ttop = box.top();
    f.tright = box.left() + box.width();
    f.tbottom = box.top() + box.height();
    return f;
}

// A crossbow turret: it sweeps slowly round and, once a player flies into its box, turns to him
// and shoots a bolt every 1.2 seconds.
EnvObject turret(int x, int y, QRect box)
{
    EnvObject o = solid("vez", x, y, 2);
    // Silent when struck: its own bolts fly out through it and would ring on every move.
    o.sprite.onhit.clear();
    // The bolt (30 x 8) starts centred on the turret: its own shots pass through the turret.
    EnvFunct f = aimingFunct(x, y, QSize(30, 8), box);
    f.atack = 1; // arrows
    f.atcinterval = 1200;
    f.img = "sip";
    f.pwr = 8;
    f.snd = "kusa";
    f.spin = 64;
    f.xsp = 4;
    f.ysp = 4;
    f.liv = 0;
    o.funct = f;
    return o;
}

// A crystal that sends slow pulses; a pulse drains the mana of the player it reaches.
EnvObject crystal(int x, int y, QRect box)
{
    EnvObject o = solid("krystal", x, y, 2);
    o.sprite.onhit.clear(); // as the turret: its own pulses pass out through it
    EnvFunct f = aimingFunct(x, y, QSize(36, 36), box);
    f.atack = 3; // pulses
    f.atcinterval = 2500;
    f.img = "vlna";
    f.snd = "kusa";
    f.spin = 192;
    f.xsp = 5;
    f.ysp = 5;
    f.liv = 0;
    o.funct = f;
    return o;
}

// Both arenas draw on the default arena collections.
EnvHeader header(const QString &name, const QStringList &notes)
{
    EnvHeader h;
    h.name = name;
    h.version = "1.0";
    h.creator = "Tím Zarkul 3";
    h.source = "zem.zki";
    h.sound = "zem.zks";
    h.back = "back";
    h.text = notesToValue(notes);
    return h;
}

} // namespace

Arena courtyard()
{
    Arena a;
    a.header =
        header("Kamenné nádvorie",
               {"Dláždené nádvorie s jazierkami, kamennými múrmi, debnami a sudmi na rozbitie.",
                "Balvany a debny padajú, keď pod nimi nič nie je.",
                "Nad terasou stráži kuša: kto sa priblíži, po tom strieľa."});

    auto &o = a.objects;
    // Floor features first, so that everything else is drawn over them.
    o.push_back(decoration("runa", 860, 440, -1, 200));
    o.push_back(decoration("kvety", 560, 744, -1));
    o.push_back(decoration("kvety", 1440, 290, -1));
    o.push_back(pool(100, 640));
    o.push_back(pool(1400, 770));

    // Upper terrace (1024 x 768 and larger): the turret between two walls, a boulder on the
    // left wall, crates and a barrel stacked on the right one.
    o.push_back(solid("stena", 150, 210));
    o.push_back(falling(solid("balvan", 250, 162, 2)));
    // The terrace above the start band; a player whose corner reaches into it is shot at.
    o.push_back(turret(470, 60, QRect(200, 0, 620, 360)));
    o.push_back(solid("stena", 560, 250));
    o.push_back(breakable("debna", 600, 206, 3));
    o.push_back(falling(breakable("debna", 604, 162, 3)));
    o.push_back(falling(breakable("sud", 690, 214, 2)));

    // Upper right (wider screens).
    o.push_back(solid("stenav", 1300, 40));
    o.push_back(solid("stlp", 1480, 110));
    o.push_back(solid("stlp", 1700, 230));
    o.push_back(breakable("sud", 1120, 220, 2));
    o.push_back(breakable("sud", 1168, 244, 2));

    // Lower half: a wall with a boulder on it, a pillar, a pyramid of crates, a side wall.
    o.push_back(solid("stena", 620, 680));
    o.push_back(falling(solid("balvan", 720, 632, 2)));
    o.push_back(solid("stlp", 900, 700));
    o.push_back(breakable("debna", 1100, 690, 3));
    o.push_back(breakable("debna", 1148, 690, 3));
    o.push_back(falling(breakable("debna", 1124, 646, 3)));
    o.push_back(solid("stenav", 1840, 700));

    // Tree crowns over the corners: players fly beneath them.
    o.push_back(decoration("strom", -40, -40, 3, 235));
    o.push_back(decoration("strom", 1010, -50, 3, 235));
    o.push_back(decoration("strom", -50, 900, 3, 235));
    o.push_back(decoration("strom", 1770, 930, 3, 235));
    return a;
}

Arena watchtower()
{
    Arena a;
    a.header =
        header("Strážna veža",
               {"Menšie nádvorie pre obrazovku 1024 x 768.",
                "Hore stráži kuša, dole kryštál, ktorý vysáva manu. Stĺpy pri jazierkach sa dajú "
                "rozbiť."});

    auto &o = a.objects;
    o.push_back(decoration("runa", 412, 284, -1, 170));
    o.push_back(sized(pool(40, 630), 250, 120));
    o.push_back(sized(pool(734, 630), 250, 120));

    o.push_back(solid("stena", 120, 200));
    o.push_back(falling(solid("balvan", 200, 152, 2)));
    o.push_back(turret(480, 40, QRect(100, 0, 824, 360)));
    o.push_back(solid("stena", 648, 200));
    o.push_back(breakable("debna", 760, 156, 3));
    o.push_back(falling(breakable("debna", 764, 112, 3)));

    // Crumbling pillars between the ponds and the crystal.
    EnvObject pillar = breakable("stlp", 320, 650, 6);
    pillar.sprite.onhit = "kamen";
    pillar.sprite.gibs = "kamienok";
    o.push_back(pillar);
    pillar.sprite.x = 640;
    o.push_back(pillar);
    o.push_back(crystal(480, 680, QRect(100, 620, 824, 400)));

    o.push_back(decoration("strom", -60, -60, 3, 235));
    o.push_back(decoration("strom", 914, -60, 3, 235));
    return a;
}
