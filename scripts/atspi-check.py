#!/usr/bin/env python3
"""Reads the running main window over the desktop's accessibility bus, as a
screen reader does, and fails on a control without a name of its own.
With --results (a reading on screen) it reads the results panel instead and
checks the chart: a list of the nine bodies, the chosen one selected, each
item chosen by a screen reader's action.

Run inside scripts/atspi-check.sh (Xvfb, a private D-Bus session and the
accessibility bus). A combo box counts as named by its label relation only,
and a name borrowed from the group box ("Personal Details") does not count.
With --hindi (the program started with LANG=hi_IN.UTF-8) every control's
name must be written in Devanagari, and the chart is read in Hindi.
"""
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

NEEDS_NAME = {
    Atspi.Role.TEXT, Atspi.Role.ENTRY, Atspi.Role.COMBO_BOX, Atspi.Role.LIST,
    Atspi.Role.PUSH_BUTTON, Atspi.Role.CHECK_BOX, Atspi.Role.RADIO_BUTTON,
}
GROUP_TITLES = ("Personal Details", "व्यक्तिगत विवरण")
HINDI = "--hindi" in sys.argv[1:]
CHART_NAME = "राशि चक्र" if HINDI else "Rashi chart"
# A body in the chart's list: "Moon in Thula, 19°27′", "चंद्र तुला में, 19°27′".
IN_SIGN = " में, " if HINDI else " in "


def devanagari(text):
    return any("\u0900" <= c <= "\u097f" for c in text)


def find_program(name, seconds):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        desktop = Atspi.get_desktop(0)
        for i in range(desktop.get_child_count()):
            app = desktop.get_child_at_index(i)
            if app is not None and name.lower() in (app.get_name() or "").lower():
                return app
        time.sleep(0.25)
    return None


def label_names(node):
    names = []
    for relation in node.get_relation_set() or []:
        if relation.get_relation_type() != Atspi.RelationType.LABELLED_BY:
            continue
        for i in range(relation.get_n_targets()):
            target = relation.get_target(i)
            if target.get_role() in (Atspi.Role.LABEL, Atspi.Role.STATIC):
                names.append(target.get_name() or "")
    return [n for n in names if n]


def own_name(node):
    role = node.get_role()
    name = node.get_name() or ""
    if role == Atspi.Role.COMBO_BOX:
        # Qt names a combo box by its current text; the label relation counts.
        return (label_names(node) or [""])[0]
    if name and name not in GROUP_TITLES:
        return name
    return (label_names(node) or [""])[0]


def walk(node, found):
    try:
        role = node.get_role()
        states = node.get_state_set()
    except Exception:  # a node that went away while being read
        return
    if role in NEEDS_NAME and states.contains(Atspi.StateType.SHOWING):
        found.append((role, node.get_name() or "", own_name(node)))
    if role == Atspi.Role.COMBO_BOX:
        return  # its popup list is named by the box
    for i in range(node.get_child_count()):
        child = node.get_child_at_index(i)
        if child is not None:
            walk(child, found)


def find_chart(node):
    try:
        if node.get_role() == Atspi.Role.LIST and node.get_name() == CHART_NAME:
            return node
        for i in range(node.get_child_count()):
            child = node.get_child_at_index(i)
            found = find_chart(child) if child is not None else None
            if found is not None:
                return found
    except Exception:
        pass
    return None


def check_chart(app):
    """The problems found with the chart's list of bodies."""
    chart = find_chart(app)
    if chart is None:
        return [f"no list named {CHART_NAME!r}"]
    items = [chart.get_child_at_index(i) for i in range(chart.get_child_count())]
    names = [item.get_name() or "" for item in items]
    problems = []
    if len(items) != 9 or any(IN_SIGN not in name for name in names):
        problems.append(f"the chart lists {names!r}, not the nine bodies in their signs")
        return problems
    for body in (2, 6):
        items[body].do_action(0)
        time.sleep(0.3)
        selected = [i for i, item in enumerate(items)
                    if item.get_state_set().contains(Atspi.StateType.SELECTED)]
        description = chart.get_description() or ""
        body_name = names[body].split(" ")[0] + " "
        if selected != [body] or not description.startswith(body_name):
            problems.append(f"after choosing {names[body]!r}: selected {selected}, chart says {description!r}")
    print(f"atspi-check: the chart lists {len(items)} bodies, first {names[0]!r}")
    return problems


def main():
    results = "--results" in sys.argv[1:]
    args = [a for a in sys.argv[1:] if a not in ("--results", "--hindi")]
    app = find_program(args[0] if args else "Rashi Drishti", 30)
    if app is None:
        desktop = Atspi.get_desktop(0)
        seen = [desktop.get_child_at_index(i).get_name() for i in range(desktop.get_child_count())]
        print(f"atspi-check: the program did not appear on the accessibility bus (there: {seen})")
        return 1
    time.sleep(1.0)
    found = []
    walk(app, found)
    unnamed = [(r, n) for r, n, own in found if not own]
    for role, name in unnamed:
        print(f"unnamed: {role.value_nick} (reads as {name!r})")
    if HINDI:
        english = [(r, own) for r, n, own in found if own and not devanagari(own)]
        for role, name in english:
            print(f"not in Hindi: {role.value_nick} named {name!r}")
        unnamed += english
    print(f"atspi-check: {len(found)} controls, {len(unnamed)} without a name of their own")
    if results:
        problems = check_chart(app)
        for problem in problems:
            print(f"atspi-check: {problem}")
        return 1 if unnamed or problems else 0
    if len(found) < 20:
        print("atspi-check: fewer controls than the input panel has; the window was not read")
        return 1
    return 1 if unnamed else 0


if __name__ == "__main__":
    sys.exit(main())
