// Program entry: one copy at a time, the application's identity, the designer.
#include <QApplication>

#include "app/Startup.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  return lrw::RunProgram(app);
}
