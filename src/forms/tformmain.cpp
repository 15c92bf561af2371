#include "forms/tformmain.h"

TFormMain::TFormMain(QWidget* parent) : QMainWindow(parent) {}
