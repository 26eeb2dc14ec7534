"""What a screen reader finds in vorns's windows over AT-SPI (started by
atspi_tree.sh on a session bus and an X server of their own): no control
that takes the focus is without a name, in the main window with its setup
and about panels open and in each tab of the analysis window; a figure is
read with its caption; the alarm of a run that stopped shows as an alert."""
import os
import subprocess
import sys
import time

import pyatspi

TIMEOUT_S = 40


def wait_for(what, find, timeout=TIMEOUT_S):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = find()
        if found:
            return found
        time.sleep(0.2)
    sys.exit("accessibility tree: %s did not come within %d s" % (what, timeout))


def nodes(acc, path=()):
    """Every object below acc, with the roles of those above it."""
    yield acc, path
    for i in range(acc.childCount):
        child = acc.getChildAtIndex(i)
        if child is not None:
            yield from nodes(child, path + (acc.getRoleName(),))


def find(root, role, name=None):
    for acc, _ in nodes(root):
        if acc.getRoleName() == role and (name is None or acc.name == name):
            return acc
    return None


def showing(acc):
    return acc.getState().contains(pyatspi.STATE_SHOWING)


def nameless(root, where):
    """The focusable, showing controls without a name. A table's cell is read
    with its column's header: an empty one is an empty value."""
    missing = []
    for acc, path in nodes(root):
        if acc.getRoleName() == "table cell":
            continue
        state = acc.getState()
        if state.contains(pyatspi.STATE_FOCUSABLE) and state.contains(pyatspi.STATE_SHOWING):
            if not acc.name.strip():
                missing.append("%s: %s under %s" % (where, acc.getRoleName(), "/".join(path[-3:])))
    return missing


def press(root, name):
    button = wait_for("the button '%s'" % name, lambda: find(root, "push button", name))
    button.queryAction().doAction(0)


def main():
    launcher = subprocess.Popen([os.environ["ATSPI_LAUNCHER"], "--launch-immediately"])
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
    vorns = subprocess.Popen([os.environ["VORNS_TEST_PROGRAM"], os.environ["VORNS_TEST_RUN"]], env=env)
    try:
        desktop = pyatspi.Registry.getDesktop(0)

        def application():
            for i in range(desktop.childCount):
                app = desktop.getChildAtIndex(i)
                if app is not None and app.name == "vorns" and app.childCount > 0:
                    return app
            return None

        app = wait_for("vorns on the accessibility bus", application)
        main_window = app.getChildAtIndex(0)  # its title is the file's name once one is loaded
        missing = []

        # The main window with both its panels open.
        press(main_window, "panneau de réglages")
        press(main_window, "à propos")
        wait_for("the setup panel", lambda: (lambda t: t and showing(t))(find(main_window, "push button", "color window")))
        missing += nameless(main_window, "main window")

        # A figure read with its caption, once the run is loaded.
        def tau():
            for acc, _ in nodes(main_window):
                if acc.getRoleName() == "label" and acc.name.startswith("durée moyenne, Tau = ") and acc.name[-1].isdigit():
                    return acc
            return None
        wait_for("Tau read with its caption", tau)

        # The analysis window, each of its tabs shown in turn.
        press(main_window, "analyse du run")
        def analysis_window():
            for i in range(app.childCount):
                if app.getChildAtIndex(i).name == "vorns - analyse du run":
                    return app.getChildAtIndex(i)
            return None
        analysis = wait_for("the analysis window", analysis_window)
        tabs = wait_for("the analysis window's tabs", lambda: find(analysis, "page tab list"))
        for i in range(tabs.childCount):
            tab = tabs.getChildAtIndex(i)
            if tab.getRoleName() != "page tab":
                continue
            tab.queryAction().doAction(0)
            # The list is named after the tab it shows.
            wait_for("the tab '%s'" % tab.name, lambda: tabs.name == tab.name, 10)
            time.sleep(0.3)
            missing += nameless(analysis, "analysis window, tab '%s'" % tab.name)

        # The run, followed at a refresh period of 1 s typed as a screen
        # reader's user types it, brings its last events and stops: the alarm
        # shows as an alert.
        period = wait_for("the refresh period's field",
                          lambda: find(main_window, "text", "période de rafraîchissement en secondes"))
        period.queryEditableText().setTextContents("1")
        with open(os.environ["VORNS_TEST_RUN"], "a", newline="") as run:
            run.write("10:01:00\t3.5\r\n")

        def alert():
            acc = find(analysis, "alert")
            return acc if acc is not None and showing(acc) and acc.name else None
        if missing:
            sys.exit("accessibility tree: focusable controls without a name:\n  " + "\n  ".join(missing))
        line = wait_for("the alarm of the stopped run as an alert", alert)
        print("accessibility tree: every focusable control has a name; alert: " + line.name)
    finally:
        vorns.kill()
        vorns.wait()
        launcher.terminate()
        launcher.wait()


if __name__ == "__main__":
    main()
