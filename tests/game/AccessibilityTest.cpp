#include <QAccessible>
#include <QLabel>
#include <QTest>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

#include "controls/Tkey_in.h"
#include "game/TForm1TestFixture.h"
#include "platform/Announce.h"

namespace vorlane::test {
namespace {

class AccessibilityTest : public TForm1Test {
 protected:
  void SetUp() override {
    setAnnouncementWatcher([this](QObject* object, QAccessible::Event type) {
      announced.emplace_back(object, type);
    });
  }
  void TearDown() override { setAnnouncementWatcher({}); }

  bool wasAnnounced(QObject* object, QAccessible::Event type) const {
    return std::find(announced.begin(), announced.end(), std::pair{object, type}) !=
           announced.end();
  }

  // What assistive technology was told while the test ran.
  std::vector<std::pair<QObject*, QAccessible::Event>> announced;
};

QString roleName(QAccessible::Role role) {
  switch (role) {
    case QAccessible::Window: return QStringLiteral("fenêtre");
    case QAccessible::Client: return QStringLiteral("zone");
    case QAccessible::Button: return QStringLiteral("bouton");
    case QAccessible::RadioButton: return QStringLiteral("bouton radio");
    case QAccessible::Grouping: return QStringLiteral("groupe");
    case QAccessible::StaticText: return QStringLiteral("texte");
    case QAccessible::EditableText: return QStringLiteral("texte modifiable");
    case QAccessible::ComboBox: return QStringLiteral("liste déroulante");
    default: return QStringLiteral("rôle %1").arg(role);
  }
}

// Walks the visible part of the tree, depth first, printing each node as a screen reader
// meets it, and returns every node seen.
std::vector<QAccessibleInterface*> walk(QAccessibleInterface* node, int depth, QString& printed) {
  std::vector<QAccessibleInterface*> seen{node};
  QString line = QString(depth * 2, QLatin1Char(' ')) + roleName(node->role()) +
                 QStringLiteral(" « ") + node->text(QAccessible::Name) + QStringLiteral(" »");
  const QString value = node->text(QAccessible::Value);
  if (!value.isEmpty()) line += QStringLiteral(" valeur « ") + value + QStringLiteral(" »");
  printed += line + QLatin1Char('\n');
  for (int i = 0; i < node->childCount(); ++i) {
    QAccessibleInterface* child = node->child(i);
    if (!child || child->state().invisible) continue;
    const auto below = walk(child, depth + 1, printed);
    seen.insert(seen.end(), below.begin(), below.end());
  }
  return seen;
}

// A screen reader walks the main window during a draw: it finds the draw's letters, every
// control by its name and role, a found word, and was told of the find as it happened.
TEST_F(AccessibilityTest, TheMainWindowReadsTheDrawsLettersAndAFoundWord) {
  start();
  QString opening;
  walk(QAccessible::queryAccessibleInterface(form.get()), 0, opening);
  std::printf("%s\n", opening.toUtf8().constData());
  pressEnter();
  const std::string found = form->engine().state().rowWords[0];
  typeWord(found);

  QString tree;
  const auto nodes = walk(QAccessible::queryAccessibleInterface(form.get()), 0, tree);
  std::printf("%s", tree.toUtf8().constData());

  auto named = [&](const QString& name, QAccessible::Role role) -> QAccessibleInterface* {
    for (QAccessibleInterface* node : nodes) {
      if (node->role() == role && node->text(QAccessible::Name).startsWith(name)) return node;
    }
    return nullptr;
  };
  const QString letters = QString::fromStdString(form->engine().state().drawLetters);
  QAccessibleInterface* upper = named(QStringLiteral("Lettres du tirage"), QAccessible::EditableText);
  ASSERT_NE(upper, nullptr);
  EXPECT_EQ(upper->text(QAccessible::Value), letters);
  EXPECT_EQ(upper->text(QAccessible::Name), QStringLiteral("Lettres du tirage : ") + letters);
  QAccessibleInterface* word = named(QStringLiteral("Mot 1, trouvé"), QAccessible::StaticText);
  ASSERT_NE(word, nullptr);
  EXPECT_EQ(word->text(QAccessible::Value), QString::fromStdString(found));
  QAccessibleInterface* unfound = named(QStringLiteral("Mot 2 : "), QAccessible::StaticText);
  ASSERT_NE(unfound, nullptr);
  EXPECT_EQ(unfound->text(QAccessible::Value), QStringLiteral("______"));
  EXPECT_NE(named(QStringLiteral("Valeur du mot 1 : 66"), QAccessible::StaticText), nullptr);
  EXPECT_NE(named(QStringLiteral("Définition du mot 1"), QAccessible::Button), nullptr);
  EXPECT_NE(named(QStringLiteral("FIN !"), QAccessible::Button), nullptr);
  EXPECT_NE(named(QStringLiteral("réserve temps : "), QAccessible::StaticText), nullptr);
  EXPECT_NE(named(form->statusBar()->text(), QAccessible::StaticText), nullptr);
  EXPECT_TRUE(wasAnnounced(form->keybt(1), QAccessible::Alert));
  EXPECT_TRUE(wasAnnounced(form->keybt(1), QAccessible::NameChanged));
}

// A new level comes with the message window, which announces itself with its lines.
TEST_F(AccessibilityTest, ANewLevelIsAnnounced) {
  start();
  QString description;
  answerNextMessage("OK", [&] {
    description = QAccessible::queryAccessibleInterface(message.get())->text(QAccessible::Description);
  });
  message->showLevelUp("333", "2");
  EXPECT_TRUE(wasAnnounced(message.get(), QAccessible::Alert));
  EXPECT_EQ(description, QStringLiteral("Félicitations ! Vous avez dépassé 333 points. "
                                        "Vous passez au niveau 2."));
}

}  // namespace
}  // namespace vorlane::test
