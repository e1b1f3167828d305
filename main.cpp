#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    QTextStream(stdout) << "Mindrova: the session engine is built; the session window follows.\n";
    return 0;
}
