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


app = find_application(30)
if app is None:
    print("SKIP: the window did not appear on the accessibility bus")
    sys.exit(77)
found, unnamed = [], []
for i in range(app.childCount):
    walk(app.getChildAtIndex(i), 1, found, unnamed)
print("%d interactive objects" % len(found))
for line in unnamed:
    print("unnamed: " + line)
if len(found) < 10:
    print("too few interactive objects: the tree was not read")
    sys.exit(1)
sys.exit(1 if unnamed else 0)
