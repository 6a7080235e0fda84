// The yardstick of startup.sh: a bare Qt 6 window, shown as soon as the application exists.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QWidget window;
  window.setWindowTitle(QStringLiteral("Bare"));
  window.resize(517, 186);
  window.show();
  return app.exec();
}
