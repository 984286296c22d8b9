"""Prints, as JSON, what a screen reader finds of the running program through the AT-SPI
accessibility bus: every object that is showing, with its role, name and whether it has
the keyboard focus. Run with the session bus of the program in the environment."""

import json
import sys

import pyatspi


def showing(obj):
    try:
        return obj.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(obj, depth, out):
    state = obj.getState()
    out.append({"role": obj.getRoleName(), "name": obj.name or "", "depth": depth,
                "focused": state.contains(pyatspi.STATE_FOCUSED)})
    for i in range(obj.childCount):
        child = obj.getChildAtIndex(i)
        if child is not None and showing(child):
            walk(child, depth + 1, out)


def main():
    app_name = sys.argv[1] if len(sys.argv) > 1 else "placeworks"
    desktop = pyatspi.Registry.getDesktop(0)
    out = []
    for i in range(desktop.childCount):
        app = desktop.getChildAtIndex(i)
        if app is not None and app.name == app_name:
            walk(app, 0, out)
    json.dump(out, sys.stdout)


if __name__ == "__main__":
    main()
