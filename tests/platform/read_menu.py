# Lists the applications menu as a freedesktop menu reader (python3-xdg) builds it from
# the XDG folders of the environment: one line per submenu, "[name]", and per entry, its
# name, indented by depth.
import xdg.Menu


def walk(menu, depth):
    for entry in menu.getEntries():
        if isinstance(entry, xdg.Menu.Menu):
            print("  " * depth + "[" + entry.getName() + "]")
            walk(entry, depth + 1)
        elif isinstance(entry, xdg.Menu.MenuEntry):
            print("  " * depth + entry.DesktopEntry.getName())


walk(xdg.Menu.parse(), 0)
