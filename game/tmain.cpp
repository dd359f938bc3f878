#include "tmain.h"

#include "gamestate.h"
#include "tskiledit.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolButton>
#include <QWheelEvent>

const QString Tmain::applicationTitle = QStringLiteral("Zarkul 3");

namespace {
const QStringList weaponEntries = {QStringLiteral("Duch"),   QStringLiteral("Gulomet"),
                                   QStringLiteral("Mina"),   QStringLiteral("Ozdravovanie"),
                                   QStringLiteral("Plamen"), QStringLiteral("Pulz"),
                                   QStringLiteral("Sekera"), QStringLiteral("Slide"),
                                   QStringLiteral("Strela"), QStringLiteral("Štít")};

// The picture a preview shows before its collection is loaded.
QPixmap emptyPreview()
{
    QPixmap pixmap(73, 73);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(128, 128, 128), 2, Qt::DashLine));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRectF(14, 14, 45, 45));
    return pixmap;
}

// The sound buttons' glyph: a loudspeaker (Qt greys it out while the button is disabled).
QIcon speakerGlyph()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(20, 20, 20));
    const QPointF cone[] = {{2, 6}, {5, 6}, {9, 2}, {9, 14}, {5, 10}, {2, 10}};
    p.drawPolygon(cone, 6);
    p.setPen(QPen(QColor(20, 20, 20), 1.3));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(8, 5, 5, 6), -60 * 16, 120 * 16);
    p.drawArc(QRectF(8, 2, 8, 12), -60 * 16, 120 * 16);
    return QIcon(pixmap);
}

template <typename W> W *named(W *widget, const char *name)
{
    widget->setObjectName(QLatin1String(name));
    return widget;
}
} // namespace

Tmain::Tmain(GameState &state, const QString &programDir, QWidget *parent)
    : QWidget(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      state_(state), programDir_(programDir)
{
    setObjectName(QStringLiteral("main"));
    setWindowTitle(QStringLiteral("Zarkul 3.7.4.be"));
    // The original's 8-point sans serif is narrow; a semi-condensed DejaVu keeps the captions
    // inside the original control sizes (Qt stretches the face when no condensed one exists).
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(11);
    font.setStretch(QFont::SemiCondensed);
    setFont(font);
    setFixedSize(529, 441);

    buildPlayers();
    buildEnvironment();
    buildOptions();
    buildSkills();
    buildMenus();

    open = {QStringLiteral("open"),
            QStringLiteral("Otvoriť ZK image collection"),
            QStringLiteral("ZKimage collection|*.zki|All files|*.*"),
            QStringLiteral("*.zki"),
            QString(),
            QString()};
    Open1 = {QStringLiteral("Open1"),
             QStringLiteral("Otvoriťsúbor prostredia"),
             QStringLiteral("Inifile|*.env|All files|*.*"),
             QStringLiteral("*.env"),
             QString(),
             QString()};
    Openwav = {QStringLiteral("Openwav"),
               QStringLiteral("Otvoriť ZK sound collection"),
               QStringLiteral("ZKsound collection|*.zks|All files|*.*"),
               QStringLiteral("*.zks"),
               QString(),
               QString()};

    // The wheel changes the game speed wherever it turns over this window.
    qApp->installEventFilter(this);

    FormCreate();

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.center() - QPoint(width() / 2, formHeight() / 2));
    }
    Button1->setFocus();
}

Tmain::~Tmain()
{
    qApp->removeEventFilter(this);
}

void Tmain::buildPlayers()
{
    setup = named(new QGroupBox(QStringLiteral("Nastavenia Hráčov"), this), "setup");
    setup->setGeometry(0, 0, 217, 233);

    meno1 = named(new QLineEdit(QStringLiteral("Hráč 1"), setup), "meno1");
    meno1->setGeometry(8, 24, 201, 21);
    meno2 = named(new QLineEdit(QStringLiteral("Hráč 2"), setup), "meno2");
    meno2->setGeometry(8, 128, 201, 21);

    const QPixmap empty = emptyPreview();
    const QIcon glyph = speakerGlyph();
    const char *previewNames[2] = {"prev1", "prev2"};
    const char *buttonNames[2] = {"sndbt1", "sndbt2"};
    const int tops[2] = {48, 152};
    QLabel *previews[2];
    QToolButton *buttons[2];
    for (int i = 0; i < 2; ++i) {
        QLabel *p = named(new QLabel(setup), previewNames[i]);
        p->setGeometry(8, tops[i], 73, 73);
        p->setAlignment(Qt::AlignCenter);
        p->setPixmap(empty);
        p->setCursor(Qt::PointingHandCursor);
        p->setContextMenuPolicy(Qt::CustomContextMenu);
        p->installEventFilter(this);
        previews[i] = p;

        QToolButton *b = named(new QToolButton(setup), buttonNames[i]);
        b->setGeometry(8, tops[i], i == 0 ? 23 : 22, 22);
        b->setAutoRaise(true);
        b->setIcon(glyph);
        b->setEnabled(false);
        b->raise();
        connect(b, &QToolButton::clicked, this, [this, b] { guarded([&] { sndbt1Click(b); }); });
        buttons[i] = b;
    }
    prev1 = previews[0];
    prev2 = previews[1];
    sndbt1 = buttons[0];
    sndbt2 = buttons[1];

    zbran11 = weaponList("zbran11", 88, 48);
    zbran12 = weaponList("zbran12", 88, 72);
    zbran13 = weaponList("zbran13", 88, 96);
    zbran21 = weaponList("zbran21", 88, 152);
    zbran22 = weaponList("zbran22", 88, 176);
    zbran23 = weaponList("zbran23", 88, 200);

    ciara = named(new QFrame(setup), "ciara");
    ciara->setGeometry(8, 123, 201, 2);
    ciara->setFrameShape(QFrame::HLine);
    ciara->setFrameShadow(QFrame::Sunken);
}

QComboBox *Tmain::weaponList(const char *objectName, int left, int top)
{
    QComboBox *list = named(new QComboBox(setup), objectName);
    list->setGeometry(left, top, 121, 21);
    list->addItems(weaponEntries);
    list->setCurrentIndex(-1);
    list->setInsertPolicy(QComboBox::NoInsert);
    return list;
}

void Tmain::buildEnvironment()
{
    Envgroup = named(new QGroupBox(QStringLiteral("Prostredie"), this), "Envgroup");
    Envgroup->setGeometry(224, 0, 161, 193);

    prsname = named(new QLabel(QStringLiteral("(Prázdne)"), Envgroup), "prsname");
    prsname->setGeometry(8, 16, 145, 15);

    prsadd = named(new QPlainTextEdit(Envgroup), "prsadd");
    prsadd->setGeometry(8, 32, 145, 121);
    prsadd->setFrameShape(QFrame::NoFrame);
    prsadd->setEnabled(false);
    prsadd->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prsadd->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    prsadd->document()->setDocumentMargin(0);
    QPalette pal = prsadd->palette();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        pal.setColor(g, QPalette::Base, pal.color(g, QPalette::Window));
    prsadd->setPalette(pal);
    prsadd->setPlainText(QStringLiteral("Ziadne prostredie"));

    Button4 = named(new QPushButton(QStringLiteral("Otvor prostredie"), Envgroup), "Button4");
    Button4->setGeometry(8, 160, 145, 25);
    connect(Button4, &QPushButton::clicked, this, [this] { guarded([this] { Button4Click(); }); });

    Button1 = named(new QPushButton(QStringLiteral("Štart"), this), "Button1");
    Button1->setGeometry(224, 196, 73, 20);
    connect(Button1, &QPushButton::clicked, this, [this] { guarded([this] { Button1Click(); }); });
    Button2 = named(new QPushButton(QStringLiteral("Zavrieť"), this), "Button2");
    Button2->setGeometry(304, 196, 73, 20);
    connect(Button2, &QPushButton::clicked, this, [this] { Button2Click(); });

    crt = named(new QLabel(QStringLiteral("© Zarkul 3 tím"), this), "crt");
    crt->move(224, 216);
    QFont big = crt->font();
    big.setPixelSize(15);
    crt->setFont(big);
    QPalette pal2 = crt->palette();
    pal2.setColor(QPalette::WindowText, QColor(0x0a, 0x24, 0x6a)); // active caption
    crt->setPalette(pal2);
    crt->adjustSize();
    crt->installEventFilter(this);
}

void Tmain::buildOptions()
{
    sysgroup = named(new QGroupBox(QStringLiteral("Efekty"), this), "sysgroup");
    sysgroup->setGeometry(392, 0, 137, 233);
    struct Option
    {
        QCheckBox *&box;
        const char *name;
        QString caption;
        bool on;
    };
    const Options defaults;
    const Option options[] = {
        {dor, "dor", QStringLiteral("Dorážačky"), defaults.dor},
        {ski, "ski", QStringLiteral("Rozšírené schopnosti"), defaults.ski},
        {plc, "plc", QStringLiteral("Kolízie hráčov"), defaults.plc},
        {fly, "fly", QStringLiteral("Efekt lietania"), defaults.fly},
        {krv, "krv", QStringLiteral("Krvavé efekty"), defaults.krv},
        {exl, "exl", QStringLiteral("Výbuchy"), defaults.exl},
        {bul, "bul", QStringLiteral("Bullet time"), defaults.bul},
        {cur, "cur", QStringLiteral("Šípky"), defaults.cur},
        {dcr, "dcr", QStringLiteral("Dynamické Šípky"), defaults.dcr},
        {nam, "nam", QStringLiteral("Zobraz mená"), defaults.nam},
        {hlt, "hlt", QStringLiteral("Zobraz stav"), defaults.hlt},
        {fps, "fps", QStringLiteral("Zobraz počítadlá"), defaults.fps},
        {snd, "snd", QStringLiteral("Zvuky"), defaults.snd},
    };
    int top = 16;
    for (const Option &o : options) {
        o.box = named(new QCheckBox(o.caption, sysgroup), o.name);
        o.box->setGeometry(8, top, 125, 17);
        o.box->setChecked(o.on);
        top += 16;
    }
    connect(ski, &QCheckBox::clicked, this, [this] { guarded([this] { skiClick(); }); });
    connect(snd, &QCheckBox::clicked, this, [this] { guarded([this] { sndClick(); }); });
}

void Tmain::buildSkills()
{
    moz = named(new QGroupBox(QStringLiteral("Rozšírené natavenia schopností"), this), "moz");
    moz->setGeometry(0, 240, 529, 201);
    moz->setVisible(false);
    skiledit1 = named(new Tskiledit(moz), "skiledit1");
    skiledit1->move(8, 16);
    skiledit2 = named(new Tskiledit(moz), "skiledit2");
    skiledit2->move(272, 16);
    Bevel1 = named(new QFrame(moz), "Bevel1");
    Bevel1->setGeometry(263, 16, 2, 170);
    Bevel1->setFrameShape(QFrame::VLine);
    Bevel1->setFrameShadow(QFrame::Sunken);
}

QMenu *Tmain::previewMenu(const char *menuName, const char *titleName, const char *chooseName,
                          const char *editName, const char *reloadName, QLabel *preview)
{
    QMenu *menu = named(new QMenu(this), menuName);
    QAction *title = named(menu->addAction(QStringLiteral("tit")), titleName);
    title->setEnabled(false);
    menu->addSeparator();
    QAction *choose = named(menu->addAction(QStringLiteral("Vybrať kolekciu")), chooseName);
    menu->setDefaultAction(choose);
    named(menu->addAction(QStringLiteral("Editovať aktuálnu")), editName);
    named(menu->addAction(QStringLiteral("Obnoviť")), reloadName);
    connect(choose, &QAction::triggered, this,
            [this, preview] { guarded([&] { prev1Click(preview); }); });
    connect(preview, &QWidget::customContextMenuRequested, menu,
            [menu, preview](const QPoint &pos) { menu->popup(preview->mapToGlobal(pos)); });
    return menu;
}

void Tmain::buildMenus()
{
    Menu1 = previewMenu("Menu1", "tit2", "Vybrakolekciu2", "Editovaaktulnu2", "Obnovi1", prev1);
    Menu2 = previewMenu("Menu2", "tit1", "Vybrakolekciu1", "Editovaaktulnu1", "Obnovi2", prev2);
    const auto action = [](QMenu *menu, const char *name) {
        return menu->findChild<QAction *>(QLatin1String(name));
    };
    tit2 = action(Menu1, "tit2");
    Vybrakolekciu2 = action(Menu1, "Vybrakolekciu2");
    Editovaaktulnu2 = action(Menu1, "Editovaaktulnu2");
    Obnovi1 = action(Menu1, "Obnovi1");
    tit1 = action(Menu2, "tit1");
    Vybrakolekciu1 = action(Menu2, "Vybrakolekciu1");
    Editovaaktulnu1 = action(Menu2, "Editovaaktulnu1");
    Obnovi2 = action(Menu2, "Obnovi2");

    connect(Menu1, &QMenu::aboutToShow, this, [this] { Menu1Popup(); });
    connect(Menu2, &QMenu::aboutToShow, this, [this] { Menu2Popup(); });
    connect(Editovaaktulnu2, &QAction::triggered, this, [this] { Editovaaktulnu2Click(); });
    connect(Editovaaktulnu1, &QAction::triggered, this, [this] { Editovaaktulnu1Click(); });
    connect(Obnovi1, &QAction::triggered, this, [this] { guarded([this] { Obnovi1Click(); }); });
    connect(Obnovi2, &QAction::triggered, this, [this] { guarded([this] { Obnovi2Click(); }); });
}

bool Tmain::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::Wheel: {
        auto *widget = qobject_cast<QWidget *>(watched);
        if (!widget || widget->window() != this)
            break;
        // Each reported wheel step counts once whatever its size; the wheel belongs to the game
        // speed here, so no control under the cursor scrolls as well.
        const int delta = static_cast<QWheelEvent *>(event)->angleDelta().y();
        if (delta < 0)
            FormMouseWheelDown();
        else if (delta > 0)
            FormMouseWheelUp();
        return true;
    }
    case QEvent::MouseButtonPress:
        if (watched == crt) {
            auto *mouse = static_cast<QMouseEvent *>(event);
            crtMouseDown(mouse->buttons(), mouse->modifiers());
        }
        break;
    case QEvent::MouseButtonRelease:
        if ((watched == prev1 || watched == prev2) &&
            static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
            auto *sender = static_cast<QLabel *>(watched);
            guarded([&] { prev1Click(sender); });
            return true;
        }
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

void Tmain::closeEvent(QCloseEvent *event)
{
    guarded([this] { FormClose(); });
    event->accept();
}

void Tmain::skiClick()
{
    moz->setVisible(ski->isChecked());
    setFixedHeight((moz->isVisibleTo(this) ? 469 : 260) - nonClientHeight);
    skiledit1->getpoints();
    skiledit2->getpoints();
}

void Tmain::crtMouseDown(Qt::MouseButtons buttons, Qt::KeyboardModifiers shift)
{
    if (!(shift & Qt::ControlModifier))
        return;
    if (buttons & Qt::LeftButton) {
        // Any text can then be typed, which is how the weapons the lists do not offer are chosen.
        for (QComboBox *list : {zbran11, zbran12, zbran13, zbran21, zbran22, zbran23})
            list->setEditable(true);
    }
    if (buttons & Qt::RightButton) {
        setWindowTitle(applicationTitle + QStringLiteral(" Desktop"));
        state_.desktopMode = true;
    }
}

void Tmain::FormMouseWheelDown()
{
    ++state_.timeDivisor;
}

void Tmain::FormMouseWheelUp()
{
    if (state_.timeDivisor > 1)
        --state_.timeDivisor;
}

void Tmain::Button2Click()
{
    close();
}
