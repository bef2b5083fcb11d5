"""Drives the program from the accessibility tree alone, as a screen reader's user would.

    atspi_check.py PROGRAM WORK

Runs on a private session bus whose accessibility bus is up, with DISPLAY set. WORK holds
the home folder (WORK/home, its Desktop filled by the caller) and receives WORK/app.pid.
Starts PROGRAM, finds the search box by its name, types the text into it, presses Find
through the button's action, waits until Find is enabled again, reads the counter and the
rows, then walks to the result list with Shift+Tab, focuses the first row with Down and
loads its preview with Enter. Each wait polls against a generous limit. Exit status 0 when
everything was seen, 1 with the reason otherwise.
"""

import os
import signal
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

LIMIT = 60.0  # seconds for any one thing to happen, on a loaded machine
CAPTION = "화일에서 지정한 문자열 찾아 내기"
SEARCH_TEXT = "needle"
# The rows the fixture's search finds: file name and folder, relative to the Desktop.
EXPECTED_ROWS = {("alpha.pas", ""), ("한글 이름.pas", ""), ("gamma.pas", "sub/")}

XK_TAB, XK_DOWN, XK_RETURN = 0xFF09, 0xFF54, 0xFF0D
SHIFT_MASK = 1


class CheckFailed(Exception):
    pass


class EventLog:
    """The accessibility events that the program sent, as plain tuples."""

    def __init__(self):
        self.events = []

    def __call__(self, event):
        try:
            parent = event.source.parent
            self.events.append((event.type, event.source.name, event.source.getRoleName(),
                                parent.name if parent else "", event.detail1, str(event.any_data)))
        except GLib.Error:
            pass  # the source went away before it could be read

    def seen(self, kind, name=None, role=None, parent=None, detail=None, data=None):
        return any(e[0] == kind and (name is None or e[1] == name) and (role is None or e[2] == role)
                   and (parent is None or e[3] == parent) and (detail is None or e[4] == detail)
                   and (data is None or e[5] == data) for e in self.events)

    def index(self):
        return len(self.events)

    def since(self, start, kind):
        return [e for e in self.events[start:] if e[0] == kind]


def pump():
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def wait_for(what, probe, limit=LIMIT):
    """Polls `probe` until it returns something true; returns that."""
    deadline = time.monotonic() + limit
    while True:
        pump()
        try:
            value = probe()
        except (GLib.Error, NotImplementedError, LookupError):
            value = None  # not there yet, or replaced while it was read
        if value:
            return value
        if time.monotonic() > deadline:
            raise CheckFailed(f"{what}: not within {limit:.0f} s")
        time.sleep(0.05)


def find(root, name, role=None):
    return pyatspi.findDescendant(root, lambda a: a is not None and a.name == name
                                  and (role is None or a.getRoleName() == role))


def labelled(root, label, role):
    """The object of `role` that the label named `label` labels (how Qt names combo boxes on Linux)."""
    def is_it(a):
        if a is None or a.getRoleName() != role:
            return False
        for relation in a.getRelationSet():
            if relation.getRelationType() == pyatspi.RELATION_LABELLED_BY:
                if any(relation.getTarget(i).name == label for i in range(relation.getNTargets())):
                    return True
        return False
    return pyatspi.findDescendant(root, is_it)


def has_state(accessible, state):
    accessible.clearCache()
    return accessible.getState().contains(state)


def text_of(accessible):
    text = accessible.queryText()
    return text.getText(0, text.characterCount)


def press_key(keysym, shift=False):
    if shift:
        pyatspi.Registry.generateKeyboardEvent(SHIFT_MASK, None, pyatspi.KEY_LOCKMODIFIERS)
    pyatspi.Registry.generateKeyboardEvent(keysym, None, pyatspi.KEY_SYM)
    if shift:
        pyatspi.Registry.generateKeyboardEvent(SHIFT_MASK, None, pyatspi.KEY_UNLOCKMODIFIERS)


def dump(accessible, depth=0, out=None):
    out = out if out is not None else []
    if accessible is None or depth > 14:
        return out
    try:
        out.append("  " * depth + f"[{accessible.getRoleName()}] {accessible.name!r}")
        for child in accessible:
            dump(child, depth + 1, out)
    except GLib.Error as error:
        out.append("  " * depth + f"<{error}>")
    return out


def activate_window(pid):
    # No window manager runs on this display, so nothing gives a new window the keyboard
    # focus; this does what a window manager would.
    def focused():
        found = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid)],
                               capture_output=True, text=True, timeout=LIMIT)
        windows = found.stdout.split()
        if not windows:
            return False
        return subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]],
                              capture_output=True, timeout=LIMIT).returncode == 0
    wait_for("the window to take the keyboard focus", focused)


def check(program, work):
    desktop = os.path.join(work, "home", "Desktop") + "/"
    log = EventLog()
    # Listening before the program starts: Qt asks the registry at start which events
    # anyone listens for, and sends only those.
    pyatspi.Registry.registerEventListener(
        log, "object:state-changed:enabled", "object:state-changed:focused",
        "object:property-change:accessible-name", "object:property-change:accessible-value",
        "object:text-changed")

    environment = dict(os.environ, HOME=os.path.join(work, "home"), XDG_RUNTIME_DIR=os.path.join(work, "runtime"),
                       QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1")
    for name in ("XDG_CONFIG_HOME", "XDG_DESKTOP_DIR", "PYTHONPATH", "PYTHONHOME"):
        environment.pop(name, None)
    app_process = subprocess.Popen([program], env=environment)
    with open(os.path.join(work, "app.pid"), "w") as pid_file:
        pid_file.write(f"{app_process.pid}\n")
    app = None
    try:
        started = time.monotonic()
        app_name = os.path.basename(program)

        def the_app():
            if app_process.poll() is not None:
                raise CheckFailed(f"the program ended with status {app_process.returncode}")
            return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == app_name), None)
        app = wait_for("the program on the accessibility bus", the_app)
        frame = wait_for("the main window", lambda: find(app, CAPTION, "frame"))
        search_box = wait_for("the search box by its name", lambda: find(frame, "찾을 문자열", "text"))
        print(f"window found after {time.monotonic() - started:.1f} s")

        # Every control reads as what it is.
        for name, role in [("파일 마스크", "text"), ("찾기", "push button"), ("취소", "push button"),
                           ("SubDirectory", "check box"), ("다음 찾을 문자열", "text"), ("다음 찾기", "push button"),
                           ("선택한 화일의 폴더", "text"), ("검색 결과", "table"), ("미리 보기", None),
                           ("폴더 트리", None), ("파일 목록", None), ("진행률", "progress bar"),
                           ("결과 위치/개수", None), ("커서 위치", None)]:
            if find(frame, name, role) is None:
                raise CheckFailed(f"no {role or 'control'} named {name!r}")
        for label in ("보기 방식", "경로"):
            if labelled(frame, label, "combo box") is None:
                raise CheckFailed(f"no combo box labelled {label!r}")

        find_button = find(frame, "찾기", "push button")
        table_object = find(frame, "검색 결과", "table")
        path_box = find(frame, "선택한 화일의 폴더", "text")
        counter = find(frame, "결과 위치/개수")[0]
        progress = find(frame, "진행률", "progress bar")

        # Type the text and press Find.
        search_box.queryEditableText().setTextContents(SEARCH_TEXT)
        wait_for("the search box to hold the text", lambda: text_of(search_box) == SEARCH_TEXT)
        action = find_button.queryAction()
        press = next(i for i in range(action.nActions) if action.getName(i) == "Press")
        searched = time.monotonic()
        action.doAction(press)

        # The search's end is announced: Find enabled again, the counter's new text.
        wait_for("Find to be disabled", lambda: log.seen("object:state-changed:enabled", "찾기", detail=0))
        wait_for("Find to be enabled again", lambda: log.seen("object:state-changed:enabled", "찾기", detail=1))
        if not has_state(find_button, pyatspi.STATE_ENABLED):
            raise CheckFailed("Find announced as enabled but reads as disabled")
        expected_counter = f"1/{len(EXPECTED_ROWS)}"
        wait_for(f"the counter to read {expected_counter}", lambda: counter.name == expected_counter)
        wait_for("the counter's change to be announced",
                 lambda: log.seen("object:property-change:accessible-name", role="label",
                                  parent="결과 위치/개수", data=expected_counter)
                 or log.seen("object:property-change:accessible-name", expected_counter, "label"))
        print(f"search done after {time.monotonic() - searched:.1f} s; counter {counter.name}")
        if not log.seen("object:property-change:accessible-value", "진행률"):
            raise CheckFailed("the progress bar announced no value")
        value = progress.queryValue()
        print(f"progress bar: {value.currentValue} of {value.minimumValue}..{value.maximumValue}")

        # The rows, under their header captions.
        table = table_object.queryTable()
        wait_for(f"{len(EXPECTED_ROWS)} rows", lambda: table.nRows == len(EXPECTED_ROWS))
        headers = [table.getColumnDescription(c) for c in range(table.nColumns)]
        if headers != ["File Name", "Path"]:
            raise CheckFailed(f"column headers {headers}")
        rows = [tuple(table.getAccessibleAt(r, c).name for c in range(2)) for r in range(table.nRows)]
        expected = {(name, desktop + folder) for name, folder in EXPECTED_ROWS}
        if set(rows) != expected:
            raise CheckFailed(f"rows {rows}, expected {sorted(expected)}")
        print("rows:", rows)

        # Keyboard only: back along the tab order to the result list, Down onto the first
        # row, Enter to load its preview.
        activate_window(app_process.pid)
        wait_for("the window to be active", lambda: has_state(frame, pyatspi.STATE_ACTIVE))
        for _ in range(12):
            if has_state(table_object, pyatspi.STATE_FOCUSED):
                break
            start = log.index()
            press_key(XK_TAB, shift=True)
            wait_for("Shift+Tab to move the focus",
                     lambda: any(e[4] == 1 for e in log.since(start, "object:state-changed:focused")))
        else:
            raise CheckFailed("Shift+Tab never reached the result list")
        start = log.index()
        press_key(XK_DOWN)
        first_row = rows[0]
        wait_for("the first row to be the focus", lambda: any(
            e[4] == 1 and e[2] == "table cell" and e[1] == first_row[0]
            for e in log.since(start, "object:state-changed:focused")))
        if not has_state(table.getAccessibleAt(0, 0), pyatspi.STATE_FOCUSED):
            raise CheckFailed("the focused row's cell does not read as focused")
        wait_for("the path box to name the row's file", lambda: text_of(path_box) == first_row[1] + first_row[0])
        wait_for("the counter to read the row's position", lambda: counter.name == expected_counter)
        start = log.index()
        press_key(XK_RETURN)
        wait_for("Enter to load the preview and focus it", lambda: any(
            e[4] == 1 and e[1] == "미리 보기" for e in log.since(start, "object:state-changed:focused")))
        cursor = find(frame, "커서 위치")[0]
        wait_for("the cursor position to be shown", lambda: cursor.name != "")
        find_next = find(frame, "다음 찾을 문자열", "text")
        wait_for("the find-next box to hold the search text", lambda: text_of(find_next) == SEARCH_TEXT)
        print(f"preview loaded by Enter; cursor {cursor.name}")

        if app_process.poll() is not None:
            raise CheckFailed(f"the program ended with status {app_process.returncode}")
    except CheckFailed:
        if app is not None and app_process.poll() is None:
            print("\n".join(dump(app)), file=sys.stderr)
        raise
    finally:
        if app_process.poll() is None:
            app_process.terminate()
            try:
                app_process.wait(timeout=LIMIT)
            except subprocess.TimeoutExpired:
                app_process.kill()
                app_process.wait()


def main():
    program, work = sys.argv[1], sys.argv[2]
    # Ended from outside: end the program too (the finally above runs).
    signal.signal(signal.SIGTERM, lambda *_: sys.exit(1))
    started = time.monotonic()
    try:
        check(program, work)
    except CheckFailed as failure:
        print(f"FAILED: {failure}", file=sys.stderr)
        return 1
    print(f"accessibility check passed in {time.monotonic() - started:.1f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
