#include "game/TForm1TestFixture.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "app/IoErrorReport.h"
#include "controls/Tkeybt.h"
#include "platform/QtText.h"
#include "support/WordSetBuilder.h"

namespace vorlane::test {
namespace {

struct Word {
  const char* spelling;
  int level;
  int anagramClass;
  const char* definition;
};

// Record 0 is never part of an anagram chain: a word that sorts first takes it.
const Word kWords[] = {
    {"abaque", 1, -1, ""},
    {"aliens", 1, 0, "Venu d'un autre monde."},
    {"lianes", 0, 0,
     "Plante grimpante des forêts tropicales, dont les tiges souples s'accrochent aux arbres "
     "; les lianes du Brésil, longues de plusieurs dizaines de mètres."},
    {"salien", 1, 0, "Relatif aux Francs saliens."},
    {"saline", 3, 0, "Marais où l'on recueille le sel de la mer."},
    {"silane", 2, 0, "Composé de silicium et d'hydrogène."},
    {"tortue", 1, -1, ""},
    {"valise", 1, -1, ""},
    {"violon", 1, -1, ""},
};

void writeDataSet(const TempFolder& temp) {
  WordSetBuilder builder;
  for (const Word& word : kWords) {
    builder.word(word.spelling, static_cast<std::uint8_t>(word.level), word.anagramClass,
                 word.definition);
  }
  builder.writeComplete(temp.dataFolder());
}

}  // namespace

TForm1Test::TForm1Test() : noNetwork(temp.path() / "net") {
  writeDataSet(temp);
  std::filesystem::create_directories(noNetwork);
}

TForm1Test::~TForm1Test() {
  stop();
  setIoErrorReporter({});
}

void TForm1Test::start(bool writeProtected) {
  form = std::make_unique<TForm1>(
      TForm1::Surroundings{temp.path(), handOffWord, noNetwork, writeProtected, takesNoNewFile},
      sound);
  ASSERT_TRUE(form->dataFilesOk());
  scores =
      std::make_unique<TFormscore>(form->folder(), form.get(), form->engine().state().juniorClass);
  message = std::make_unique<TFormMessage>(form.get());
  about = std::make_unique<Tdlg>(form.get());
  form->attachWindows(scores.get(), message.get(), about.get());
  form->engine().setDrawSeeder([this](Random& random) { random.seed(seed++); });
  form->show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
}

void TForm1Test::stop() {
  about.reset();
  message.reset();
  scores.reset();
  form.reset();
}

void TForm1Test::answerNextMessage(const char* button, std::function<void()> look) {
  QTimer::singleShot(0, message.get(), [this, button, look] {
    ASSERT_TRUE(message->isVisible());
    if (look) look();
    QTest::mouseClick(message->findChild<QPushButton*>(button), Qt::LeftButton);
  });
}

void TForm1Test::pressEnter() { QTest::keyClick(form.get(), Qt::Key_Return); }

void TForm1Test::typeWord(const std::string& word) {
  QTest::keyClicks(form->keyb1(), QString::fromStdString(word));
}

int TForm1Test::rowOf(const std::string& word) const {
  const GameState& state = form->engine().state();
  for (int k = 1; k <= state.rowCount; ++k)
    if (state.rowWords[k - 1] == word) return k;
  return 0;
}

std::string TForm1Test::statusText() const { return fromQString(form->statusBar()->text()); }

}  // namespace vorlane::test
