// Prints the MIME type Qt gives each file named on the command line, by name and content, as
// "file<TAB>type" (an empty type when the database knows none). mime-type.sh runs it on a
// database of its own.
#include <QCoreApplication>
#include <QMimeDatabase>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QMimeDatabase database;
    QTextStream out(stdout);
    for (const QString& file : QCoreApplication::arguments().mid(1))
        out << file << '\t' << database.mimeTypeForFile(file).name() << '\n';
    return 0;
}
