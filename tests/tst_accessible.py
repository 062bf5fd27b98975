# The window as a screen reader meets it, over a real AT-SPI bus (run under a private X server
# and dbus-run-session): every element in the order on screen, each label before its field,
# fields found by their labels, typed into, Calculate pressed by its action, the results
# labelled, the warning alert closed by its OK button.
#   tst_accessible.py PROGRAM
import os
import subprocess
import sys
import time

try:
    import pyatspi
    from gi.repository import GLib
except ImportError:
    print("skipped: no python3-pyatspi here (scripts/install-deps test installs it)")
    sys.exit(1 if os.environ.get("CI") == "true" else 77)


def wait_for(find, what):
    deadline = time.monotonic() + 30  # a loaded machine is slow to register the window
    error = None
    while time.monotonic() < deadline:
        # An object destroyed between being listed and being read (the alert closing under a
        # walk) answers "No such object path": that walk is simply done again.
        try:
            found = find()
        except GLib.Error as e:
            found, error = None, e
        if found:
            return found
        time.sleep(0.05)
    sys.exit(f"not found: {what}" + (f" (last error: {error})" if error else "")
             + (f"\nread instead: {seen}" if seen else ""))


def nodes(root):
    yield root
    for child in (root.getChildAtIndex(i) for i in range(root.childCount)):
        if child is not None:  # a window closing leaves gaps
            yield from nodes(child)


# The object that the label with this text labels.
def labelled(app, label):
    for node in nodes(app):
        if node.getRole() == pyatspi.ROLE_LABEL and node.name == label:
            for relation in node.getRelationSet():
                if relation.getRelationType() == pyatspi.RELATION_LABEL_FOR:
                    return relation.getTarget(0)
    return None


def named(app, role, name):
    return next((n for n in nodes(app) if n.getRole() == role and n.name == name), None)


def press(app, name):
    named(app, pyatspi.ROLE_PUSH_BUTTON, name).queryAction().doAction(0)


# The window in the order a screen reader walks it, from the list that the Windows test reads too.
window = [line.rstrip("\n").split("\t") for line in
          open(os.path.join(os.path.dirname(__file__), "accessible-window.txt")) if line[0] != "#"]
# AT-SPI's roles by their numbers: their names change between releases ("push button", "button").
roles = {"label": pyatspi.ROLE_LABEL, "image": pyatspi.ROLE_IMAGE, "field": pyatspi.ROLE_TEXT,
         "result": pyatspi.ROLE_LABEL, "button": pyatspi.ROLE_PUSH_BUTTON}


seen = []  # what the window last read, for a failure to show


# Whether each element reads its role and name in the list's order, a result named by its value
# once calculated (by its label before) and labelled by its label.
def reads(app, calculated):
    said = [(roles[kind], value[0] if kind == "result" and calculated else name)
            for kind, name, *value in window]
    seen[:] = [(n.getRole(), n.name) for n in nodes(app.getChildAtIndex(0))][1:]
    return seen == said and all(
        labelled(app, row[1]).name == name for row, (_, name) in zip(window, said)
        if row[0] == "result")


# The registry first: Qt 5 announces itself once, at start, and is lost on a bus without it.
desktop = pyatspi.Registry.getDesktop(0)
env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
program = subprocess.Popen([sys.argv[1]], env=env)
try:
    app = wait_for(lambda: next((a for a in desktop if a and a.name == "pelmora"), None), "app")
    wait_for(lambda: reads(app, False), "the window in order, the results empty")
    for kind, label, *typed in window:
        if kind == "field":
            labelled(app, label).queryEditableText().setTextContents(typed[0])
            assert labelled(app, label).queryText().getText(0, -1) == typed[0], label
    press(app, "Calculate")
    wait_for(lambda: reads(app, True), "the window in order, 218 / 2 / 436 / 5232 calculated")

    labelled(app, "Tree Spacing Within Rows (ft):").queryEditableText().setTextContents("0")
    press(app, "Calculate")
    alert = wait_for(lambda: named(app, pyatspi.ROLE_ALERT, "Invalid Input"), "the alert")
    assert named(alert, pyatspi.ROLE_LABEL, "The tree spacing you entered is not valid")
    press(alert, "OK")
    wait_for(lambda: not named(app, pyatspi.ROLE_ALERT, "Invalid Input"), "the alert closed")
    print("accessible: the window in order, fields, typing, Calculate, the results, the alert")
finally:
    program.terminate()
    program.wait()
