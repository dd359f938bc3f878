#include "error.h"
#include "ini.h"
#include "testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <climits>
#include <gtest/gtest.h>

namespace {

class IniTest : public testing::Test
{
protected:
    QString path(const QString &name = QStringLiteral("t.ini")) const { return dir.filePath(name); }

    QString put(const QByteArray &bytes, const QString &name = QStringLiteral("t.ini")) const
    {
        writeBytes(path(name), bytes);
        return path(name);
    }

    QByteArray bytesOf(const QString &name = QStringLiteral("t.ini")) const
    {
        return readBytes(path(name));
    }

    QTemporaryDir dir;
};

TEST_F(IniTest, IntegerForms)
{
    struct Case
    {
        const char *value;
        int expected;
    };
    const Case cases[] = {
        {"42", 42},
        {" 12 ", 12},
        {"-5", -5},
        {"+7", 7},
        {"$10", 16},
        {"0x10", 16},
        {"0X1f", 31},
        {"0x1", 1},
        {"$ff", 255},
        {"-$10", -16},
        {"$FFFFFFFF", -1},
        {"-2147483648", INT_MIN},
        {"2147483647", INT_MAX},
        {"2147483648", -99},
        {"$100000000", -99},
        {"0x", -99},
        {"0X", -99},
        {"$", -99},
        {"-", -99},
        {"", -99},
        {"abc", -99},
        {"1 2", -99},
        {"12abc", -99},
        {"0x1g", -99},
        {"1.5", -99},
        {"\xd9\xa1", -99}, // an Arabic-Indic one
    };
    for (const Case &c : cases) {
        put(QByteArray("[s]\r\nk=") + c.value + "\r\n");
        const IniFile ini(path());
        EXPECT_EQ(ini.readInteger(QStringLiteral("s"), QStringLiteral("k"), -99), c.expected)
            << "value '" << c.value << "'";
    }
}

TEST_F(IniTest, BooleansAreIntegers)
{
    put("[s]\none=1\nzero=0\ntwo=2\nword=on\nempty=\nhex=$0\n");
    const IniFile ini(path());
    const auto b = [&](const char *key, bool def) {
        return ini.readBool(QStringLiteral("s"), QString::fromLatin1(key), def);
    };
    EXPECT_TRUE(b("one", false));
    EXPECT_FALSE(b("zero", true));
    EXPECT_TRUE(b("two", false));
    EXPECT_TRUE(b("word", true));
    EXPECT_FALSE(b("word", false));
    EXPECT_TRUE(b("empty", true));
    EXPECT_FALSE(b("hex", true));
    EXPECT_TRUE(b("absent", true));
}

TEST_F(IniTest, TextValues)
{
    const QByteArray longValue(3000, 'v');
    put("junk before any section\r\nk=outside\r\n[Sec]\r\n  name  =  two words  \r\n"
        "eq=a = b = c\r\nempty=\r\n   \r\nnot a key line\r\n; note=comment\r\nlong=" +
        longValue + "\r\ndup=first\r\ndup=second\r\n");
    const IniFile ini(path());
    const QString s = QStringLiteral("sec");
    const auto r = [&](const char *key) {
        return ini.readString(s, QString::fromLatin1(key), QStringLiteral("<def>"));
    };
    EXPECT_EQ(r("NAME"), QStringLiteral("two words"));
    EXPECT_EQ(r("eq"), QStringLiteral("a = b = c"));
    EXPECT_EQ(r("empty"), QString()); // present but empty is not the default
    EXPECT_EQ(r("absent"), QStringLiteral("<def>"));
    EXPECT_EQ(r("k"), QStringLiteral("<def>")); // keys before any section belong to none
    EXPECT_EQ(r("; note"), QStringLiteral("<def>"));
    EXPECT_EQ(r("long"), QString(IniFile::maxValueLength, u'v'));
    EXPECT_EQ(r("dup"), QStringLiteral("first"));
    EXPECT_EQ(ini.keys(s), (QStringList{"name", "eq", "empty", "long", "dup"}));
}

TEST_F(IniTest, NamesMatchWithoutCase)
{
    put("[funct1]\ntbottom=5\ntRight=7\n[ZK3 Enviroment]\nName=x\n");
    const IniFile ini(path());
    EXPECT_EQ(ini.readInteger(QStringLiteral("funct1"), QStringLiteral("tBottom"), 0), 5);
    EXPECT_EQ(ini.readInteger(QStringLiteral("FUNCT1"), QStringLiteral("tright"), 0), 7);
    EXPECT_EQ(ini.readString(QStringLiteral("zk3 enviroment"), QStringLiteral("NAME"), {}),
              QStringLiteral("x"));
}

TEST_F(IniTest, SectionExistsOnlyWithAKey)
{
    put("[empty]\n\n; comment\n[full]\na=1\n[emptyValue]\nb=\n[garbage]\nno equals here\n"
        "[empty]\n");
    const IniFile ini(path());
    const struct
    {
        const char *name;
        bool exists;
    } cases[] = {{"empty", false},     {"full", true},     {"FULL", true},
                 {"emptyValue", true}, {"garbage", false}, {"absent", false}};
    for (const auto &c : cases)
        EXPECT_EQ(ini.sectionExists(QString::fromLatin1(c.name)), c.exists) << c.name;
    EXPECT_EQ(ini.sections(), (QStringList{"full", "emptyValue"}));
}

TEST_F(IniTest, LineEndsBomAndGarbage)
{
    const QByteArray megabyte(1024 * 1024, 'x');
    struct Case
    {
        const char *label;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"LF", "[s]\nk=v\n"},
        {"CRLF", "[s]\r\nk=v\r\n"},
        {"no final line end", "[s]\r\nk=v"},
        {"BOM", "\xEF\xBB\xBF[s]\r\nk=v\r\n"},
        {"garbage", QByteArray("\x00\xff\xfe\x80[\x01=\x02\n", 9) + "[s]\nk=v\n" +
                        QByteArray("\x00\x00\xc3", 3)},
        {"megabyte line", "[s]\n" + megabyte + "\nk=v\nbig=" + megabyte},
    };
    for (const Case &c : cases) {
        put(c.bytes);
        const IniFile ini(path());
        EXPECT_EQ(ini.readString(QStringLiteral("s"), QStringLiteral("k"), {}), QStringLiteral("v"))
            << c.label;
    }
}

TEST_F(IniTest, Encodings)
{
    // "Hráč 1" and "Štít" in Windows-1250, and the same saved by a UTF-8 editor.
    put("[Hrac1]\r\nmeno=Hr\xe1\xe8 1\r\nzbran3=\x8at\xedt\r\n", QStringLiteral("ansi.ini"));
    put("\xEF\xBB\xBF[Hrac1]\nmeno=Hr\xc3\xa1\xc4\x8d 1\nzbran3=\xc5\xa0t\xc3\xadt\n",
        QStringLiteral("utf8.ini"));
    for (const char *name : {"ansi.ini", "utf8.ini"}) {
        const IniFile ini(path(QString::fromLatin1(name)));
        EXPECT_EQ(ini.readString(QStringLiteral("hrac1"), QStringLiteral("meno"), {}),
                  QStringLiteral("Hráč 1"))
            << name;
        EXPECT_EQ(ini.readString(QStringLiteral("hrac1"), QStringLiteral("zbran3"), {}),
                  QStringLiteral("Štít"))
            << name;
    }
    // Bytes that are not valid UTF-8 are the code page, even if some of them look like UTF-8.
    put("[s]\nk=\xc3\xa1 \xe1\n");
    EXPECT_EQ(IniFile(path()).readString(QStringLiteral("s"), QStringLiteral("k"), {}),
              QStringLiteral("Ăˇ á"));
}

TEST_F(IniTest, WritesWindows1250WithCrlf)
{
    {
        IniFile ini(path());
        ini.writeString(QStringLiteral("Hrac1"), QStringLiteral("meno"), QStringLiteral("Hráč 1"));
        ini.writeString(QStringLiteral("Hrac1"), QStringLiteral("zbran3"), QStringLiteral("Štít"));
        ini.writeString(QStringLiteral("Hrac1"), QStringLiteral("other"),
                        QStringLiteral("ñ€日\nx"));
    }
    EXPECT_EQ(bytesOf(), QByteArray("[Hrac1]\r\nmeno=Hr\xe1\xe8 1\r\nzbran3=\x8at\xedt\r\n"
                                    "other=n\x80? x\r\n"));
    const IniFile back(path());
    EXPECT_EQ(back.readString(QStringLiteral("Hrac1"), QStringLiteral("meno"), {}),
              QStringLiteral("Hráč 1"));
    EXPECT_EQ(back.readString(QStringLiteral("Hrac1"), QStringLiteral("zbran3"), {}),
              QStringLiteral("Štít"));
}

TEST_F(IniTest, RewritingKeepsKeyOrder)
{
    put("; hand-made\n[Hrac1]\nsres=3\nMeno=old\n\n[Settings]\nfps=0\n[Empty]\n");
    IniFile ini(path());
    ini.writeString(QStringLiteral("hrac1"), QStringLiteral("meno"), QStringLiteral("new"));
    ini.writeString(QStringLiteral("Hrac1"), QStringLiteral("zbran1"), QStringLiteral("Pulz"));
    ini.writeBool(QStringLiteral("Settings"), QStringLiteral("killers"), true);
    ini.writeInteger(QStringLiteral("Hrac2"), QStringLiteral("slive"), 75);
    ini.writeInteger(QStringLiteral("empty"), QStringLiteral("a"), 1);
    ini.writeBool(QStringLiteral("SETTINGS"), QStringLiteral("FPS"), true);
    // The file keeps its LF line ends, its comment and the spelling of existing names.
    EXPECT_EQ(bytesOf(), QByteArray("; hand-made\n[Hrac1]\nsres=3\nMeno=new\nzbran1=Pulz\n\n"
                                    "[Settings]\nfps=1\nkillers=1\n[Empty]\na=1\n"
                                    "[Hrac2]\nslive=75\n"));
    const IniFile back(path());
    EXPECT_EQ(back.keys(QStringLiteral("hrac1")), (QStringList{"sres", "Meno", "zbran1"}));
    EXPECT_EQ(back.readInteger(QStringLiteral("Hrac2"), QStringLiteral("slive"), 0), 75);
}

TEST_F(IniTest, EveryWriteReachesTheFileUnlessDeferred)
{
    IniFile now(path(QStringLiteral("now.ini")));
    now.writeInteger(QStringLiteral("s"), QStringLiteral("a"), 1);
    EXPECT_EQ(IniFile(path(QStringLiteral("now.ini")))
                  .readInteger(QStringLiteral("s"), QStringLiteral("a"), 0),
              1);

    put("[old]\nkept=1\n", QStringLiteral("later.ini"));
    IniFile later(path(QStringLiteral("later.ini")), IniFile::Mode::Deferred,
                  IniFile::Start::Empty);
    later.writeInteger(QStringLiteral("s"), QStringLiteral("a"), 2);
    EXPECT_EQ(bytesOf(QStringLiteral("later.ini")), QByteArray("[old]\nkept=1\n"));
    later.save();
    EXPECT_EQ(bytesOf(QStringLiteral("later.ini")), QByteArray("[s]\r\na=2\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
}

TEST_F(IniTest, FailuresAreErrors)
{
    IniFile missingFolder(dir.filePath(QStringLiteral("no/such/folder/x.ini")));
    EXPECT_FALSE(missingFolder.sectionExists(QStringLiteral("s")));
    EXPECT_THROW(missingFolder.writeInteger(QStringLiteral("s"), QStringLiteral("a"), 1), Error);

    EXPECT_THROW(IniFile{dir.path()}, Error);                  // a folder is not a file
    EXPECT_THROW(IniFile{QStringLiteral("/dev/zero")}, Error); // endless: refused, not read
    put(QByteArray(IniFile::maxFileSize + 1, '\n'));
    EXPECT_THROW(IniFile{path()}, Error);
}

} // namespace
