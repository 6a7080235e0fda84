// The player of the package test, loaded into the packaged game with LD_PRELOAD: it
// reports what the game shows, acknowledges its message boxes and clicks "Installer" on
// both of the installer's pages. The installed copy inherits it and reports its hand-off
// word, its welcome and its mode, then ends. Inactive
// unless VORLANE_HARNESS_REPORT names the report file.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QTimer>

#include <cstdlib>

namespace {

constexpr int kLookPeriodMs = 100;
constexpr int kGiveUpMs = 60000;

void report(const QString& line) {
  QFile file(qEnvironmentVariable("VORLANE_HARNESS_REPORT"));
  if (!file.open(QIODevice::Append | QIODevice::Text)) return;
  file.write((line + QLatin1Char('\n')).toUtf8());
}

QWidget* visibleWindow(const char* name) {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QLatin1String(name) && window->isVisible()) return window;
  }
  return nullptr;
}

void reportPage(QWidget* installer) {
  report(QStringLiteral("page: ") + installer->windowTitle());
  if (auto* panel = installer->findChild<QLabel*>(QStringLiteral("Panel1"));
      panel && panel->isVisible()) {
    report(QStringLiteral("folder: ") + panel->text());
  }
  auto* memo = installer->findChild<QPlainTextEdit*>(QStringLiteral("Memo"));
  report(QStringLiteral("memo: ") + memo->toPlainText().replace('\n', ' '));
  // The face fontconfig really gave the explanations, not the one asked for.
  report(QStringLiteral("font: ") + QFontInfo(memo->font()).family());
}

void reportStart() {
  report(QStringLiteral("pid: %1").arg(QCoreApplication::applicationPid()));
  report(QStringLiteral("program: ") + QCoreApplication::applicationFilePath());
  report(QStringLiteral("arguments: ") + QCoreApplication::arguments().mid(1).join(' '));
  report(QStringLiteral("working folder: ") + QDir::currentPath());
  QWidget* main = visibleWindow("Form1");
  if (!main) return;
  for (QAction* action : main->findChild<QMenu*>(QStringLiteral("PopupMenu1"))->actions()) {
    if (action->text() == QLatin1String("Installation")) {
      report(action->isVisible() ? QStringLiteral("mode: read-only")
                                 : QStringLiteral("mode: normal"));
    }
  }
}

void look() {
  static bool started = false;
  for (QWidget* window : QApplication::topLevelWidgets()) {
    auto* box = qobject_cast<QMessageBox*>(window);
    if (box && box->isVisible()) {
      report(QStringLiteral("message: ") + box->text().replace('\n', ' '));
      box->accept();
      return;
    }
  }
  if (started || !visibleWindow("Form1")) return;
  started = true;
  reportStart();
  QWidget* installer = visibleWindow("Installation");
  if (!installer) std::_Exit(0);
  reportPage(installer);
  auto* installButton = installer->findChild<QAbstractButton*>(QStringLiteral("Button1"));
  installButton->click();
  reportPage(installer);
  // VORLANE_HARNESS_SHORTCUT "uncheck": without the desktop menu group ("ins").
  if (qEnvironmentVariable("VORLANE_HARNESS_SHORTCUT") == QLatin1String("uncheck")) {
    installer->findChild<QAbstractButton*>(QStringLiteral("raccourci"))->click();
  }
  // The copy ends this program and starts the installed copy.
  installButton->click();
}

void startHarness() {
  if (qEnvironmentVariableIsEmpty("VORLANE_HARNESS_REPORT")) return;
  auto* timer = new QTimer(QCoreApplication::instance());
  QObject::connect(timer, &QTimer::timeout, &look);
  timer->start(kLookPeriodMs);
  QTimer::singleShot(kGiveUpMs, [] {
    report(QStringLiteral("gave up"));
    std::_Exit(2);
  });
}

}  // namespace

Q_COREAPP_STARTUP_FUNCTION(startHarness)
