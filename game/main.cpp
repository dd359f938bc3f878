// zk3: the game. The settings window opens first; matches run in the same window.
#include "gamestate.h"
#include "tloadform.h"
#include "tmain.h"

#include <QApplication>
#include <QDir>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(Tmain::applicationTitle);

    // The program folder holds the settings file and the default files; the working folder
    // stays as the user started us, since bare names in the files resolve against it.
    const QString programDir = QDir(QApplication::applicationDirPath()).absolutePath() + '/';

    GameState state;
    Tmain main(state, programDir);
    Tloadform loadform;
    main.setLoadform(&loadform);
    main.show();
    return app.exec();
}
