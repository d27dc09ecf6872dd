#!/usr/bin/env python3
# Lists the interactive objects of the running Pressmark window that have no accessible name, as
# a screen reader reads them over AT-SPI. Exit 0 when there are none, 1 when there are, 77 when
# the window never appeared on the accessibility bus (the test then skips).
import sys
import time

try:
    import pyatspi
except ImportError:
    print("SKIP: python3-pyatspi is not installed")
    sys.exit(77)

INTERACTIVE = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_CHECK_BOX,
    pyatspi.ROLE_RADIO_BUTTON, pyatspi.ROLE_SLIDER, pyatspi.ROLE_SPIN_BUTTON,
    pyatspi.ROLE_COMBO_BOX, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT,
}


def find_application(seconds):
    deadline = time.time() + seconds
    while time.time() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name.lower().startswith("pressmark") and app.childCount > 0:
                return app
        time.sleep(0.5)
    return None


def walk(node, depth, found, unnamed):
    if node is None or depth > 60:
        return
    role = node.getRole()
    states = node.getState()
    editable_or_not_text = role != pyatspi.ROLE_TEXT or states.contains(pyatspi.STATE_EDITABLE)
    if role in INTERACTIVE and editable_or_not_text and states.contains(pyatspi.STATE_SHOWING):
        found.append(node)
        if not (node.name or "").strip():
            unnamed.append("%s at depth %d (parent %r)" % (node.getRoleName(), depth,
                                                           node.parent.name if node.parent else ""))
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, found, unnamed)


def headers(node, depth, found):
    """The option sections' headers: the buttons named after a section."""
    if node is None or depth > 60:
        return
    if node.getRole() in (pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_TOGGLE_BUTTON) and node.name in SECTIONS:
        found[node.name] = node
    for i in range(node.childCount):
        headers(node.getChildAtIndex(i), depth + 1, found)


def read_tree(app):
    found, unnamed = [], []
    for i in range(app.childCount):
        walk(app.getChildAtIndex(i), 1, found, unnamed)
    return found, unnamed


SECTIONS = ["Title and size", "Logo", "Watermark", "Copyright lines"]

app = find_application(30)
if app is None:
    print("SKIP: the window did not appear on the accessibility bus")
    sys.exit(77)
found, unnamed = read_tree(app)
print("sections closed: %d interactive objects" % len(found))
if len(found) < 10:
    print("too few interactive objects: the tree was not read")
    sys.exit(1)
# Each section opened as a screen reader's user opens it (the header's action), then read again:
# the controls it shows must be named too.
failed = bool(unnamed)
for line in unnamed:
    print("unnamed (sections closed): " + line)
by_name = {}
for i in range(app.childCount):
    headers(app.getChildAtIndex(i), 1, by_name)
missing = [name for name in SECTIONS if name not in by_name]
if missing:
    print("section headers not found as buttons: %s" % ", ".join(missing))
    sys.exit(1)
for name in SECTIONS:
    header = by_name[name]
    action = header.queryAction()
    if action.nActions < 1:
        print("the header %r cannot be pressed" % name)
        sys.exit(1)
    action.doAction(0)
    time.sleep(1.0)
    opened, unnamed = read_tree(app)
    print("%s open: %d interactive objects" % (name, len(opened)))
    if len(opened) <= len(found):
        print("opening %r showed nothing new" % name)
        failed = True
    for line in unnamed:
        print("unnamed (%s open): %s" % (name, line))
    failed = failed or bool(unnamed)
sys.exit(1 if failed else 0)
