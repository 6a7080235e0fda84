#!/usr/bin/env python3
"""The scenarios of the acceptance suite, run inside one desktop that acceptance.py started.
Each scenario starts the game from a fresh copy of the application folder, plays it with
real keys and clicks at screen positions, and reads the screen through the accessibility
tree. A failed check takes a screenshot beside the others."""

import argparse
import os
import shutil
import subprocess
import sys
import time
import traceback

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, HERE)

import pyatspi  # noqa: E402

import screen  # noqa: E402
from desktop import Game, attached_desktop  # noqa: E402
from screen import ScreenError, control, find, wait_until, window  # noqa: E402

# Captions of Qt's own dialogs and menus as they read when no French translation is
# loaded: none of them may appear in a window of the game.
ENGLISH_CAPTIONS = [
    "Basic colors", "Custom colors", "Pick Screen Color", "Add to Custom Colors", "Cancel",
    "Hue:", "Sat:", "Val:", "Red:", "Green:", "Blue:", "Alpha channel:", "HTML:",
    "Select Color", "Look in:", "Computer", "Name", "Size", "Date Modified",
    "Files of type:", "Directory:", "Back", "Forward", "Parent Directory", "Create New Folder",
    "List View", "Detail View", "Choose", "Open", "Save", "Yes", "No", "Help", "Close",
    "&Undo", "&Redo", "Cu&t", "&Copy", "&Paste", "Delete", "Select All", "Copy Link Location",
    "Show hidden files", "New Folder", "Rename", "Recent Places", "My Computer",
]

# The main window's popup menu, entry by entry, with the entries of its submenus.
MENU = [
    ("À propos...", None), ("Lisez-moi", None), ("Préférences", None), ("Scores", None),
    ("Raccourcis", [("Définition", None), ("Agrandir définition", None),
                    ("Première lettre", None)]),
    ("Divers...", [("Contacter l'auteur", [("Coordonnées", None),
                                           ("Courrier électronique", None)]),
                   ("Aller sur le site web pour mise à jour", None),
                   ("Réinstaller un raccourci dans le menu Démarrer", None)]),
    ("Quitter", None),
]
# The message window: caption "?", read out as "Message de Vorlane".
MESSAGE = "Message de Vorlane"
IO_ERROR = "Vorlane : erreur d'entrée/sortie"
SENIOR_SCORES = 11  # settings records of the Senior top six, rank 1 first
PREFERENCE_LINES = ["fenêtre", "fond", "police définitions", "dictionnaire"]
def is_main_title(name):
    """"Vorlane - Version 1.3", with the mode and the class between when they are not the
    default ones."""
    return name.startswith("Vorlane") and name.endswith(" - Version 1.3")


class Context:
    def __init__(self, args):
        self.desktop = attached_desktop()
        self.app = args.app
        self.answers = args.answers
        self.shots = args.screenshots
        self.label = self.desktop.label
        self.game = None
        self.factor = None  # screen pixels per accessible coordinate

    # --- the game --------------------------------------------------------------------------
    def start(self, name="game", started_before=True, arguments=(), prepare=None, wait=True):
        self.stop()
        game = Game(self.desktop, self.app, name)
        if started_before:
            game.mark_started_before()
        if prepare:
            prepare(game)
        self.game = game.start(*arguments)
        screen.wait_for_application()
        return self.main_window() if wait else None

    def restart(self):
        """The same copy of the game started again, as a player does the next day."""
        self.game.stop()
        wait_until(lambda: screen.application() is None, 10, "the game to end")
        self.game.start()
        screen.wait_for_application()
        return self.main_window()

    def stop(self):
        if self.game:
            self.game.stop()
            wait_until(lambda: screen.application() is None, 10, "the game to end")
            self.game = None

    def main_window(self):
        main = window(is_main_title, 15)
        self.calibrate(main)
        return main

    def calibrate(self, shown):
        """Accessible coordinates are the toolkit's; at scale 2 a screen pixel is half one.
        Read from the first window a scenario meets: the main window, or a report before it."""
        if self.factor is not None:
            return
        out = subprocess.run(["xdotool", "search", "--onlyvisible", "--name",
                              "^" + shown.name + "$", "getwindowgeometry", "--shell"],
                             env=self.desktop.env, capture_output=True, text=True).stdout
        geometry = dict(line.split("=", 1) for line in out.split() if "=" in line)
        _, _, width, _ = screen.extents(shown)
        self.factor = int(geometry.get("WIDTH", width)) / width if width else 1

    # --- input at what the player sees -----------------------------------------------------
    def centre(self, accessible):
        x, y, w, h = screen.extents(accessible)
        return (x + w / 2) * self.factor, (y + h / 2) * self.factor

    def click(self, accessible, button=1):
        self.assert_on_screen(accessible)
        self.desktop.click(*self.centre(accessible), button=button)

    def key(self, *keys):
        self.desktop.key(*keys)

    def type(self, text):
        self.desktop.type(text)

    def menu(self, main, *path):
        """A right click on the main window, then the entries walked with the arrow keys
        and Enter, as a player does with the keyboard. Qt does not put its popup menus on
        the accessibility bus, so the entries are found by their place in the menu."""
        x, y, w, h = screen.extents(main)
        self.desktop.click((x + w - 12) * self.factor, (y + 12) * self.factor, button=3)
        time.sleep(0.4)
        entries = MENU
        for depth, entry in enumerate(path):
            names = [name for name, _ in entries]
            self.key(*["Down"] * (names.index(entry) + 1))
            submenu = dict(entries)[entry]
            if submenu:
                self.key("Right")
                time.sleep(0.2)
                entries = submenu
            else:
                self.key("Return")

    # --- checks ------------------------------------------------------------------------------
    def screen_box(self):
        return 0, 0, self.desktop.width / self.factor, self.desktop.height / self.factor

    def assert_on_screen(self, accessible, what=None):
        what = what or f'"{accessible.name}"'
        if not screen.is_showing(accessible):
            raise ScreenError(f"{what} is not on screen")
        x, y, w, h = screen.extents(accessible)
        _, _, sw, sh = self.screen_box()
        if w <= 0 or h <= 0:
            raise ScreenError(f"{what} has no size ({w} x {h})")
        if x < 0 or y < 0 or x + w > sw + 0.5 or y + h > sh + 0.5:
            raise ScreenError(f"{what} lies outside the screen: {x},{y} {w}x{h} on {sw}x{sh}")

    def assert_controls(self, root, names, role=None):
        for name in names:
            self.assert_on_screen(control(root, name=name, role=role), f'"{name}" in "{root.name}"')

    def assert_french(self, root):
        english = [text for text in screen.texts(root)
                   if text.replace("&", "") in {c.replace("&", "") for c in ENGLISH_CAPTIONS}]
        if english:
            raise ScreenError(f'English in "{root.name}": {sorted(set(english))}')

    def shot(self, name):
        return self.desktop.screenshot(os.path.join(self.shots, f"{self.label}-{name}.png"))

    def status(self, main):
        bar = find(main, role=pyatspi.ROLE_LABEL, prefix=" ")
        return bar.name if bar else ""


def checked(accessible):
    return screen.states(accessible).contains(pyatspi.STATE_CHECKED)


def selected(accessible):
    return screen.states(accessible).contains(pyatspi.STATE_SELECTED)


def letters_of(accessible):
    """The letters a tile row shows: its accessible name reads "name : LETTERS"."""
    name = accessible.name
    return name.split(" : ", 1)[1] if " : " in name else ""


def choose_normal_senior(ctx, main):
    """A click on "Normal" and on "Senior", where they are not chosen yet."""
    for choice in ("Normal", "Senior"):
        button = control(main, name=choice)
        if not checked(button):
            ctx.click(button)
        wait_until(lambda: checked(button), 3, f'"{choice}" chosen')
    return ctx.main_window()


# --- the scenarios ---------------------------------------------------------------------------


def scenario_windows_show_every_control(ctx):
    main = ctx.start()
    ctx.assert_controls(main, ["MOT !", "Normal", "Entraînement", "Junior", "Senior"])
    ctx.assert_french(main)
    ctx.shot("main-window")

    ctx.menu(main, "Préférences")
    prefs = window("Préférences")
    ctx.assert_on_screen(prefs)
    listing = control(prefs, role=pyatspi.ROLE_LIST)
    ctx.assert_on_screen(listing, "the colour list")
    ctx.assert_controls(listing, PREFERENCE_LINES)
    ctx.assert_controls(prefs, ["Init", "OK"], pyatspi.ROLE_PUSH_BUTTON)
    expected_by_line = {
        "fenêtre": ["Définir une couleur", "Largeur maximum", "Toujours centrée"],
        "fond": ["Masquer le bureau"],
        "police définitions": ["Définir une couleur"],
        "dictionnaire": ["Sans noms propres"],
    }
    if ctx.screen_box()[2] > 640:
        expected_by_line["fenêtre"].append("Grande police")
    for line, names in expected_by_line.items():
        ctx.click(control(listing, name=line))
        wait_until(lambda: selected(control(listing, name=line)), 3, f'the line "{line}" selected')
        ctx.assert_controls(prefs, names)
        if line == "fenêtre":
            ctx.shot("preferences")
    ctx.assert_french(prefs)
    ctx.key("Return")
    screen.no_window("Préférences")

    ctx.menu(main, "Scores")
    scores = window(lambda name: name in ("Le top 6 senior", "Le top 6 junior"))
    other = "Top senior" if scores.name.endswith("junior") else "Top junior"
    ctx.assert_controls(scores, ["Effacer", "OK", other], pyatspi.ROLE_PUSH_BUTTON)
    for k in range(1, 7):
        ctx.assert_on_screen(control(scores, prefix=f"Nom {k}"), f"the name of row {k}")
    ctx.assert_french(scores)
    ctx.click(control(scores, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
    screen.no_window(scores.name)

    ctx.menu(main, "À propos...")
    about = window("À propos de Vorlane")
    ctx.assert_controls(about, ["OK", "Version 1.3"])
    ctx.click(control(about, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
    screen.no_window("À propos de Vorlane")

    ctx.key("F1")
    help_window = window("Aide de Vorlane")
    ctx.assert_on_screen(help_window)
    ctx.assert_french(help_window)
    ctx.key("Escape")

    main = ctx.main_window()
    choose_normal_senior(ctx, main)
    ctx.key("Return")
    keyboard = control(main, prefix="Lettres du tirage")
    wait_until(lambda: len(letters_of(keyboard).replace("_", "")) == 6, 5, "the draw's letters")
    # The composed word is empty until a letter is typed: showing, of no width yet.
    if not screen.is_showing(control(main, name="Mot composé")):
        raise ScreenError('"Mot composé" is not on screen during a draw')
    ctx.assert_on_screen(keyboard)
    ctx.assert_on_screen(control(main, prefix="Mot 1"))
    ctx.assert_on_screen(control(main, name="Obtenir une lettre"))
    ctx.shot("draw")
    ctx.key("ctrl+l")
    message = window(MESSAGE)
    ctx.assert_controls(message, ["OK", "Annuler"], pyatspi.ROLE_PUSH_BUTTON)
    ctx.assert_controls(message, ["Vous avez demandé une lettre."])
    ctx.click(control(message, name="Annuler", role=pyatspi.ROLE_PUSH_BUTTON))
    screen.no_window(MESSAGE)
    ctx.stop()


def answers(ctx, letters):
    out = subprocess.run([ctx.answers, ctx.game.folder, letters], capture_output=True, text=True,
                         check=True).stdout
    return out.split()


def rows(main):
    """The rows of the draw on screen, top to bottom: (accessible, letters shown)."""
    shown = []
    for k in range(1, 15):
        row = find(main, prefix=f"Mot {k}")
        if row is None or not screen.is_showing(row):
            break
        shown.append((row, letters_of(row)))
    return shown


def start_draw(ctx, main):
    ctx.key("Return")
    keyboard = control(main, prefix="Lettres du tirage")
    letters = wait_until(lambda: (lambda l: l if len(l) == 6 and "_" not in l else None)(
        letters_of(keyboard)), 5, "the draw's letters")
    return letters


def type_word(ctx, main, word):
    ctx.type(word.lower())
    time.sleep(0.3)


def number_in(text):
    digits = "".join(c for c in text if c.isdigit())
    return int(digits) if digits else None


def score_of(main):
    panel = find(main, prefix="score")
    return number_in(panel.name) if panel else None


def scenario_normal_game_to_its_end(ctx):
    """First start, welcome, a Normal game played by typing the answers, ended by the time
    reserve; the name entry with an accent and a Backspace; the score window, and the
    score still there at the next start."""
    def modest_table(game):
        # A first start on a copy whose Senior table holds modest scores, so that the points
        # of one word rank. The first start still lies ahead: the welcome shows.
        shutil.copyfile(os.path.join(game.data, "Nsco.666"), os.path.join(game.data, "Prefint.666"))
        for rank, points in enumerate((60, 50, 40, 30, 20, 10)):
            game.write_setting(SENIOR_SCORES + rank, points)

    main = ctx.start(started_before=False, prepare=modest_table)
    welcome = window(MESSAGE)
    ctx.assert_controls(welcome, ["Bienvenue et bon jeu !", "OK"])
    menu_box = control(welcome, name="Installer un raccourci dans le menu Démarrer.")
    readme_box = control(welcome, prefix="Afficher la rubrique")
    for box in (menu_box, readme_box):
        ctx.assert_on_screen(box)
        if checked(box):
            ctx.click(box)
            wait_until(lambda: not checked(box), 3, f'"{box.name}" unchecked')
    ctx.shot("welcome")
    ctx.click(control(welcome, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
    screen.no_window(MESSAGE)
    if any(w.name == "Aide de Vorlane" for w in screen.windows()):
        raise ScreenError("the read-me opened although its box was unchecked")
    main = choose_normal_senior(ctx, ctx.main_window())

    letters = start_draw(ctx, main)
    words = answers(ctx, letters)
    shown = {text for _, text in rows(main)}
    to_find = [w for w in words if w not in shown]
    if not to_find:
        raise ScreenError(f"no word to find for {letters}: {words}")
    wrong = next((letters[i:] + letters[:i] for i in range(1, 6)
                  if letters[i:] + letters[:i] not in words), None)
    keyboard = control(main, prefix="Lettres du tirage")
    if wrong:
        type_word(ctx, main, wrong)
        wait_until(lambda: ctx.status(main).endswith(" n'existe pas.") or
                   ctx.status(main).endswith(" n'est pas à trouver dans ce tirage."), 3,
                   f"the status to say {wrong} is not a word of the draw")
        # A word not found stays on the lower keyboard: Backspace takes its letters back.
        ctx.key(*["BackSpace"] * 6)
        wait_until(lambda: len(letters_of(keyboard).replace("_", "")) == 6, 3,
                   "the six letters back on the upper keyboard")
    type_word(ctx, main, to_find[0])
    wait_until(lambda: any(text == to_find[0] and "trouvé" in row.name for row, text in rows(main)),
               4, f"{to_find[0]} found")
    status = ctx.status(main)
    if "n'existe pas" in status or "pas à trouver" in status:
        raise ScreenError(f"after {to_find[0]} was found the status still reads {status!r}")
    if len(to_find) > 1:
        ctx.key("Return")  # FIN !: the draw ends, the unfound words show
    wait_until(lambda: all("_" not in text and text for _, text in rows(main)), 4,
               "every word of the ended draw shown")
    start_draw(ctx, main)
    ctx.key("ctrl+l")
    # Under 60 s of reserve a letter is free and asks for no confirmation.
    time.sleep(0.8)
    price = next((w for w in screen.windows() if w.name == MESSAGE), None)
    if price is not None:
        ctx.assert_controls(price, ["Vous avez demandé une lettre."])
        ctx.click(control(price, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
        screen.no_window(MESSAGE)
    # Nothing more is found: the reserve runs out.
    end = window(MESSAGE, 120)
    ctx.assert_controls(end, ["Félicitations ! Vous faites partie des six meilleurs.",
                              "Cliquez sur OK puis tapez votre nom."])
    final = number_in(control(end, prefix="Votre score est de ").name)
    ctx.click(control(end, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))

    scores = window("Le top 6 senior")
    entry = wait_until(lambda: next((a for a in screen.descendants(scores)
                                     if a.name.startswith("Votre nom") and screen.is_showing(a)), None),
                       5, "the name entry")
    ctx.type("HÉLÈNE")
    wait_until(lambda: letters_of(entry).startswith("HÉLÈNE"), 3, "HÉLÈNE in the name entry")
    ctx.key("BackSpace")
    wait_until(lambda: letters_of(entry).rstrip("_") == "HÉLÈN", 3,
               "the last letter gone after Backspace")
    ctx.type("E")
    wait_until(lambda: letters_of(entry).rstrip("_") == "HÉLÈNE", 3, "HÉLÈNE again")
    ctx.shot("name-entry")
    ctx.key("Return")  # "OK": the name is kept and the table closes
    screen.no_window("Le top 6 senior")
    assert_in_table(ctx, ctx.main_window(), "HÉLÈNE", final, "after the name entry")
    assert_in_table(ctx, ctx.restart(), "HÉLÈNE", final, "after a restart")


def assert_in_table(ctx, main, name, points, when):
    """The Senior table, opened from the menu, holds the name at the rank of its points."""
    ctx.menu(main, "Scores")
    scores = window("Le top 6 senior")
    ranks = [letters_of(control(scores, prefix=f"Nom {k}")).rstrip("_ ") for k in range(1, 7)]
    if name not in ranks or not any(str(points) == t.strip() for t in screen.texts(scores)):
        raise ScreenError(f"{when}: {name} and {points} points are not in the table: {ranks}, "
                          f"{screen.texts(scores)}")
    ctx.shot("scores")
    ctx.click(control(scores, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
    screen.no_window("Le top 6 senior")


def definition_boxes(main):
    boxes = []
    for k in range(1, 15):
        box = find(main, name=f"Texte de la définition du mot {k}")
        if box is not None and screen.is_showing(box) and screen.text_of(box).strip():
            boxes.append(box)
    return boxes


def assert_first_lines(ctx, main, when):
    """Every definition row shows the first line of its text, not a later one."""
    boxes = definition_boxes(main)
    for box in boxes:
        x, y, w, h = screen.extents(box)
        cx, cy, cw, ch = screen.first_character_box(box)
        if not (y - 1 <= cy and cy + ch <= y + h + 1 and x - 1 <= cx < x + w):
            text = screen.text_of(box)
            raise ScreenError(f'{when}: "{box.name}" does not show its first line '
                              f"(text {text[:40]!r}..., first letter at {cx},{cy} {cw}x{ch}, "
                              f"box {x},{y} {w}x{h})")
    return len(boxes)


def scenario_definition_rows_show_their_first_line(ctx):
    main = choose_normal_senior(ctx, ctx.start())
    start_draw(ctx, main)
    before = len(definition_boxes(main))
    ctx.key("ctrl+d")
    wait_until(lambda: len(definition_boxes(main)) > before, 3,
               "one Ctrl+D to show a new definition line")
    assert_first_lines(ctx, main, "after Ctrl+D")
    ctx.key("ctrl+l")
    # Under 60 s of reserve a letter is free and asks for no confirmation.
    time.sleep(0.8)
    price = next((w for w in screen.windows() if w.name == MESSAGE), None)
    if price is not None:
        ctx.click(control(price, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
        screen.no_window(MESSAGE)
    main = ctx.main_window()
    ctx.key("ctrl+d")
    time.sleep(0.3)
    assert_first_lines(ctx, main, "after a paid letter and a second definition")
    ctx.shot("definition-after-hint")
    # A relayout: "Grande police" switched while the rows show.
    ctx.menu(main, "Préférences")
    prefs = window("Préférences")
    listing = control(prefs, role=pyatspi.ROLE_LIST)
    ctx.click(control(listing, name="fenêtre"))
    large = find(prefs, name="Grande police")
    if large is not None and screen.is_showing(large):
        ctx.click(large)
        time.sleep(0.4)
    else:
        ctx.click(control(prefs, name="Largeur maximum"))
        time.sleep(0.4)
    ctx.key("Return")
    screen.no_window("Préférences")
    count = assert_first_lines(ctx, main, "after a relayout")
    if count < 2:
        raise ScreenError(f"only {count} definition rows show after two Ctrl+D")
    ctx.shot("definition-after-relayout")


def preference_client_origin(ctx, prefs):
    """The preferences' client area on the screen, found from the colour list at 152,8."""
    listing = control(prefs, role=pyatspi.ROLE_LIST)
    x, y, _, _ = screen.extents(listing)
    return x - 152, y - 8


def assert_background_is_no_task(ctx):
    """The background lies behind everything as the desktop does: a task list shows only
    the game's own window, never the background."""
    ids = subprocess.run(["xdotool", "search", "--onlyvisible", "--name", "^Form2$"],
                         env=ctx.desktop.env, capture_output=True, text=True).stdout.split()
    if not ids:
        raise ScreenError("the background window is not mapped")
    for window_id in ids:
        props = subprocess.run(["xprop", "-id", window_id, "_NET_WM_WINDOW_TYPE", "_NET_WM_STATE"],
                               env=ctx.desktop.env, capture_output=True, text=True).stdout
        if "_NET_WM_WINDOW_TYPE_DESKTOP" not in props and "_NET_WM_STATE_SKIP_TASKBAR" not in props:
            raise ScreenError(f"the background window is an ordinary task: {props.strip()}")


def assert_background_tiled(ctx):
    """The background shows its pattern: the tiles give its bottom-left corner more than one
    colour, where a background without its picture is a plain grey."""
    side = 48
    top = min(ctx.desktop.height, 1000 * ctx.factor) - side
    shot = ctx.shot("background")
    colours = subprocess.run(["identify", "-format", "%k", f"{shot}[{side}x{side}+0+{top}]"],
                             capture_output=True, text=True, check=True).stdout
    if int(colours) < 2:
        raise ScreenError("the background shows no pattern, one plain colour")


def scenario_every_preference_survives_a_restart(ctx):
    def damaged_colours(game):
        with open(os.path.join(game.data, "color.ini"), "wb") as colours:
            colours.write(b"\x80\x80\x00\x00\x80\x80\x00\x00")

    ctx.start(prepare=damaged_colours, wait=False)
    # The damaged colour file is reported; the game goes on, and its end writes it whole.
    report = window(IO_ERROR)
    ctx.calibrate(report)
    if not any("color.ini" in text for text in screen.texts(report)):
        raise ScreenError(f"the error report does not name color.ini: {screen.texts(report)}")
    ctx.click(control(report, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
    main = ctx.main_window()
    ctx.menu(main, "Préférences")
    prefs = window("Préférences")
    listing = control(prefs, role=pyatspi.ROLE_LIST)
    ctx.click(control(listing, name="fenêtre"))
    boxes = ["Largeur maximum", "Toujours centrée"]
    if ctx.screen_box()[2] > 640:
        boxes.append("Grande police")
    chosen = {}
    for name in boxes:
        box = control(prefs, name=name)
        before = checked(box)
        ctx.click(box)
        wait_until(lambda: checked(box) != before, 3, f'"{name}" switched')
        chosen[name] = not before
    ctx.click(control(listing, name="fond"))
    hide_desktop = control(prefs, name="Masquer le bureau")
    if not checked(hide_desktop):
        ctx.click(hide_desktop)
    wait_until(lambda: checked(hide_desktop), 3, '"Masquer le bureau" checked')
    window("Form2")
    assert_background_is_no_task(ctx)
    prefs = window("Préférences")
    left, top = preference_client_origin(ctx, prefs)
    # The thumbnail of the eleventh pattern: row 2, column 1 of the grid at 8,50.
    ctx.desktop.click((left + 8 + 20 * 1 + 10) * ctx.factor, (top + 50 + 20 * 2 + 10) * ctx.factor)
    time.sleep(0.3)
    ctx.click(control(listing, name="dictionnaire"))
    proper = control(prefs, name="Sans noms propres")
    before_proper = checked(proper)
    ctx.click(proper)
    wait_until(lambda: checked(proper) != before_proper, 3, '"Sans noms propres" switched')
    ctx.shot("preferences-changed")
    ctx.key("Return")
    screen.no_window("Préférences")

    main = ctx.main_window()
    ctx.key("ctrl+q")
    ask = window(MESSAGE)
    ctx.assert_controls(ask, ["Voulez-vous réellement quitter Vorlane ?"])
    ctx.click(control(ask, name="OK", role=pyatspi.ROLE_PUSH_BUTTON))
    ctx.game.process.wait(timeout=10)
    size = os.path.getsize(os.path.join(ctx.game.data, "color.ini"))
    if size != 16:
        raise ScreenError(f"the damaged colour file was not written again at the end ({size} bytes)")

    ctx.game.start()
    screen.wait_for_application()
    main = ctx.main_window()
    window("Form2")
    time.sleep(0.5)
    assert_background_tiled(ctx)
    if any(w.name == IO_ERROR for w in screen.windows()):
        raise ScreenError("the colour file is reported damaged again after an end wrote it")
    ctx.menu(main, "Préférences")
    prefs = window("Préférences")
    listing = control(prefs, role=pyatspi.ROLE_LIST)
    wait_until(lambda: selected(control(listing, name="dictionnaire")), 3,
               'the list back on "dictionnaire"')
    if checked(control(prefs, name="Sans noms propres")) == before_proper:
        raise ScreenError('"Sans noms propres" is not back as chosen')
    ctx.click(control(listing, name="fenêtre"))
    for name, state in chosen.items():
        box = control(prefs, name=name)
        ctx.assert_on_screen(box)
        if checked(box) != state:
            raise ScreenError(f'"{name}" is not back as chosen ({state})')
    ctx.click(control(listing, name="fond"))
    if not checked(control(prefs, name="Masquer le bureau")):
        raise ScreenError('"Masquer le bureau" is not back as chosen')
    ctx.shot("preferences-after-restart")


def scenario_colour_dialog_speaks_french(ctx):
    main = ctx.start()
    ctx.menu(main, "Préférences")
    prefs = window("Préférences")
    ctx.click(control(listing_of(prefs), name="fenêtre"))
    ctx.click(control(prefs, name="Définir une couleur"))
    dialog = window("Couleur")
    ctx.assert_on_screen(dialog)
    ctx.assert_french(dialog)
    ctx.assert_controls(dialog, ["OK", "Annuler"], pyatspi.ROLE_PUSH_BUTTON)
    ctx.shot("colour-dialog")
    ctx.click(control(dialog, name="Annuler", role=pyatspi.ROLE_PUSH_BUTTON))
    screen.no_window("Couleur")


def enabled(accessible):
    return screen.states(accessible).contains(pyatspi.STATE_ENABLED)


def scenario_installer_pages_and_folder_dialog(ctx):
    """A read-only copy unpacked under the home, as from the package: the installer's pages,
    its folder dialog in French, a failed copy whose folder leaves the caption with its page,
    and an update search that never offers the copy itself nor lets "Mettre à jour" loose on
    the folder where it stopped."""
    # A plain file where the copy's data folder must go: the copy fails.
    target = os.path.join(ctx.desktop.env["HOME"], "Vorlane")
    os.makedirs(target, exist_ok=True)
    with open(os.path.join(target, "Zari666"), "w") as plain:
        plain.write("not a folder\n")
    try:
        installer_pages(ctx, target)
    finally:
        shutil.rmtree(target, ignore_errors=True)


def button(root, name):
    return control(root, name=name, role=pyatspi.ROLE_PUSH_BUTTON)


def installer_pages(ctx, failed_target):
    ctx.start(name="unpacked/usr/lib/games/vorlane")
    installer = window("Bienvenue !", 10)
    ctx.assert_controls(installer, ["Mettre à jour", "Installer", "Plus tard"],
                        pyatspi.ROLE_PUSH_BUTTON)
    ctx.assert_french(installer)
    ctx.shot("installer-welcome")
    ctx.click(button(installer, "Installer"))
    page = window("Installation dans")
    ctx.assert_controls(page, ["Retour", "Installer", "Annuler"], pyatspi.ROLE_PUSH_BUTTON)
    ctx.click(button(page, "..."))
    folders = window("Choisissez un répertoire")
    ctx.assert_controls(folders, ["Choisir", "Annuler"], pyatspi.ROLE_PUSH_BUTTON)
    ctx.assert_french(folders)
    ctx.shot("folder-dialog")
    ctx.click(button(folders, "Annuler"))
    screen.no_window("Choisissez un répertoire")

    page = window("Installation dans")
    ctx.click(button(page, "Installer"))
    failure = window(lambda name: name == "Vorlane", 10)
    ctx.assert_controls(failure, ["Echec de l'installation."])
    ctx.click(button(failure, "OK"))
    # What the failed copy left is no earlier copy for the search below.
    shutil.rmtree(failed_target)
    page = window(lambda name: name.startswith("Installation dans"))
    ctx.click(button(page, "Retour"))
    installer = window(lambda name: name.startswith("Bienvenue !"))
    if installer.name != "Bienvenue !":
        raise ScreenError(f"the welcome page keeps the failed copy's folder: {installer.name!r}")

    ctx.click(button(installer, "Mettre à jour"))
    result = window("Mise à jour dans", 20)
    own = os.path.realpath(ctx.game.folder)
    for text in screen.texts(result):
        if own in text or own.replace("/", "\\") in text:
            raise ScreenError(f"the update search offers the running copy itself: {text!r}")
    if any("contient une précédente version" in t for t in screen.texts(result)):
        raise ScreenError("the update search found an earlier copy where there is none but itself")
    if enabled(button(result, "Mettre à jour")):
        raise ScreenError('"Mettre à jour" is enabled after a search that found nothing')
    # The window activated again (the folder dialog closed) keeps it disabled.
    ctx.click(button(result, "..."))
    ctx.click(button(window("Choisissez un répertoire"), "Annuler"))
    screen.no_window("Choisissez un répertoire")
    result = window(lambda name: name.startswith("Mise à jour dans"))
    time.sleep(0.3)
    if enabled(button(result, "Mettre à jour")):
        raise ScreenError('"Mettre à jour" is enabled again when the installer is activated')


def listing_of(prefs):
    return control(prefs, role=pyatspi.ROLE_LIST)


SCENARIOS = [scenario_windows_show_every_control, scenario_normal_game_to_its_end,
             scenario_definition_rows_show_their_first_line,
             scenario_every_preference_survives_a_restart, scenario_colour_dialog_speaks_french,
             scenario_installer_pages_and_folder_dialog]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--app", required=True)
    parser.add_argument("--answers", required=True)
    parser.add_argument("--screenshots", required=True)
    parser.add_argument("--scenarios", help="the scenarios to run, by name, comma-separated")
    parser.add_argument("--only")
    args = parser.parse_args()
    wanted = args.scenarios.split(",") if args.scenarios else None
    ctx = Context(args)
    failures = 0
    for scenario in SCENARIOS:
        name = scenario.__name__[len("scenario_"):]
        if (wanted and name not in wanted) or (args.only and args.only not in name):
            continue
        started = time.monotonic()
        try:
            try:
                scenario(ctx)
            except ScreenError as first:
                # A busy machine can miss one event: a scenario gets a second, fresh try.
                print(f"  again {name}: {first}", flush=True)
                ctx.stop()
                scenario(ctx)
            print(f"  ok   {name} ({time.monotonic() - started:.1f} s)", flush=True)
        except Exception as error:
            failures += 1
            print(f"  FAIL {name}: {error}", flush=True)
            traceback.print_exc()
            try:
                print("       screenshot: " + ctx.shot("FAILED-" + name), flush=True)
            except Exception:
                pass
        finally:
            try:
                ctx.stop()
            except Exception:
                pass
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
