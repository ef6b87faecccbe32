// quillet: the desktop window.

#include <QApplication>

#include "shell/main_window.h"
#include "shell/program_setup.h"

int main(int argc, char** argv) {
  quillet::SetUpProgram();
  QApplication application(argc, argv);
  quillet::MainWindow window;
  window.move(50, 50);
  window.show();
  return QApplication::exec();
}
