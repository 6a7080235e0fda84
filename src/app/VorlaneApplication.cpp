#include "app/VorlaneApplication.h"

#include <QFont>
#include <QLibraryInfo>
#include <QLocale>
#include <QPalette>
#include <QStyleFactory>
#include <QTranslator>

#include "app/IoErrorReport.h"
#include "data/IoError.h"

namespace vorlane {
namespace {

// The grey desktop of the game's era: button face, white highlight edge, grey shadow and
// black window frame, which the letter tiles draw their raised bevels with.
QPalette classicPalette() {
  const QColor face(0xC0, 0xC0, 0xC0);
  QPalette palette(face);
  palette.setColor(QPalette::Button, face);
  palette.setColor(QPalette::Window, face);
  palette.setColor(QPalette::Light, Qt::white);
  palette.setColor(QPalette::Midlight, QColor(0xDF, 0xDF, 0xDF));
  palette.setColor(QPalette::Mid, QColor(0xA0, 0xA0, 0xA0));
  palette.setColor(QPalette::Dark, QColor(0x80, 0x80, 0x80));
  palette.setColor(QPalette::Shadow, Qt::black);
  palette.setColor(QPalette::Base, Qt::white);
  palette.setColor(QPalette::Text, Qt::black);
  palette.setColor(QPalette::WindowText, Qt::black);
  palette.setColor(QPalette::ButtonText, Qt::black);
  palette.setColor(QPalette::Highlight, QColor(0x00, 0x00, 0x80));
  palette.setColor(QPalette::HighlightedText, Qt::white);
  // A disabled menu entry or button shows its text greyed, never like an enabled one.
  const QColor greyed(0x80, 0x80, 0x80);
  for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
    palette.setColor(QPalette::Disabled, role, greyed);
  return palette;
}

// Qt's own dialogs and menus (the colour and folder dialogs, the context menus of text
// fields) speak French, whatever the desktop's language: every text of the game is French.
void loadQtFrench(QApplication& app) {
  auto* translator = new QTranslator(&app);
  if (translator->load(QLocale(QLocale::French, QLocale::France), QStringLiteral("qtbase"),
                       QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    app.installTranslator(translator);
}

}  // namespace

VorlaneApplication::VorlaneApplication(int& argc, char** argv) : QApplication(argc, argv) {
  // No display name: Qt would append it to every window title, which the game sets exactly.
  setApplicationName("Vorlane");
  setStyle(QStyleFactory::create("Fusion"));
  setPalette(classicPalette());
  // Every window's text in Arial, as the game's own controls ask for it: fontconfig gives its
  // metric twin Liberation Sans (the package's font) where Arial is absent. The desktop's
  // "sans-serif" may be any face, a monospace one on a system with only the Liberation
  // fonts, whose wider letters the windows' fixed sizes do not hold. Named here, not looked
  // up as the windows' own fonts are (GameFonts.h): a look-up would read the font database
  // now, while fontconfig is still loading on its warm-up thread, and cost the start more
  // than the first menu's search for a stand-in.
  QFont text = font();
  text.setFamilies({QStringLiteral("Arial"), QStringLiteral("Liberation Sans")});
  setFont(text);
  QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
  loadQtFrench(*this);
}

bool VorlaneApplication::notify(QObject* receiver, QEvent* event) {
  try {
    return QApplication::notify(receiver, event);
  } catch (const IoError& error) {
    reportIoError(error);
    return false;
  }
}

}  // namespace vorlane
