#include <gtest/gtest.h>

#include <QFile>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QUrl>

#include "data/Contact.h"

namespace vorlane {
namespace {

QString assetPath(const char* name) { return QStringLiteral(VORLANE_ASSETS_DIR "/") + name; }

QByteArray fileBytes(const char* name) {
  QFile file(assetPath(name));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QStringList anchorNames(const QTextDocument& document) {
  QStringList names;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it)
      names += it.fragment().charFormat().anchorNames();
  }
  return names;
}

class HelpFileTest : public ::testing::Test {
 protected:
  void SetUp() override { browser.setSource(QUrl::fromLocalFile(assetPath("vorlane.hlp"))); }
  QString text() const { return browser.document()->toPlainText(); }
  QTextBrowser browser;
};

TEST_F(HelpFileTest, OpensAsHtmlWithTheTopicsTheGameAsksFor) {
  const QStringList anchors = anchorNames(*browser.document());
  EXPECT_TRUE(anchors.contains(QStringLiteral("sommaire")));
  EXPECT_TRUE(anchors.contains(QStringLiteral("coord")));
  EXPECT_FALSE(text().contains(QStringLiteral("<p>")));  // read as HTML, not as plain text
  EXPECT_FALSE(fileBytes("vorlane.hlp").contains("<script"));
}

TEST_F(HelpFileTest, EveryLinkOfTheContentsLeadsToATopic) {
  const QStringList anchors = anchorNames(*browser.document());
  const QString html = QString::fromUtf8(fileBytes("vorlane.hlp"));
  qsizetype at = 0;
  int links = 0;
  while ((at = html.indexOf(QStringLiteral("href=\"#"), at)) >= 0) {
    at += 7;
    const QString target = html.mid(at, html.indexOf(QLatin1Char('"'), at) - at);
    EXPECT_TRUE(anchors.contains(target)) << target.toStdString();
    ++links;
  }
  EXPECT_GE(links, 10);
}

TEST_F(HelpFileTest, FrenchTextDecodesAndNamesTheShortcutsAndContact) {
  EXPECT_TRUE(text().contains(QStringLiteral("La réserve de temps")));
  EXPECT_TRUE(text().contains(QStringLiteral("Entraînement")));
  for (const char* key : {"F1", "Ctrl+D", "Ctrl+W", "Ctrl+L", "Ctrl+Q", "Entrée"}) {
    EXPECT_TRUE(text().contains(QString::fromUtf8(key))) << key;
  }
  const QString contact = text().mid(text().lastIndexOf(QStringLiteral("Coordonnées")));
  EXPECT_TRUE(contact.contains(QString::fromUtf8(kSupportEmail.data(), kSupportEmail.size())));
  EXPECT_TRUE(contact.contains(QString::fromUtf8(kSupportPhone.data(), kSupportPhone.size())));
}

// The association's page that the menu group's "Cerf.hlp" item opens with `--aide`, which
// shows the topic "sommaire".
TEST(AssociationPageTest, OpensAsFrenchHtmlAtItsContents) {
  QTextBrowser browser;
  browser.setSource(QUrl::fromLocalFile(assetPath("Cerf.hlp")));
  EXPECT_TRUE(anchorNames(*browser.document()).contains(QStringLiteral("sommaire")));
  const QString text = browser.document()->toPlainText();
  EXPECT_TRUE(text.contains(QStringLiteral("Zari666")));
  EXPECT_TRUE(text.contains(QStringLiteral("licence publique générale GNU")));
  EXPECT_FALSE(text.contains(QStringLiteral("<p>")));
  EXPECT_FALSE(fileBytes("Cerf.hlp").contains("<script"));
}

TEST(DesktopEntryTest, NamesTheGameItsIconAndItsCategories) {
  const QStringList lines =
      QString::fromUtf8(fileBytes("vorlane.desktop")).split(QLatin1Char('\n'));
  ASSERT_FALSE(lines.isEmpty());
  EXPECT_EQ(lines.first(), QStringLiteral("[Desktop Entry]"));
  for (const char* line : {"Type=Application", "Name=Vorlane", "Icon=vorlane",
                           "Categories=Game;LogicGame;", "Exec=vorlane"}) {
    EXPECT_TRUE(lines.contains(QString::fromUtf8(line))) << line;
  }
  // English for every other language, French for the game's own.
  const auto value = [&](const char* key) {
    const QString prefix = QString::fromUtf8(key) + QLatin1Char('=');
    const auto line = std::find_if(lines.begin(), lines.end(),
                                   [&](const QString& l) { return l.startsWith(prefix); });
    return line == lines.end() ? QString() : line->mid(prefix.size());
  };
  EXPECT_TRUE(value("Comment[fr]").contains(QStringLiteral("réserve")));
  EXPECT_TRUE(value("Comment").contains(QStringLiteral("reserve")));
  EXPECT_EQ(value("GenericName[fr]"), QStringLiteral("Jeu de lettres"));
  EXPECT_TRUE(value("Keywords").contains(QStringLiteral("letters;")));
  EXPECT_TRUE(value("Keywords[fr]").contains(QStringLiteral("lettres;")));
}

}  // namespace
}  // namespace vorlane
