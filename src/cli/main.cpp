#include <QCoreApplication>
#include <QTextStream>
#include <clocale>

int main(int argc, char* argv[])
{
    QCoreApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    QTextStream(stderr) << "usage: gqc_cli [options] COMMAND ...\n";
    return 2;
}
