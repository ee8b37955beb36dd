#!/usr/bin/env python3
"""Reads the designer over the accessibility bus as a screen reader does: every control
has a name of its own, the strip's cells say place, picture and selection. Prints what it
heard; the exit status counts the faults."""
import sys
import time

import pyatspi

OPERABLE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_SLIDER,
    pyatspi.ROLE_SPIN_BUTTON, pyatspi.ROLE_TEXT, pyatspi.ROLE_ENTRY, pyatspi.ROLE_LIST,
    pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL,
}


def find_app(name, seconds):
    end = time.time() + seconds
    while time.time() < end:
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.name == name and app.childCount > 0:
                return app
        time.sleep(0.5)
    return None


def spoken_name(node):
    """The name a screen reader speaks: the control's own, or its label's."""
    name = node.name or ""
    if node.getRole() == pyatspi.ROLE_COMBO_BOX:
        for relation in node.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                return relation.getTarget(0).name
        return ""
    return name


def walk(node, depth, faults, names, heard):
    if node is None:
        return
    states = node.getState()
    if not states.contains(pyatspi.STATE_SHOWING):
        return
    role = node.getRole()
    name = spoken_name(node)
    selected = " (selected)" if states.contains(pyatspi.STATE_SELECTED) else ""
    heard.append("%s%s: %s%s" % ("  " * depth, node.getRoleName(), name, selected))
    if role in OPERABLE:
        if not name.strip():
            faults.append("a %s has no name" % node.getRoleName())
        elif role not in (pyatspi.ROLE_LIST_ITEM, pyatspi.ROLE_TABLE_CELL):
            names[name] = names.get(name, 0) + 1
            if names[name] == 2:
                faults.append("two controls are named %r" % name)
    if role == pyatspi.ROLE_COMBO_BOX:
        return  # its list is a popup of its own
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, faults, names, heard)


def select_second(strip):
    try:
        return strip.querySelection().selectChild(1)
    except NotImplementedError:  # older bridges offer only the table's row selection
        return strip.queryTable().addRowSelection(1)


def main():
    app = find_app(sys.argv[1], float(sys.argv[2]))
    if app is None:
        print("the program never appeared on the accessibility bus")
        return 1
    faults = []
    # Select the second slide as a screen reader user can, through the list itself.
    strip = pyatspi.findDescendant(app, lambda n: n.getRole() == pyatspi.ROLE_LIST)
    if strip is None or not select_second(strip):
        faults.append("the strip's slides cannot be selected over the bus")
    time.sleep(0.5)
    names, heard = {}, []
    for i in range(app.childCount):
        walk(app.getChildAtIndex(i), 0, faults, names, heard)
    print("\n".join(heard))
    for wanted in ("Move left", "Move right", "Delete", "Duplicate", "Insert blank", "Speed",
                   "Seconds", "Slideshow sequence", "Change background colour", "Change sound"):
        if wanted not in names:
            faults.append("no control is named %r" % wanted)
    cells = [line.strip() for line in heard if ": Slide " in line]
    if (len(cells) != 3 or not cells[1].endswith("(selected)") or "2 of 3" not in cells[1]
            or cells[0].endswith("(selected)")):
        faults.append("the strip says %r" % cells)
    for fault in faults:
        print("FAULT", fault)
    return min(len(faults), 100)


if __name__ == "__main__":
    sys.exit(main())
