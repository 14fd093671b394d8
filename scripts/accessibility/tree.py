# Prints the AT-SPI tree of the running Quantaro as a screen reader sees it: role, name,
# description, text and relations of every object. With "--events", it listens for description
# changes while the command given after it runs, and prints them instead.
import subprocess
import sys
import threading

import pyatspi


def describe(acc, depth):
    line = "%s[%s] name=%r" % ("  " * depth, acc.getRoleName(), acc.name)
    if acc.description:
        line += " description=%r" % acc.description
    try:
        text = acc.queryText().getText(0, -1)
    except NotImplementedError:
        text = ""
    if text:
        line += " text=%r" % text
    relations = [
        "%s -> %s" % (relation.getRelationType().value_nick,
                      ", ".join(relation.getTarget(i).name for i in range(relation.getNTargets())))
        for relation in acc.getRelationSet()
    ]
    if relations:
        line += " relations={%s}" % "; ".join(relations)
    state = acc.getState()
    marks = [name for name, flag in (("focusable", pyatspi.STATE_FOCUSABLE),
                                     ("focused", pyatspi.STATE_FOCUSED),
                                     ("selected", pyatspi.STATE_SELECTED)) if state.contains(flag)]
    if marks:
        line += " (" + ", ".join(marks) + ")"
    print(line)
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            describe(child, depth + 1)


def listen(command):
    heard = []

    def changed(event):
        heard.append("%s on %r: %r" % (event.type, event.source.name, event.source.description))

    def act():
        subprocess.run(command, check=True)
        pyatspi.Registry.stop()

    pyatspi.Registry.registerEventListener(changed, "object:property-change:accessible-description")
    threading.Thread(target=act).start()
    pyatspi.Registry.start()
    print("\n".join(heard) or "no description changes")


if len(sys.argv) > 2 and sys.argv[1] == "--events":
    listen(sys.argv[2:])
else:
    for app in pyatspi.Registry.getDesktop(0):
        if app is not None and app.name == "Quantaro":
            describe(app, 0)
