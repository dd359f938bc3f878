#include "tloadform.h"

#include <QApplication>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>

QPixmap splashPicture()
{
    QPixmap pixmap(296, 63);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // A dark band with two sparks, the duellists, flying at each other.
    QLinearGradient band(0, 0, 296, 0);
    band.setColorAt(0, QColor(20, 40, 120));
    band.setColorAt(0.5, QColor(10, 10, 30));
    band.setColorAt(1, QColor(20, 110, 40));
    p.setPen(Qt::NoPen);
    p.setBrush(band);
    p.drawRoundedRect(QRectF(2, 4, 292, 55), 8, 8);

    const auto spark = [&p](QPointF centre, const QColor &colour) {
        QRadialGradient glow(centre, 14);
        glow.setColorAt(0, Qt::white);
        glow.setColorAt(0.35, colour);
        glow.setColorAt(1, Qt::transparent);
        p.setBrush(glow);
        p.drawEllipse(centre, 14, 14);
    };
    spark(QPointF(30, 31), QColor(90, 140, 255));
    spark(QPointF(266, 31), QColor(90, 230, 110));

    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(30);
    font.setBold(true);
    font.setItalic(true);
    QPainterPath title;
    title.addText(0, 0, font, QStringLiteral("ZARKUL 3"));
    const QRectF box = title.boundingRect();
    title.translate(148 - box.center().x(), 31 - box.center().y());
    p.setBrush(QColor(250, 210, 80));
    p.setPen(QPen(QColor(90, 40, 0), 1.5));
    p.drawPath(title);
    return pixmap;
}

Tloadform::Tloadform(QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("loadform"));
    setFixedSize(297, 89);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    pal.setColor(QPalette::WindowText, Qt::black);
    setPalette(pal);
    setCursor(Qt::WaitCursor);
    // Closing the settings window ends the program even while this one is shown.
    setAttribute(Qt::WA_QuitOnClose, false);

    splash = new QLabel(this);
    splash->setObjectName(QStringLiteral("Image1"));
    splash->setGeometry(0, 0, 296, 63);
    splash->setPixmap(splashPicture());

    version = new QLabel(QStringLiteral("3.7.4. be"), this);
    version->setObjectName(QStringLiteral("Label1"));
    version->setGeometry(248, 48, 41, 13);
    version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont small = version->font();
    small.setPixelSize(10);
    version->setFont(small);
    QPalette versionPal = version->palette();
    versionPal.setColor(QPalette::WindowText, Qt::white);
    version->setPalette(versionPal);

    capt = new QLabel(this);
    capt->setObjectName(QStringLiteral("capt"));
    capt->setGeometry(0, 70, 297, 17);
    capt->setAlignment(Qt::AlignCenter);

    if (const QScreen *screen = QGuiApplication::primaryScreen()) {
        const QRect desk = screen->availableGeometry();
        move(desk.center() - QPoint(width() / 2, height() / 2));
    }
}

void Tloadform::showText(const QString &text)
{
    capt->setText(text);
    if (!isVisible()) {
        show();
        raise();
    }
    repaint();
    // Let the window system map and draw it before the caller blocks the thread.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void Tloadform::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setPen(QColor(64, 64, 64));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
}
