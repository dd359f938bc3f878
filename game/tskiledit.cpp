#include "tskiledit.h"

#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QSpinBox>
#include <algorithm>
#include <utility>

namespace {
constexpr int gaugeMaximum = skillrules::total - 4 * skillrules::minimum; // 210

QProgressBar *makeBar(QWidget *parent, const char *objectName, const QString &caption, int top,
                      const QColor &colour)
{
    auto *label = new QLabel(caption, parent);
    label->setGeometry(8, top, 56, 16);
    auto *bar = new QProgressBar(parent);
    bar->setObjectName(QLatin1String(objectName));
    bar->setGeometry(64, top, 179, 16);
    bar->setRange(0, skillrules::barMaximum);
    bar->setTextVisible(false);
    QPalette pal = bar->palette();
    pal.setColor(QPalette::Highlight, colour);
    bar->setPalette(pal);
    return bar;
}
} // namespace

Tskiledit::Tskiledit(QWidget *parent) : QFrame(parent)
{
    setFrameShape(QFrame::NoFrame);
    resize(251, 170);

    name = new QLabel(this);
    name->setObjectName(QStringLiteral("name"));
    name->setGeometry(8, 0, 200, 18);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);

    ziv = makeSpin("ziv", QStringLiteral("Životaschopnosť"), 22);
    spel = makeSpin("spel", QStringLiteral("Stupeň kúziel"), 48);
    odl = makeSpin("odl", QStringLiteral("Odolnosť"), 74);
    spd = makeSpin("spd", QStringLiteral("Rýchlosť"), 100);

    points = new QProgressBar(this);
    points->setObjectName(QStringLiteral("points"));
    points->setOrientation(Qt::Vertical);
    points->setGeometry(224, 22, 19, 99);
    points->setTextVisible(false);
    points->setRange(0, gaugeMaximum);
    points->setValue(gaugeMaximum);

    ZBar = makeBar(this, "ZBar", QStringLiteral("Život"), 130, Qt::red);
    MBar = makeBar(this, "MBar", QStringLiteral("Mana"), 150, Qt::blue);
    getpoints();
}

QSpinBox *Tskiledit::makeSpin(const char *objectName, const QString &caption, int top)
{
    auto *label = new QLabel(caption, this);
    label->setGeometry(8, top + 2, 120, 17);
    auto *spin = new QSpinBox(this);
    spin->setObjectName(QLatin1String(objectName));
    spin->setGeometry(136, top, 73, 22);
    spin->setRange(skillrules::minimum, skillrules::total - 3 * skillrules::minimum);
    spin->setValue(skillrules::minimum);
    // Only the arrows change a skill: the text cannot be typed into.
    if (auto *edit = spin->findChild<QLineEdit *>())
        edit->setReadOnly(true);
    connect(spin, &QSpinBox::valueChanged, this, &Tskiledit::zivChange);
    return spin;
}

void Tskiledit::zivChange()
{
    getpoints();
}

void Tskiledit::getpoints()
{
    const int remaining =
        skillrules::total - ziv->value() - spel->value() - odl->value() - spd->value();
    points->setValue(std::clamp(remaining, 0, gaugeMaximum));
    for (QSpinBox *spin : {ziv, spel, odl, spd}) {
        spin->setMinimum(skillrules::minimum);
        spin->setMaximum(spin->value() + points->value());
    }
    ZBar->setValue(ziv->value() + odl->value() / 2);
    MBar->setValue(spel->value());
}

void Tskiledit::setSkills(const Skills &skills)
{
    // From the minimum up, in this order, so the result does not depend on the values before:
    // a skill gets what it asks for as far as the points left allow.
    const std::pair<QSpinBox *, int> targets[] = {
        {ziv, skills.ziv}, {spel, skills.spel}, {spd, skills.spd}, {odl, skills.odl}};
    for (const auto &[spin, value] : targets)
        spin->setValue(skillrules::minimum);
    for (const auto &[spin, value] : targets)
        spin->setValue(value);
    getpoints();
}

Skills Tskiledit::skills() const
{
    return {ziv->value(), spel->value(), odl->value(), spd->value()};
}
