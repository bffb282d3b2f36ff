#!/usr/bin/python3
"""The window as a screen reader finds it: starts the real program on its own display with
an accessibility bus, reads its AT-SPI tree and checks the names, descriptions and what is
left out. Run as: xvfb-run -a dbus-run-session -- atspi_tree.py PROGRAM"""
import os
import re
import subprocess
import sys
import time

import pyatspi

EXPECTED = {
    # role, name, description (None: any)
    ("tree", "Files to convert",
     "Drag and drop files here. Double-click item to remove it. Move | line to right and out "
     "of window to reveal full names."),
    ("progress bar", "Progress Bar", None),
    ("push button", "Add OGG File(s)", None),
    ("push button", "Add All OGG File(s) In Folder", None),
    ("push button", "Start Converting", None),
    ("push button", "Clear List", None),
    ("push button", "Load Sample/Example Files", None),
    ("push button", "Choose output folder", None),
    ("text", "Output folder", None),
    ("radio button", "Save results to this folder:", None),
    ("radio button", "Save results in folder of original file", None),
}


def walk(node, depth, seen):
    role, name, description = node.getRoleName(), node.name, node.description
    labels = [r.getTarget(0).name for r in node.getRelationSet()
              if r.getRelationType() == pyatspi.RELATION_LABELLED_BY]
    print("  " * depth + "%s %r%s%s" % (role, name, " (%s)" % description if description else "",
                                        " labelled by %r" % labels[0] if labels else ""))
    seen.append((role, name, description, labels))
    if role in ("tree", "combo box"):
        return
    for i in range(node.childCount):
        walk(node.getChildAtIndex(i), depth + 1, seen)


def main():
    # The window must reach the X server xvfb-run started, whatever platform the caller set
    # (CI often sets QT_QPA_PLATFORM=offscreen, where nothing reaches the accessibility bus).
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
               QT_QPA_PLATFORM="xcb")
    env.pop("WAYLAND_DISPLAY", None)
    program = subprocess.Popen([sys.argv[1]], env=env)
    try:
        app = None
        for _ in range(100):
            time.sleep(0.1)
            app = next((a for a in pyatspi.Registry.getDesktop(0)
                        if a is not None and a.name == "Lorvane"), None)
            if app is not None and app.childCount > 0 and app.getChildAtIndex(0).childCount > 5:
                break
        if app is None:
            print("the window never reached the accessibility bus")
            return 1
        seen = []
        walk(app, 0, seen)
        problems = []
        for role, name, description in EXPECTED:
            if not any(s[0] == role and s[1] == name and description in (None, s[2])
                       for s in seen):
                problems.append("no %s named %r%s" % (role, name,
                                                      " described" if description else ""))
        if any("Command1" in s[1] for s in seen):
            problems.append("the focus holder Command1 is in the tree")
        combo = [s for s in seen if s[0] == "combo box"]
        if not combo or combo[0][3] != ["Output WAV Format"]:
            problems.append("the format box is not labelled by its frame: %r" % combo)
        # Its description says what the chosen format writes ("8-bit integer, unsigned").
        if not combo or not re.match(r"\d+-bit (integer|floating point|\u00b5-law)",
                                     combo[0][2] or ""):
            problems.append("the format box does not describe its choice: %r" % combo)
        if any(not s[1] and s[0] in ("push button", "text", "tree", "progress bar", "radio button")
               for s in seen):
            problems.append("a control without a name")
        for p in problems:
            print("PROBLEM:", p)
        return 1 if problems else 0
    finally:
        program.kill()
        program.wait()


sys.exit(main())
