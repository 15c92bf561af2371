#include "forms/tformmain.h"

#include <QApplication>
#include <clocale>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    std::setlocale(LC_NUMERIC, "C");
    TFormMain window;
    window.show();
    return application.exec();
}
