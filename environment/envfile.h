#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

class IniFile;

// The environment file (.env): a header section and numbered sprite/funct section pairs. Both
// the game and the editor read it through this module; only the editor writes it. Nothing here
// knows sprites or windows: values travel as plain records.
namespace envkey {
inline const QString headerSection = QStringLiteral("ZK3 enviroment"); // spelt so in every file
inline const QString emptyText = QStringLiteral("<empty>"); // the editor's never-filled field
inline const QString notAvailable = QStringLiteral("(not avalible)"); // the panel's default

QString spriteSection(int n); // "sprite" + n
QString functSection(int n);  // "funct" + n

// Header.
inline const QString name = QStringLiteral("name");
inline const QString version = QStringLiteral("version");
inline const QString creator = QStringLiteral("creator");
inline const QString source = QStringLiteral("source");
inline const QString sound = QStringLiteral("sound");
inline const QString back = QStringLiteral("back");
inline const QString text = QStringLiteral("text");
// Sprite section (x and y also in the funct section).
inline const QString image = QStringLiteral("image");
inline const QString x = QStringLiteral("x");
inline const QString y = QStringLiteral("y");
inline const QString z = QStringLiteral("z");
inline const QString width = QStringLiteral("width");
inline const QString height = QStringLiteral("height");
inline const QString live = QStringLiteral("live");
inline const QString material = QStringLiteral("material");
inline const QString hurt = QStringLiteral("hurt");
inline const QString onhit = QStringLiteral("onhit");
inline const QString onbrake = QStringLiteral("onbrake");
inline const QString gibs = QStringLiteral("gibs");
inline const QString angle = QStringLiteral("angle");
inline const QString alpha = QStringLiteral("alpha");
inline const QString push = QStringLiteral("push");
inline const QString tiled = QStringLiteral("tiled");
// Funct section. The editor writes tbottom/tright; readers ask for tBottom/tRight (same keys).
inline const QString active = QStringLiteral("active");
inline const QString allowmain = QStringLiteral("allowmain");
inline const QString atack = QStringLiteral("atack");
inline const QString atcinterval = QStringLiteral("atcinterval");
inline const QString fire = QStringLiteral("fire");
inline const QString img = QStringLiteral("img");
inline const QString interval = QStringLiteral("interval");
inline const QString pwr = QStringLiteral("pwr");
inline const QString rottospr = QStringLiteral("rottospr");
inline const QString snd = QStringLiteral("snd");
inline const QString spin = QStringLiteral("spin");
inline const QString spinmax = QStringLiteral("spinmax");
inline const QString spinmin = QStringLiteral("spinmin");
inline const QString tbottom = QStringLiteral("tbottom");
inline const QString tleft = QStringLiteral("tleft");
inline const QString tright = QStringLiteral("tright");
inline const QString ttop = QStringLiteral("ttop");
inline const QString xsp = QStringLiteral("xsp");
inline const QString ysp = QStringLiteral("ysp");
inline const QString liv = QStringLiteral("liv");
inline const QString rotmain = QStringLiteral("rotmain");
} // namespace envkey

struct EnvHeader
{
    QString name;
    QString version;
    QString creator;
    QString source; // file name of the image collection (.zki)
    QString sound;  // file name of the sound collection (.zks)
    QString back;   // background picture's name in the image collection
    QString text;   // notes, encoded with notesToValue

    // Defaults of the three readers for keys that are absent.
    static EnvHeader gameDefaults();   // match setup: source/sound empty, back "back"
    static EnvHeader editorDefaults(); // editor's panel: "<empty>" everywhere, back "back"
    // The information panel: name = the file's name without folder, "(not avalible)" for
    // version, creator, source and sound, empty text.
    static EnvHeader panelDefaults(const QString &envPath);
};

// One static sprite. Default values are both readers' defaults for absent keys.
struct EnvSprite
{
    QString image; // picture name; an empty one ends the object list
    int x = 0;     // world position of the top-left corner, pixels
    int y = 0;
    int z = 2;                 // drawing layer: background -2, players and shots 2
    std::optional<int> width;  // absent: the picture's own width
    std::optional<int> height; // absent: the picture's own height
    int live = 1;              // hits before destruction
    int material = 0;          // 0 intangible, 1 solid, 2 destructible, 3 water (kept as read)
    int hurt = 1;              // taken from a player who runs into it
    QString onhit;             // sound when a shot strikes it
    QString onbrake;           // sound when it is destroyed
    QString gibs;              // debris picture
    int angle = 0;             // 256 units per turn
    int alpha = 256;           // 0 transparent, 255 and above opaque
    bool push = false;         // gravity acts on it
    bool tiled = false;        // read by the game only, never written

    bool operator==(const EnvSprite &) const = default;
};

// The function sprite of a static sprite. Booleans stay integers (non-zero is true) as the
// editor keeps them; default values are both readers' defaults for absent keys.
struct EnvFunct
{
    int active = 1;
    int allowmain = 1;
    int atack = 1;       // 1 arrow, 2 axe, 3 pulse, 4 finisher; anything else launches arrows
    int atcinterval = 0; // least milliseconds of game time between launches
    int fire = 1;
    QString img;      // picture of the launched objects
    int interval = 0; // move counts per unit of rotation; 0 = no rotation
    int pwr = 0;
    int rottospr = 1;
    QString snd; // sound at each launch
    int spin = 0;
    int spinmax = 0;
    int spinmin = 0;
    int tbottom = 0; // trigger box, world coordinates
    int tleft = 0;
    int tright = 0;
    int ttop = 0;
    int x = 0; // launch point, world coordinates
    int xsp = 0;
    int y = 0;
    int ysp = 0;
    int liv = 0;
    int rotmain = 1;

    // A marker whose values were never applied: every value 0, empty texts.
    static EnvFunct zero();

    bool operator==(const EnvFunct &) const = default;
};

struct EnvObject
{
    EnvSprite sprite;
    std::optional<EnvFunct> funct; // present when section funct n holds a key
};

// Reading never fails once the file is open (IniFile throws if it cannot be read).
EnvHeader readEnvHeader(const IniFile &ini, const EnvHeader &defaults);
// Object n (from 1), or nothing when sprite n has no image: the list ends there.
std::optional<EnvObject> readEnvObject(const IniFile &ini, int n);
// Objects 1, 2 … up to the first sprite section without an image.
std::vector<EnvObject> readEnvObjects(const IniFile &ini);

// The editor's writer: the header, then for each object sprite n and funct n (a missing funct
// writes EnvFunct::zero()), keys in the editor's order. Any existing file is replaced as a
// whole, atomically: if writing fails the old file stays. Throws Error when it cannot write.
void writeEnvironment(const QString &path, const EnvHeader &header,
                      const std::vector<EnvObject> &objects);

// Notes: a value is one line, so the editor stores the memo's lines joined by the two
// characters \n (a backslash itself as \\) and splits them again on load.
QString notesToValue(const QStringList &lines);
QStringList notesFromValue(const QString &value);
// The game shows the notes as one line, the lines joined with spaces.
QString notesForDisplay(const QString &value);

// The name part of a stored path, with '/' or '\' as folder separators.
QString envFileNamePart(const QString &path);
