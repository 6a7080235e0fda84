#include "data/TextCodec.h"
#include "game/GameTestSupport.h"

namespace vorlane::test {
namespace {

class StatusTextTest : public GameTest {
 protected:
  void SetUp() override {
    load(aliensSet());
    seed = kAliensSeed;
  }
  std::string help(const char* name) {
    engine().showHelpText(name);
    return view().statusText;
  }
};

TEST_F(StatusTextTest, HelpTextsFollowWhatThePointerIsOverAndTheStateOfTheDraw) {
  const std::pair<const char*, const char*> texts[] = {
      {"Form1",
       " Clic sur MOT ! ou touche Entrée pour commencer. Bouton droit de la souris : accès au "
       "menu."},
      {"keyb2", " Cliquez sur la lettre ou tapez-la au clavier. (+ Touche efface)."},
      {"image1", " Clic ou Ctrl+D = définition, Ctrl+W = agrandir la définition."},
      {"ImageTETE", " Clic ou  Ctrl+L = obtenir une lettre."},
      {"compet", " 60 s capitalisables pour trouver au moins une anagramme par tirage."},
      {"entrain", " Réserve temps indicative. FIN ! toujours actif pour un nouveau tirage."},
      {"junior", " Au moins un mot courant parmi les anagrammes à trouver ; 3 niveaux de jeu."},
      {"senior", " 6 niveaux de jeu. Lettre demandée coûte 2 x plus cher."}};
  for (const auto& [name, text] : texts) EXPECT_EQ(help(name), toWin1252(text)) << name;
  // Over anything else the bar keeps what it shows.
  for (const char* other : {"", "Memo1", "keyb3", "Senior"})
    EXPECT_EQ(help(other), toWin1252(texts[7].second)) << other;

  engine().Button1Click();
  EXPECT_EQ(help("Form1"), toWin1252(" Bouton droit de la souris pour accéder au menu."));
  type("SALIEN");
  type("SALINE");
  EXPECT_EQ(help("Form1"),
            toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 132 points."));
  engine().Button1Click();
  EXPECT_EQ(help("Form1"),
            toWin1252(" MOT ! ou Entrée pour continuer. Gain mot courant : 132 points."));

  engine().showStatus("held");
  EXPECT_EQ(help("keyb1"), "held");
  engine().showStatus("");
  EXPECT_FALSE(state().statusLocked);
  EXPECT_EQ(help("ImageTETE"), " Clic ou  Ctrl+L = obtenir une lettre.");
}

// A press on the status bar or on a definition box gives the keys back to the letters: the
// upper keyboard during a draw, the first row before and after one.
TEST_F(StatusTextTest, APressOnTheBarGivesTheKeysBackToTheLetters) {
  ASSERT_EQ(view().focus, Focus::none);
  engine().Memo1MouseDown();
  EXPECT_EQ(view().focus, Focus::firstInputBox);
  engine().setTrainingMode(true);
  engine().Button1Click();
  engine().Memo1MouseDown();
  EXPECT_EQ(view().focus, Focus::upperKeyboard);
  engine().Button1Click();  // FIN !
  engine().Memo1MouseDown();
  EXPECT_EQ(view().focus, Focus::firstInputBox);
}

TEST_F(StatusTextTest, TheTitleNamesTheModeAndTheClass) {
  EXPECT_EQ(view().title, "Vorlane - Version 1.3");
  engine().setTrainingMode(true);
  engine().setJuniorClass(true);
  EXPECT_EQ(view().title, toWin1252("Vorlane - Entraînement - Junior - Version 1.3"));
  engine().setTrainingMode(false);
  EXPECT_EQ(view().title, "Vorlane - Junior - Version 1.3");
}

// The window's help text and the messages of a draw follow the game: nothing of a finished
// draw stays into the next one, and the gain shown is the gain of the moment.
TEST_F(StatusTextTest, StatusTextsOfAFinishedDrawDoNotStayIntoTheNextOne) {
  engine().setTrainingMode(true);
  engine().Button1Click();
  EXPECT_EQ(view().statusText,
            toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 0 points."));
  type("SALIEN");
  EXPECT_EQ(view().statusText,
            toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 66 points."));
  type("SALIEN");
  EXPECT_EQ(view().statusText, toWin1252(" SALIEN est déjà trouvé."));
  engine().Button1Click();  // FIN !
  EXPECT_EQ(view().statusText, toWin1252(" SALIEN est déjà trouvé."));  // held till the next draw

  engine().Button1Click();  // MOT !: a single-word draw
  EXPECT_FALSE(state().statusLocked);
  EXPECT_EQ(view().statusText,
            toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 0 points."));
  findAll();  // the draw ends with its only word
  EXPECT_FALSE(view().finVisible);
  EXPECT_EQ(view().statusText,
            toWin1252(" MOT ! ou Entrée pour continuer. Gain mot courant : 66 points."));

  engine().setTrainingMode(false);
  engine().Button1Click();  // Normal mode: FIN ! waits for a first word
  EXPECT_EQ(view().statusText, toWin1252(" Bouton droit de la souris pour accéder au menu."));
}

// The player types the letters as shown, takes them back with Backspace and finds the
// word: the message about the first try does not stay beside the found word.
TEST_F(StatusTextTest, AFoundWordClearsTheMessageOfAnEarlierTry) {
  engine().Button1Click();
  type("AEILNS");
  EXPECT_EQ(view().statusText, " AEILNS n'existe pas.");
  type(std::string(6, '\b'));
  EXPECT_EQ(view().keyb2.row.text(), "");
  EXPECT_EQ(view().statusText, " AEILNS n'existe pas.");  // until something else is shown
  type("SALIEN");
  EXPECT_EQ(row(1).inputColour, kRed);
  EXPECT_EQ(view().statusText, "");
  EXPECT_FALSE(state().statusLocked);
  EXPECT_EQ(help("Form1"),
            toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 66 points."));

  // A help text on show when the word is found stays, with the new gain.
  type("SALINE");
  EXPECT_EQ(view().statusText,
            toWin1252(" FIN ! ou Entrée pour un autre mot. Gain mot courant : 132 points."));
  type("SALINE");
  EXPECT_EQ(view().statusText, toWin1252(" SALINE est déjà trouvé."));
}

}  // namespace
}  // namespace vorlane::test
