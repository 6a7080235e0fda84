"""What the player sees, read through the accessibility tree (AT-SPI) that Qt gives every
control: which windows are open, which controls are on screen (showing, of a real size,
inside the screen), their texts. A control created but never shown is not `showing`, and one
placed outside the screen has extents outside it: both are what the player cannot reach."""

import time

import pyatspi

APPLICATION = "Vorlane"


class ScreenError(AssertionError):
    pass


def wait_until(condition, timeout=8.0, what="the screen"):
    deadline = time.monotonic() + timeout
    last_error = None
    while time.monotonic() < deadline:
        try:
            result = condition()
            if result:
                return result
        except Exception as error:  # the tree changes under us while a window opens
            last_error = error
        time.sleep(0.05)
    raise ScreenError(f"gave up waiting for {what}" + (f" ({last_error})" if last_error else ""))


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        child = desktop.getChildAtIndex(index)
        if child is not None and child.name == APPLICATION:
            return child
    return None


def wait_for_application(timeout=15.0):
    return wait_until(application, timeout, "the game on the accessibility bus")


def descendants(accessible, depth=0):
    """Every object below `accessible`, depth first; menus and lists included."""
    if accessible is None or depth > 40:
        return
    yield accessible
    try:
        count = accessible.childCount
    except Exception:
        return
    for index in range(min(count, 500)):
        try:
            child = accessible.getChildAtIndex(index)
        except Exception:
            continue
        yield from descendants(child, depth + 1)


def application_children():
    app = application()
    if app is None:
        return []
    children = []
    for index in range(app.childCount):
        child = app.getChildAtIndex(index)
        if child is not None:
            children.append(child)
    return children


def windows():
    """The game's top-level windows that are on screen."""
    return [child for child in application_children() if is_showing(child)]


def window(title, timeout=8.0):
    """A window on screen by its title, or by a test of its title."""
    matches = title if callable(title) else (lambda name: name == title)
    return wait_until(lambda: next((w for w in windows() if matches(w.name)), None), timeout,
                      f'the window "{title}"')


def no_window(title, timeout=8.0):
    return wait_until(lambda: all(w.name != title for w in windows()), timeout,
                      f'the window "{title}" to close')


def states(accessible):
    return accessible.getState()


def is_showing(accessible):
    state = states(accessible)
    return state.contains(pyatspi.STATE_SHOWING) and state.contains(pyatspi.STATE_VISIBLE)


def extents(accessible):
    """The object's rectangle on the screen in the screen's own pixels: (x, y, w, h)."""
    box = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return box.x, box.y, box.width, box.height


def find(root, name=None, role=None, prefix=None):
    for accessible in descendants(root):
        if role is not None and accessible.getRole() != role:
            continue
        if name is not None and accessible.name != name:
            continue
        if prefix is not None and not (accessible.name or "").startswith(prefix):
            continue
        return accessible
    return None


def control(root, name=None, role=None, prefix=None, timeout=8.0):
    label = name or prefix or str(role)
    return wait_until(lambda: find(root, name, role, prefix), timeout, f'the control "{label}"')


def texts(root):
    """Every name, description and text the player can read in a window."""
    seen = []
    for accessible in descendants(root):
        try:
            if not is_showing(accessible):
                continue
            for value in (accessible.name, accessible.description):
                if value:
                    seen.append(value)
            try:
                text = accessible.queryText()
                seen.append(text.getText(0, text.characterCount))
            except NotImplementedError:
                pass
        except Exception:
            continue
    return seen


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def first_character_box(accessible):
    """Where the first character of a text box is drawn, on the screen."""
    box = accessible.queryText().getCharacterExtents(0, pyatspi.DESKTOP_COORDS)
    return tuple(box)
