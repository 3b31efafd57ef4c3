// Makes db.mdb from resources/db.sql at build time.
#include "SchemaScript.h"

#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 3) {
        err << "usage: periwell-mkdb SCRIPT.sql OUTPUT.mdb\n";
        return 2;
    }
    const QString error = SchemaScript::createDatabase(args.at(1), args.at(2));
    if (!error.isEmpty()) {
        err << "periwell-mkdb: " << error << "\n";
        return 1;
    }
    return 0;
}
