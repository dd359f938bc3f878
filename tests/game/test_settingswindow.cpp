// The settings window: controls, start-up, settings file, hidden options and collection choice.
#include "settingsfixture.h"
#include "tloadform.h"
#include "tskiledit.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSpinBox>
#include <QStringDecoder>
#include <QTest>
#include <QToolButton>
#include <QWheelEvent>

namespace {
QStringList weapons(const Tmain &w, int player)
{
    QStringList out;
    for (const QComboBox *c : player == 0 ? std::array{w.zbran11, w.zbran12, w.zbran13}
                                          : std::array{w.zbran21, w.zbran22, w.zbran23})
        out << c->currentText();
    return out;
}

QList<int> skillValues(const Tskiledit *f)
{
    return {f->ziv->value(), f->spel->value(), f->odl->value(), f->spd->value()};
}

// The checked options, in the order of the window.
QList<bool> optionStates(const Tmain &w)
{
    QList<bool> out;
    for (const QCheckBox *b : {w.dor, w.ski, w.plc, w.fly, w.krv, w.exl, w.bul, w.cur, w.dcr, w.nam,
                               w.hlt, w.fps, w.snd})
        out << b->isChecked();
    return out;
}

void sendWheel(QWidget *target, int delta)
{
    QWheelEvent e(QPointF(5, 5), target->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                  Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(target, &e);
}
} // namespace

TEST_F(SettingsWindowTest, ControlsOfTheWindow)
{
    Tmain &w = start();
    EXPECT_EQ(w.windowTitle(), "Zarkul 3.7.4.be");
    EXPECT_EQ(w.width(), 529);
    EXPECT_EQ(w.minimumSize(), w.maximumSize()); // fixed size
    EXPECT_EQ(w.setup->geometry(), QRect(0, 0, 217, 233));
    EXPECT_EQ(w.sysgroup->geometry(), QRect(392, 0, 137, 233));
    EXPECT_EQ(w.Envgroup->geometry(), QRect(224, 0, 161, 193));
    EXPECT_EQ(w.moz->geometry(), QRect(0, 240, 529, 201));
    EXPECT_EQ(w.prev2->geometry(), QRect(8, 152, 73, 73));
    EXPECT_EQ(w.zbran23->geometry(), QRect(88, 200, 121, 21));
    EXPECT_EQ(w.Button2->text(), "Zavrieť");
    EXPECT_EQ(w.prev1->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(w.findChild<QLineEdit *>("meno1"), w.meno1);
    EXPECT_EQ(w.findChild<QCheckBox *>("dcr")->text(), "Dynamické Šípky");
    EXPECT_EQ(w.fps->geometry().topLeft(), QPoint(8, 16 + 11 * 16));

    const QStringList entries{"Duch", "Gulomet", "Mina",  "Ozdravovanie", "Plamen",
                              "Pulz", "Sekera",  "Slide", "Strela",       "Štít"};
    QStringList items;
    for (int i = 0; i < w.zbran22->count(); ++i)
        items << w.zbran22->itemText(i);
    EXPECT_EQ(items, entries);
    EXPECT_FALSE(w.zbran22->isEditable());

    const QList<QAction *> menu = w.Menu1->actions();
    ASSERT_EQ(menu.size(), 5);
    EXPECT_FALSE(menu[0]->isEnabled());
    EXPECT_TRUE(menu[1]->isSeparator());
    EXPECT_EQ(w.Menu1->defaultAction(), w.Vybrakolekciu2);
    EXPECT_EQ(w.Vybrakolekciu2->text(), "Vybrať kolekciu");
    EXPECT_EQ(w.Editovaaktulnu1->text(), "Editovať aktuálnu");
    EXPECT_EQ(w.Obnovi2->text(), "Obnoviť");
    EXPECT_EQ(w.Menu2->actions()[0], w.tit1);

    EXPECT_EQ(w.open.title, "Otvoriť ZK image collection");
    EXPECT_EQ(w.open.filter, "ZKimage collection|*.zki|All files|*.*");
    EXPECT_EQ(w.Open1.title, "Otvoriťsúbor prostredia");
    EXPECT_EQ(w.Openwav.filter, "ZKsound collection|*.zks|All files|*.*");
    for (const FileDialog *d : {&w.open, &w.Open1, &w.Openwav})
        EXPECT_EQ(d->initialDir, programDir);
    EXPECT_EQ(qtFileFilter(w.open.filter), "ZKimage collection (*.zki);;All files (*.*)");
    EXPECT_EQ(w.skiledit1->name->text(), "Hráč 1");
    EXPECT_EQ(w.skiledit2->name->text(), "Hráč 2");
    EXPECT_EQ(state.timeDivisor, 1);
    EXPECT_EQ(state.defaultStats.life, 100);
}

TEST_F(SettingsWindowTest, FirstStartWithoutSettingsFile)
{
    Tmain &w = start();
    EXPECT_TRUE(answers.errors.isEmpty()) << answers.errors.join('\n').toStdString();
    EXPECT_EQ(w.meno1->text(), "Hráč 1");
    EXPECT_EQ(w.meno2->text(), "Hráč 2");
    EXPECT_EQ(weapons(w, 0), (QStringList{"Gulomet", "Pulz", "Štít"}));
    EXPECT_EQ(weapons(w, 1), (QStringList{"Pulz", "Strela", "Štít"}));
    EXPECT_EQ(skillValues(w.skiledit1), (QList<int>{75, 100, 50, 25}));
    EXPECT_EQ(skillValues(w.skiledit2), (QList<int>{75, 100, 50, 25}));
    EXPECT_EQ(w.skiledit1->points->value(), 0);
    EXPECT_EQ(optionStates(w), (QList<bool>{false, false, true, true, true, true, false, true, true,
                                            false, true, false, true}));
    EXPECT_EQ(w.prev1->toolTip(), file("blue.zki"));
    EXPECT_EQ(w.prev2->toolTip(), file("green.zki"));
    EXPECT_EQ(w.sndbt1->toolTip(), file("sound.zks"));
    EXPECT_EQ(w.Open1.fileName, file("zem.env"));
    EXPECT_EQ(state.pllist1.count(), 1);
    EXPECT_EQ(state.WaveList2.count(), 1);
    EXPECT_EQ(w.prev2->pixmap().size(), QSize(30, 16));
    EXPECT_TRUE(w.sndbt1->isEnabled());
    EXPECT_FALSE(w.moz->isVisibleTo(&w));
    EXPECT_EQ(w.formHeight(), 260);
    EXPECT_EQ(w.prsname->text(), "Zem");
    EXPECT_TRUE(answers.asked.empty()); // the environment exists: no chooser
}

TEST_F(SettingsWindowTest, ReadDefaultsFromAFileWithOnlySettings)
{
    writeIni("[Settings]\nkillers=0\n");
    Tmain &w = start();
    EXPECT_TRUE(answers.errors.isEmpty()) << answers.errors.join('\n').toStdString();
    EXPECT_EQ(w.meno1->text(), "Hrac1");
    EXPECT_EQ(w.meno2->text(), "Hrac2");
    EXPECT_EQ(weapons(w, 0), (QStringList{"Strela", "Strela", "Strela"}));
    EXPECT_EQ(weapons(w, 1), (QStringList{"Strela", "Strela", "Strela"}));
    EXPECT_EQ(skillValues(w.skiledit2), (QList<int>{10, 10, 10, 10}));
    EXPECT_EQ(w.skiledit2->points->value(), 210);
    // Bare names, opened relative to the working folder.
    EXPECT_EQ(w.prev1->toolTip(), "blue.zki");
    EXPECT_EQ(w.prev2->toolTip(), "green.zki");
    EXPECT_EQ(w.sndbt2->toolTip(), "sound.zks");
    EXPECT_EQ(w.Open1.fileName, "zem.env");
    EXPECT_EQ(state.pllist2.count(), 1);
    EXPECT_FALSE(w.dor->isChecked());
    EXPECT_TRUE(w.ski->isChecked());
    EXPECT_EQ(w.formHeight(), 469);
}

TEST_F(SettingsWindowTest, BooleanValuesOfTheSettingsSection)
{
    struct Case
    {
        const char *name;
        QByteArray settings;
        QList<bool> options; // window order: dor ski plc fly krv exl bul cur dcr nam hlt fps snd
    };
    const QList<bool> allOn(13, true);
    const Case cases[] = {
        {"empty section", "[Settings]\n", allOn},
        {"no section", "[Hrac1]\nmeno=X\n", allOn},
        {"ones and zeros",
         "[Settings]\nkillers=1\nSkills=0\nBullet=1\nsound=0\n",
         {true, false, true, true, true, true, true, true, true, true, true, true, false}},
        {"words",
         "[Settings]\nkillers=ano\nfps=nie\ncollision=0\n",
         {true, true, false, true, true, true, true, true, true, true, true, true, true}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeIni(c.settings);
        Tmain &w = start();
        EXPECT_EQ(optionStates(w), c.options);
        EXPECT_EQ(w.sndbt1->isEnabled(), w.snd->isChecked());
        EXPECT_EQ(w.formHeight(), w.ski->isChecked() ? 469 : 260);
        window.reset();
    }
}

TEST_F(SettingsWindowTest, WeaponsSelectedByTextIgnoringCase)
{
    writeIni("[Hrac1]\nzbran1=strela\nzbran2=ŠTÍT\nzbran3=Turbo\n[Hrac2]\nzbran1=\n");
    Tmain &w = start();
    EXPECT_EQ(w.zbran11->currentText(), "Strela");
    EXPECT_EQ(w.zbran12->currentText(), "Štít");
    EXPECT_EQ(w.zbran13->currentIndex(), -1); // not an entry: nothing selected
    EXPECT_EQ(w.zbran21->currentIndex(), -1);
    EXPECT_EQ(w.zbran22->currentText(), "Strela");
}

TEST_F(SettingsWindowTest, CloseWritesEveryKeyInWindows1250AndStartRestoresIt)
{
    Tmain &w = start();
    Tloadform loadform;
    w.setLoadform(&loadform);
    w.meno1->setText(QStringLiteral("Ďurko"));
    w.zbran13->setCurrentIndex(w.zbran13->findText("Mina"));
    w.bul->setChecked(true);
    w.ski->click();
    w.skiledit2->setSkills({10, 10, 10, 220});
    closeWindow();
    EXPECT_FALSE(loadform.isVisible());
    EXPECT_EQ(loadform.capt->text(), "Prosím čakajte...");

    QFile raw(file("zarkul.ini"));
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(bytes.contains("meno=\xCF"
                               "urko")); // Ď in Windows-1250
    EXPECT_TRUE(bytes.contains("meno=Hr\xE1\xE8 2"));
    EXPECT_TRUE(bytes.contains("zbran3=\x8A"
                               "t\xEDt"));
    const IniFile ini(file("zarkul.ini"));
    int keys = 0;
    for (const QString &s : ini.sections())
        keys += ini.keys(s).size();
    EXPECT_EQ(keys, 34);
    EXPECT_EQ(ini.keys("Hrac2").last(), "sres");
    EXPECT_EQ(ini.keys("Settings").last(), "env");

    Tmain &again = start();
    EXPECT_EQ(again.meno1->text(), "Ďurko");
    EXPECT_EQ(weapons(again, 0), (QStringList{"Gulomet", "Pulz", "Mina"}));
    EXPECT_TRUE(again.bul->isChecked());
    EXPECT_TRUE(again.ski->isChecked());
    EXPECT_FALSE(again.dor->isChecked());
    EXPECT_EQ(skillValues(again.skiledit2), (QList<int>{10, 10, 10, 220}));
    EXPECT_EQ(again.prev1->toolTip(), file("blue.zki"));
    EXPECT_EQ(again.Open1.fileName, file("zem.env"));
}

TEST_F(SettingsWindowTest, HiddenWeaponIsWrittenAndReadBackUnselected)
{
    Tmain &w = start();
    QTest::mouseClick(w.crt, Qt::LeftButton, Qt::ControlModifier);
    ASSERT_TRUE(w.zbran21->isEditable());
    w.zbran21->setFocus();
    w.zbran21->lineEdit()->selectAll();
    QTest::keyClicks(w.zbran21->lineEdit(), "Turbo");
    EXPECT_EQ(w.zbran21->currentText(), "Turbo");
    closeWindow();
    EXPECT_EQ(IniFile(file("zarkul.ini")).readString("Hrac2", "zbran1", ""), "Turbo");

    Tmain &again = start();
    EXPECT_FALSE(again.zbran21->isEditable());
    EXPECT_EQ(again.zbran21->currentIndex(), -1);
    EXPECT_EQ(again.zbran21->currentText(), "");
}

TEST_F(SettingsWindowTest, SkillFrameKeepsTheRules)
{
    Tmain &w = start();
    Tskiledit *f = w.skiledit1;
    f->setSkills({10, 10, 10, 10});
    EXPECT_EQ(f->points->value(), 210);
    for (QSpinBox *s : {f->ziv, f->spel, f->odl, f->spd}) {
        EXPECT_EQ(s->minimum(), 10);
        EXPECT_EQ(s->maximum(), 220);
    }
    EXPECT_EQ(f->ZBar->value(), 15);
    EXPECT_EQ(f->MBar->value(), 10);

    // The arrows raise a skill only while points remain.
    f->setSkills({75, 100, 50, 25});
    EXPECT_EQ(f->points->value(), 0);
    EXPECT_EQ(f->ZBar->value(), 100);
    EXPECT_EQ(f->MBar->value(), 100);
    f->spel->stepUp();
    EXPECT_EQ(f->spel->value(), 100);
    f->odl->stepDown();
    EXPECT_EQ(f->points->value(), 1);
    f->spd->stepUp();
    f->spd->stepUp();
    EXPECT_EQ(f->spd->value(), 26);
    EXPECT_EQ(f->points->value(), 0);

    // Values from a file pass through the same limits.
    f->setSkills({200, 200, 5, 200});
    EXPECT_EQ(skillValues(f), (QList<int>{200, 30, 10, 10}));
    EXPECT_EQ(f->points->value(), 0);
    EXPECT_TRUE(f->findChild<QLineEdit *>()->isReadOnly());
    EXPECT_EQ(f->ZBar->maximum(), 275);
}

TEST_F(SettingsWindowTest, SkillPanelSetsTheHeight)
{
    Tmain &w = start();
    EXPECT_EQ(w.formHeight(), 260);
    w.ski->click();
    EXPECT_TRUE(w.moz->isVisibleTo(&w));
    EXPECT_EQ(w.formHeight(), 469);
    EXPECT_EQ(w.height(), 441);
    w.ski->click();
    EXPECT_FALSE(w.moz->isVisibleTo(&w));
    EXPECT_EQ(w.formHeight(), 260);
}

TEST_F(SettingsWindowTest, HiddenOptionsOnTheCreditLabel)
{
    Tmain &w = start();
    QTest::mouseClick(w.crt, Qt::LeftButton);
    QTest::mouseClick(w.crt, Qt::RightButton);
    EXPECT_FALSE(w.zbran11->isEditable());
    EXPECT_FALSE(state.desktopMode);
    EXPECT_EQ(w.windowTitle(), "Zarkul 3.7.4.be");

    QTest::mouseClick(w.crt, Qt::RightButton, Qt::ControlModifier);
    QTest::mouseClick(w.crt, Qt::RightButton, Qt::ControlModifier);
    EXPECT_TRUE(state.desktopMode);
    EXPECT_EQ(w.windowTitle(), "Zarkul 3 Desktop");
    EXPECT_FALSE(w.zbran11->isEditable());

    QTest::mouseClick(w.crt, Qt::LeftButton, Qt::ControlModifier);
    for (QComboBox *c : {w.zbran11, w.zbran12, w.zbran13, w.zbran21, w.zbran22, w.zbran23})
        EXPECT_TRUE(c->isEditable());
    EXPECT_EQ(w.zbran12->currentText(), "Pulz"); // the selection stays
}

TEST_F(SettingsWindowTest, WheelChangesTheTimeDivisor)
{
    Tmain &w = start();
    sendWheel(w.Envgroup, 120);
    EXPECT_EQ(state.timeDivisor, 1);
    const int before = w.zbran11->currentIndex();
    for (int i = 0; i < 3; ++i)
        sendWheel(w.zbran11, -120); // over a list: counted once, the list keeps its entry
    EXPECT_EQ(state.timeDivisor, 4);
    EXPECT_EQ(w.zbran11->currentIndex(), before);
    sendWheel(&w, 15); // a small step counts like a whole one
    EXPECT_EQ(state.timeDivisor, 3);
}

TEST_F(SettingsWindowTest, EnvironmentInformationPanel)
{
    struct Case
    {
        const char *name;
        QByteArray env;
        QString title;
        QStringList lines;
    };
    const Case cases[] = {
        {"full header",
         "[ZK3 enviroment]\nname=Púšť\nversion=2\ncreator=Ja\nsource=C:\\hry\\zk3\\dune.zki\n"
         "sound=/home/a/dune.zks\ntext=Piesok\\nVietor\n",
         "Púšť",
         {"verzia: 2", "tvorca: Ja", "kolekcia: dune.zki", "zvuky: dune.zks", "", "Piesok Vietor"}},
        {"no header",
         "[sprite1]\nimage=x\n",
         "arena.env",
         {"verzia: (not avalible)", "tvorca: (not avalible)", "kolekcia: (not avalible)",
          "zvuky: (not avalible)", "", ""}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        writeBytes(file("arena.env"), c.env);
        Tmain &w = start();
        answers.answers = {file("arena.env")};
        w.Button4Click();
        EXPECT_EQ(w.prsname->text(), c.title);
        EXPECT_EQ(w.prsadd->toPlainText(), c.lines.join('\n'));
        EXPECT_EQ(w.Open1.fileName, file("arena.env"));

        // A cancelled chooser reads the current file again.
        writeBytes(file("arena.env"), "[ZK3 enviroment]\nname=Nová\n");
        answers.answers = {std::nullopt};
        w.Button4Click();
        EXPECT_EQ(w.prsname->text(), "Nová");
        EXPECT_EQ(w.prsadd->toPlainText().split('\n').size(), 6);
        EXPECT_EQ(answers.asked.back().title, "Otvoriťsúbor prostredia");
        window.reset();
    }
}

TEST_F(SettingsWindowTest, MissingEnvironmentRunsTheChooserAtStart)
{
    writeIni("[Settings]\nenv=nikde.env\n");
    Tmain &w = start();
    ASSERT_EQ(answers.asked.size(), 1u);
    EXPECT_EQ(answers.asked[0].objectName, "Open1");
    EXPECT_EQ(w.prsname->text(), "nikde.env");
    EXPECT_EQ(w.prsadd->toPlainText().split('\n').first(), "verzia: (not avalible)");
    EXPECT_TRUE(answers.messages.isEmpty());
}

TEST_F(SettingsWindowTest, UnreadableEnvironmentAtStartShowsTheMessage)
{
    QDir(dir.path()).mkdir("zlozka.env"); // exists, but is no readable file
    writeIni("[Settings]\nenv=zlozka.env\n");
    answers.answers = {std::nullopt};
    Tmain &w = start();
    EXPECT_EQ(answers.messages, QStringList{"Uložené dáta sú neprístupné alebo neexistujú."});
    EXPECT_EQ(w.prsname->text(), "zlozka.env"); // the chooser's read showed the defaults
}

TEST_F(SettingsWindowTest, CollectionThatCannotBeOpenedStopsTheStart)
{
    writeIni("[Hrac1]\nimage=chyba.zki\n[Settings]\nenv=nikde.env\n");
    Tmain &w = start();
    ASSERT_EQ(answers.errors.size(), 1);
    EXPECT_TRUE(answers.errors[0].contains("chyba.zki")) << answers.errors[0].toStdString();
    EXPECT_TRUE(answers.asked.empty()); // the environment check was skipped
    EXPECT_EQ(w.prsname->text(), "(Prázdne)");
    EXPECT_EQ(w.prsadd->toPlainText(), "Ziadne prostredie");
    EXPECT_EQ(w.Open1.fileName, "nikde.env"); // applied before the failure
    EXPECT_EQ(state.pllist2.count(), 0);      // after it: not loaded
    EXPECT_EQ(w.prev1->toolTip(), "");
}

TEST_F(SettingsWindowTest, ChoosingImageCollections)
{
    Tmain &w = start();
    writePlayerImages(file("red.zki"), Qt::red, 40, 40);
    writeBytes(file("bad.zki"), "not a collection");
    writeImageCollection(file("nobody.zki"),
                         {ImageRecord{"telo1", QImage(4, 4, QImage::Format_ARGB32)}});

    answers.answers = {file("red.zki")};
    w.prev1Click(w.prev1);
    EXPECT_EQ(answers.asked.back().title, "Otvoriť ZK image collection");
    EXPECT_EQ(w.prev1->toolTip(), file("red.zki"));
    EXPECT_EQ(w.prev1->pixmap().size(), QSize(40, 40));
    w.Menu1Popup();
    EXPECT_EQ(w.tit2->text(), file("red.zki"));

    // A failed choice changes neither the list nor the path, for either player.
    for (QLabel *preview : {w.prev1, w.prev2}) {
        for (const char *name : {"bad.zki", "nobody.zki", "missing.zki"}) {
            SCOPED_TRACE(name);
            const QString tip = preview->toolTip();
            const ImageList &list = preview == w.prev1 ? state.pllist1 : state.pllist2;
            const ImagePtr body = list.find("telo0");
            answers.messages.clear();
            answers.answers = {file(name)};
            w.prev1Click(preview);
            EXPECT_EQ(answers.messages, QStringList{"Nastala vnútorná chyba pri čítaní súboru"});
            EXPECT_EQ(preview->toolTip(), tip);
            EXPECT_EQ(list.find("telo0"), body);
        }
    }
    w.Menu2Popup();
    EXPECT_EQ(w.tit1->text(), file("green.zki"));

    // Cancelling changes nothing and says nothing.
    answers.messages.clear();
    w.prev1Click(w.prev2);
    EXPECT_TRUE(answers.messages.isEmpty());

    // The menu's default item chooses for its own player.
    answers.answers = {file("red.zki")};
    w.Vybrakolekciu1->trigger();
    EXPECT_EQ(w.prev2->toolTip(), file("red.zki"));
}

TEST_F(SettingsWindowTest, ReloadPicksUpChangesAndReportsFailures)
{
    Tmain &w = start();
    writePlayerImages(file("blue.zki"), Qt::yellow, 50, 10);
    w.Obnovi1->trigger();
    EXPECT_EQ(w.prev1->pixmap().size(), QSize(50, 10));
    EXPECT_EQ(state.pllist1.find("telo0")->source().pixelColor(0, 0), QColor(Qt::yellow));

    QFile::remove(file("green.zki"));
    w.Obnovi2->trigger();
    ASSERT_EQ(answers.errors.size(), 1);
    EXPECT_EQ(state.pllist2.count(), 1); // the old pictures stay
    EXPECT_EQ(w.prev2->toolTip(), file("green.zki"));
}

TEST_F(SettingsWindowTest, ChoosingSoundCollections)
{
    Tmain &w = start();
    writeSounds(file("other.zks"), "boom");
    answers.answers = {file("other.zks")};
    w.sndbt2->click();
    EXPECT_EQ(answers.asked.back().title, "Otvoriť ZK sound collection");
    EXPECT_EQ(w.sndbt2->toolTip(), file("other.zks"));
    EXPECT_TRUE(state.WaveList2.tryFind("boom"));
    EXPECT_TRUE(state.WaveList1.tryFind("shot"));

    writeBytes(file("bad.zks"), "junk");
    answers.answers = {file("bad.zks")};
    w.sndbt1->click();
    EXPECT_EQ(answers.errors.size(), 1);
    EXPECT_EQ(w.sndbt1->toolTip(), file("sound.zks"));
    EXPECT_TRUE(state.WaveList1.tryFind("shot"));

    // Sound off disables the buttons but keeps the collections and their paths.
    w.snd->click();
    EXPECT_FALSE(w.sndbt1->isEnabled());
    EXPECT_FALSE(w.sndbt2->isEnabled());
    EXPECT_EQ(state.WaveList2.count(), 1);
    EXPECT_EQ(w.currentSettings().players[1].sound, file("other.zks"));
}

TEST_F(SettingsWindowTest, EditorGetsTheCollectionAsOneArgument)
{
    const QString out = file("args.txt");
    writeBytes(file("pictorix.exe"), "#!/bin/sh\nfor a in \"$@\"; do printf '%s|' \"$a\"; done > "
                                     "\"$(dirname \"$0\")/args.txt\"\n");
    QFile::setPermissions(file("pictorix.exe"), QFile::ReadOwner | QFile::ExeOwner);
    const QString spaced = file("with space.zki");
    writePlayerImages(spaced, Qt::red);
    Tmain &w = start();
    answers.answers = {spaced};
    w.prev1Click(w.prev1);
    w.Editovaaktulnu2->trigger();
    // The editor runs on its own; wait for what it wrote.
    for (int i = 0; i < 100 && QFile(out).size() == 0; ++i)
        QTest::qWait(50);
    QFile f(out);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(QString::fromUtf8(f.readAll()), spaced + "|");

    QFile::remove(file("pictorix.exe"));
    w.Editovaaktulnu1->trigger(); // missing: nothing shown
    EXPECT_TRUE(answers.errors.isEmpty());
    EXPECT_TRUE(answers.messages.isEmpty());
}

TEST(Loadform, SplashAndLabels)
{
    Tloadform f;
    EXPECT_EQ(f.size(), QSize(297, 89));
    EXPECT_TRUE(f.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f.version->text(), "3.7.4. be");
    EXPECT_EQ(f.capt->text(), "");
    EXPECT_EQ(f.capt->geometry(), QRect(0, 70, 297, 17));
    const QImage splash = splashPicture().toImage();
    EXPECT_EQ(splash.size(), QSize(296, 63));
    EXPECT_EQ(qAlpha(splash.pixel(0, 0)), 0);      // transparent corner
    EXPECT_EQ(qAlpha(splash.pixel(148, 31)), 255); // something drawn
    f.showText("Ukaladám nastavenia...");
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(f.capt->text(), "Ukaladám nastavenia...");
}
