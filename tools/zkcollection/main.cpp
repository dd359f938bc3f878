// zkcollection: makes, lists, unpacks and shows collection files (.zki pictures, .zks sounds).
#include "commands.h"
#include "error.h"
#include "sheet.h"

#include <QGuiApplication>
#include <QStringList>
#include <QTextStream>
#include <cstdio>
#include <cstring>
#include <memory>

namespace {

const char usage[] = "usage:\n"
                     "  zkcollection make INDEX.ini OUT.zki|OUT.zks\n"
                     "  zkcollection list FILE\n"
                     "  zkcollection unpack FILE DIR\n"
                     "  zkcollection sheet FILE OUT.png [--zoom]\n";

int run(const QStringList &args)
{
    QTextStream out(stdout);
    const QString command = args.value(0);
    if (command == QLatin1String("make") && args.size() == 3) {
        makeCollection(args[1], args[2]);
    } else if (command == QLatin1String("list") && args.size() == 2) {
        listCollection(args[1], out);
    } else if (command == QLatin1String("unpack") && args.size() == 3) {
        unpackCollection(args[1], args[2]);
    } else if (command == QLatin1String("sheet") &&
               (args.size() == 3 || (args.size() == 4 && args[3] == QLatin1String("--zoom")))) {
        const QImage sheet = collectionSheet(args[1], args.size() == 4 ? 4 : 1);
        if (!sheet.save(args[2], "PNG"))
            throw Error(QStringLiteral("Cannot write '%1'").arg(args[2]));
    } else {
        std::fputs(usage, stderr);
        return 2;
    }
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    const bool sheet = argc > 1 && std::strcmp(argv[1], "sheet") == 0;
    // Only the sheet draws text, which needs a GUI application (never a display).
    if (sheet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    std::unique_ptr<QCoreApplication> app(sheet ? new QGuiApplication(argc, argv)
                                                : new QCoreApplication(argc, argv));
    QStringList args = QCoreApplication::arguments();
    args.removeFirst();
    try {
        return run(args);
    } catch (const Error &e) {
        std::fprintf(stderr, "zkcollection: %s\n", e.text().toLocal8Bit().constData());
        return 1;
    }
}
