#pragma once

#include "skills.h"

#include <QFrame>

class QLabel;
class QProgressBar;
class QSpinBox;

// The skill frame of one player: four skills that only the arrows change, the points left on
// a gauge, and the life and mana they give on two bars.
class Tskiledit : public QFrame
{
    Q_OBJECT
public:
    explicit Tskiledit(QWidget *parent = nullptr);

    // Recomputes the points left, the spin limits and the two bars.
    void getpoints();
    // Sets ziv, spel, spd and odl in this order, each within what the points left allow.
    void setSkills(const Skills &skills);
    Skills skills() const;

    QLabel *name;
    QSpinBox *ziv;
    QSpinBox *spel;
    QSpinBox *odl;
    QSpinBox *spd;
    QProgressBar *points;
    QProgressBar *ZBar;
    QProgressBar *MBar;

private slots:
    void zivChange();

private:
    QSpinBox *makeSpin(const char *objectName, const QString &caption, int top);
};
