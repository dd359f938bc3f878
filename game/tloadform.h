#pragma once

#include <QWidget>

class QLabel;

// The progress window: a borderless splash with one line of progress text, shown by match
// setup, the end of a match and closing.
class Tloadform : public QWidget
{
    Q_OBJECT
public:
    explicit Tloadform(QWidget *parent = nullptr);

    // Shows the window with the text and repaints it at once, before the caller goes on working.
    void showText(const QString &text);

    QLabel *splash;
    QLabel *version;
    QLabel *capt;

protected:
    void paintEvent(QPaintEvent *event) override;
};

// The 296 x 63 splash picture, drawn here rather than stored.
QPixmap splashPicture();
