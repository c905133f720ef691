"""A real desktop for tests of the Qt control: corvane-demo on an X server of its own.

A scenario is a function taking a Desktop; a test script ends with
    if __name__ == "__main__":
        desktop.main(my_scenario)
and runs as
    /usr/bin/python3 tests/desktop/test_x.py --demo build/tools/corvane_demo/corvane-demo \
        --artifacts build/tests/desktop [--wm openbox]
(CTest runs each script once without and once with --wm openbox). main() starts a private
D-Bus session (dbus-run-session, which also brings up the accessibility bus), then Xvfb on a
display it picks itself (-displayfd; never the user's), openbox when asked, and the demo on
a fresh database with today fixed to 2026-12-06 and QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1. It
waits until the demo's window is in the AT-SPI tree and has the keyboard, runs the scenario,
and on any failure leaves a screenshot and a dump of the accessibility tree in the artifacts
folder. A missing tool fails the test; nothing is skipped.

What a scenario has (see Desktop):
  d.find(name=..., role=...)      the first showing accessible that matches, or None (the
                                  cells of tables and the drop-downs of combo boxes only
                                  with items=True: leaving them out keeps walks quick)
  d.get(...)                      the same, waiting for it (fails after a timeout)
  d.focused()                     the accessible that has the keyboard focus
  d.wait_focus(name, role)        waits until that widget has the focus
  d.key("Tab", "space")           real X key presses (xdotool key names)
  d.type("500")                   real X typing
  d.tab_to(name, role[, key])     Tab (or shift+Tab) until that widget has the focus
  d.text(acc), d.caret(acc), d.selection(acc)   over AT-SPI's Text interface
  d.table_rows(acc), d.column_headers(acc)       over its Table interface
  d.relation_targets(acc, pyatspi.RELATION_LABELLED_BY)
  d.answer(prompt, key)           waits for the message box saying `prompt`, presses `key`
  d.wait_until(fn, what)          polls fn() until it returns something true
  d.payments()                    the demo's stored payments of order 1, from its database
Names are accessible names (a combo box's is its label's, d.name_of), roles pyatspi roles
(pyatspi.ROLE_PUSH_BUTTON, ...).
"""

import argparse
import os
import secrets
import shutil
import sqlite3
import subprocess
import sys
import tempfile
import time
import traceback

TOOLS = ["dbus-run-session", "Xvfb", "xauth", "xdotool", "import"]
TODAY = "2026-12-06"
TIMEOUT = 15.0  # seconds any single wait may take before the test fails
KEY_DELAY_MS = 40
TRACE = bool(os.environ.get("CORVANE_DESKTOP_TRACE"))  # each wait's time, on stderr


class DesktopError(AssertionError):
    """A wait that ran out, a widget that is not there, a tool that is missing."""


def _require(tools):
    missing = [tool for tool in tools if shutil.which(tool) is None]
    if missing:
        raise DesktopError("missing tools: " + ", ".join(missing) +
                           " (tools/dev.sh installs them)")


class Desktop:
    def __init__(self, demo, artifacts, wm, name):
        self.demo = os.path.abspath(demo)
        self.artifacts = os.path.abspath(artifacts)
        self.wm = wm
        self.name = name
        self.procs = []
        self.tmp = None
        self.display = None
        self.env = None
        self.database = None
        self.demo_proc = None
        self._app = None

    # --- Start and stop -------------------------------------------------------------------

    def start(self):
        import pyatspi  # only inside the private session bus
        self.pyatspi = pyatspi
        # The accessibility bus and its registry are up before the demo looks for them: an
        # application that finds no registry is never listed.
        self.wait_until(lambda: pyatspi.Registry.getDesktop(0) is not None,
                        "the accessibility registry")
        self.tmp = tempfile.mkdtemp(prefix="desktop-", dir=os.environ["XDG_RUNTIME_DIR"])
        self.database = os.path.join(self.tmp, "orders.sqlite")
        self._start_x()
        if self.wm:
            self._start_wm()
        self._start_demo()

    def stop(self):
        for proc in reversed(self.procs):
            if proc.poll() is None:
                proc.terminate()
                try:
                    proc.wait(5)
                except subprocess.TimeoutExpired:
                    proc.kill()
                    proc.wait()
        self.procs = []
        if self.tmp:
            shutil.rmtree(self.tmp, ignore_errors=True)

    def _spawn(self, argv, **kwargs):
        proc = subprocess.Popen(argv, env=self.env or os.environ.copy(), **kwargs)
        self.procs.append(proc)
        # Should this process die without stopping them (libatspi aborts on a lost bus),
        # the outer stage ends what it started.
        with open(os.path.join(os.environ["XDG_RUNTIME_DIR"], "started"), "a") as started:
            started.write("%d %s\n" % (proc.pid, argv[0]))
        return proc

    def _start_x(self):
        # The server reads every cookie of its authority file whatever the display; the
        # clients' entry is added once the server has said which display it took.
        authority = os.path.join(self.tmp, "Xauthority")
        cookie = secrets.token_hex(16)
        subprocess.run(["xauth", "-q", "-f", authority, "add", ":0", ".", cookie], check=True,
                       stderr=subprocess.DEVNULL)
        read_fd, write_fd = os.pipe()
        self._spawn(["Xvfb", "-displayfd", str(write_fd), "-auth", authority, "-nolisten", "tcp",
                     "-screen", "0", "1280x1024x24", "-dpi", "96"],
                    pass_fds=(write_fd,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_fd)
        number = b""
        deadline = time.monotonic() + TIMEOUT
        with os.fdopen(read_fd, "rb") as pipe:
            while not number.endswith(b"\n") and time.monotonic() < deadline:
                chunk = pipe.read(1)
                if not chunk:
                    break
                number += chunk
        if not number.strip().isdigit():
            raise DesktopError("Xvfb did not say which display it took")
        self.display = ":" + number.decode().strip()
        subprocess.run(["xauth", "-q", "-f", authority, "add", self.display, ".", cookie],
                       check=True)
        self.env = os.environ.copy()
        for variable in ("WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR",
                         "QT_SCREEN_SCALE_FACTORS", "QT_AUTO_SCREEN_SCALE_FACTOR"):
            self.env.pop(variable, None)
        self.env.update(DISPLAY=self.display, XAUTHORITY=authority,
                        QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_ACCESSIBILITY="1",
                        QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8")
        os.environ.update(DISPLAY=self.display, XAUTHORITY=authority)

    def _start_wm(self):
        _require(["openbox"])
        ready = os.path.join(self.tmp, "wm-ready")
        self._spawn(["openbox", "--sm-disable", "--startup", "touch " + ready],
                    stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.wait_until(lambda: os.path.exists(ready), "openbox to start")

    def _start_demo(self):
        self.demo_proc = self._spawn(
            [self.demo, "--database", self.database, "--today", TODAY],
            stdout=open(os.path.join(self.tmp, "demo.log"), "w"), stderr=subprocess.STDOUT)
        self.window = self.get(role=self.pyatspi.ROLE_FRAME, root=lambda: self.app(),
                               what="the demo's window")
        # The window takes the keyboard as a person's click would give it.
        windows = self.wait_until(lambda: self._xdotool_out(
            "search", "--onlyvisible", "--pid", str(self.demo_proc.pid), "--name",
            "Corvane demo").split(), "the demo's X window")
        self._xdotool("windowactivate" if self.wm else "windowfocus", "--sync", windows[0])
        self.wait_until(lambda: self.has_state(self.window, self.pyatspi.STATE_ACTIVE),
                        "the demo's window to become active")

    # --- Finding widgets over AT-SPI -------------------------------------------------------

    def app(self):
        """The demo's AT-SPI application."""
        if self.demo_proc.poll() is not None:
            raise DesktopError("the demo ended with status %s" % self.demo_proc.returncode)
        if self._app is not None:
            try:
                if self._app.get_process_id() == self.demo_proc.pid:
                    return self._app
            except Exception:
                pass
        self._app = None
        desktop = self.pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            try:
                if app is not None and app.get_process_id() == self.demo_proc.pid:
                    self._app = app
                    return app
            except Exception:
                continue
        return None

    def has_state(self, acc, state):
        try:
            return acc.getState().contains(state)
        except Exception:
            return False

    def walk(self, root=None, showing=True, items=False):
        """Every accessible under `root` (the demo by default), depth first; with `showing`,
        only those on the screen and their showing children; with `items`, the parts of
        tables and combo boxes too (their cells, their drop-downs)."""
        root = root or self.app()
        if root is None:
            return
        P = self.pyatspi
        stack = [root]
        while stack:
            acc = stack.pop()
            yield acc
            try:
                if not items and acc is not root and acc.getRole() in (P.ROLE_TABLE,
                                                                       P.ROLE_COMBO_BOX):
                    continue
                count = acc.childCount
            except Exception:
                continue
            children = []
            for i in range(count):
                try:
                    child = acc.getChildAtIndex(i)
                except Exception:
                    continue
                if child is None:
                    continue
                if showing and not self.has_state(child, self.pyatspi.STATE_SHOWING):
                    continue
                children.append(child)
            stack.extend(reversed(children))

    def name_of(self, acc):
        """The accessible's name; a combo box's label's. Qt on Linux names a combo box by
        the entry it shows (the name it was given shows only while it shows none); a screen
        reader reads its label through the labelled-by link."""
        if acc.getRole() == self.pyatspi.ROLE_COMBO_BOX and acc.name:
            labels = self.relation_targets(acc, self.pyatspi.RELATION_LABELLED_BY)
            if labels:
                return labels[0].name
        return acc.name

    def find_all(self, name=None, role=None, root=None, showing=True, items=False):
        found = []
        for acc in self.walk(root() if callable(root) else root, showing, items):
            try:
                if role is not None and acc.getRole() != role:
                    continue
                if name is not None and self.name_of(acc) != name:
                    continue
            except Exception:
                continue
            found.append(acc)
        return found

    def find(self, name=None, role=None, root=None, showing=True, items=False):
        matches = self.find_all(name, role, root, showing, items)
        return matches[0] if matches else None

    def get(self, name=None, role=None, root=None, showing=True, items=False, what=None):
        return self.wait_until(lambda: self.find(name, role, root, showing, items),
                               what or "a widget named %r (role %s)" % (name, role))

    def focused_all(self):
        """Every accessible that says it has the focus, outermost first: a widget and the
        part of it that has it (a text box's viewport)."""
        app = self.app()
        if app is None:
            return []
        return [acc for acc in self.walk(app, showing=True)
                if self.has_state(acc, self.pyatspi.STATE_FOCUSED)]

    def focused(self):
        """The widget that has the keyboard focus: the outermost focused accessible."""
        focused = self.focused_all()
        return focused[0] if focused else None

    def describe(self, acc):
        if acc is None:
            return "nothing"
        try:
            return "%s %r" % (acc.getRoleName(), acc.name)
        except Exception:
            return "a vanished accessible"

    def is_focused(self, name, role=None, focused=None):
        for acc in self.focused_all() if focused is None else focused:
            try:
                if self.name_of(acc) == name and (role is None or acc.getRole() == role):
                    return True
            except Exception:
                continue
        return False

    def wait_focus(self, name, role=None):
        self.wait_until(lambda: self.is_focused(name, role),
                        "the focus on %r" % name, lambda: self.describe(self.focused()))
        return self.focused()

    def tab_to(self, name, role=None, limit=60, key="Tab"):
        """Presses Tab (or `key`, such as "shift+Tab" where that is the shorter way) until
        widget `name` has the focus. A press may leave the focus where it is (Tab moves
        between the parts of a date box)."""
        started = time.monotonic()
        focused = self.focused_all()
        for presses in range(limit):
            if self.is_focused(name, role, focused):
                if TRACE:
                    print("%6.2fs, %d presses of %s to %r" %
                          (time.monotonic() - started, presses, key, name), file=sys.stderr)
                return focused[0]
            before = focused[0] if focused else None

            def moved():
                now = self.focused_all()
                return now if now and not _same(before, now[0]) else None
            self.key(key)
            try:
                focused = self.wait_until(moved, "", timeout=1)
            except DesktopError:
                focused = self.focused_all()
        raise DesktopError("%d presses of %s never reached %r; the focus is on %s" %
                           (limit, key, name, self.describe(self.focused())))

    # --- Reading widgets -------------------------------------------------------------------

    def text(self, acc):
        text = acc.queryText()
        return text.getText(0, -1)

    def caret(self, acc):
        return acc.queryText().caretOffset

    def selection(self, acc):
        """(start, end) of the first selection, or None."""
        text = acc.queryText()
        if text.getNSelections() == 0:
            return None
        return tuple(text.getSelection(0))

    def table_rows(self, table):
        """The cells' names of a table, row by row, over the Table interface."""
        t = table.queryTable()
        return [[t.getAccessibleAt(r, c).name for c in range(t.nColumns)]
                for r in range(t.nRows)]

    def row_descriptions(self, table):
        """Each row's cells' descriptions, row by row."""
        t = table.queryTable()
        return [[t.getAccessibleAt(r, c).description for c in range(t.nColumns)]
                for r in range(t.nRows)]

    def column_headers(self, table):
        t = table.queryTable()
        return [t.getColumnHeader(c).name for c in range(t.nColumns)]

    def relation_targets(self, acc, relation):
        targets = []
        for rel in acc.getRelationSet():
            if rel.getRelationType() == relation:
                targets.extend(rel.getTarget(i) for i in range(rel.getNTargets()))
        return targets

    def field(self, name, role=None):
        """The control's field named `name` (several widgets may share a name: the one on
        the screen)."""
        return self.get(name=name, role=role)

    # --- Input -----------------------------------------------------------------------------

    def key(self, *keys):
        self._xdotool("key", "--delay", str(KEY_DELAY_MS), *keys)

    def type(self, text):
        self._xdotool("type", "--delay", str(KEY_DELAY_MS), text)

    def _xdotool(self, *args):
        subprocess.run(["xdotool", *args], env=self.env, check=True,
                       stdout=subprocess.DEVNULL)

    def _xdotool_out(self, *args):
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return done.stdout

    # --- Message boxes ---------------------------------------------------------------------

    def message_box(self, prompt):
        """The message box showing `prompt` (its text contains it)."""
        def box():
            for acc in self.find_all(role=self.pyatspi.ROLE_LABEL):
                try:
                    if prompt in acc.name:
                        parent = acc.parent
                        while parent is not None and parent.getRole() not in (
                                self.pyatspi.ROLE_ALERT, self.pyatspi.ROLE_DIALOG):
                            parent = parent.parent
                        if parent is not None:
                            return parent
                except Exception:
                    continue
            return None
        return self.wait_until(box, "a message box saying %r" % prompt)

    def answer(self, prompt, key):
        """Waits for the box saying `prompt`, presses `key`, waits until it is gone and the
        demo's window has the keyboard again."""
        box = self.message_box(prompt)
        self.wait_until(lambda: self.has_state(box, self.pyatspi.STATE_ACTIVE),
                        "the box %r to take the keyboard" % prompt)
        self.key(key)
        self.wait_until(lambda: self.message_box_gone(prompt), "the box %r to close" % prompt)
        self.wait_until(lambda: self.has_state(self.window, self.pyatspi.STATE_ACTIVE),
                        "the demo's window to have the keyboard again after the box %r" %
                        prompt)

    def message_box_gone(self, prompt):
        for acc in self.find_all(role=self.pyatspi.ROLE_LABEL):
            try:
                if prompt in acc.name:
                    return False
            except Exception:
                continue
        return True

    # --- Waiting ---------------------------------------------------------------------------

    def wait_until(self, condition, what, last=None, timeout=TIMEOUT):
        """Polls `condition` until it returns something true and returns that; fails after
        `timeout` seconds saying `what` it waited for (and `last()`, when given)."""
        started = time.monotonic()
        deadline = started + timeout
        while True:
            try:
                value = condition()
            except DesktopError:
                raise
            except Exception:
                value = None
            if value:
                if TRACE:
                    print("%6.2fs waiting for %s" % (time.monotonic() - started, what),
                          file=sys.stderr)
                return value
            if time.monotonic() > deadline:
                detail = (": found " + str(last())) if last else ""
                raise DesktopError("timed out waiting for %s%s" % (what, detail))
            time.sleep(0.05)

    # --- The demo's database ---------------------------------------------------------------

    def payments(self, order_id=1):
        """(sequence, type_id, reference, authorization, amount, date) of the stored
        payments of the order, by sequence; the database keeps the amount in cents."""
        with sqlite3.connect(self.database) as db:
            return db.execute(
                "SELECT sequence, type_id, reference, authorization_code,"
                " amount_minor_units / 100.0, payment_date "
                "FROM payments WHERE order_id = ? ORDER BY sequence", (order_id,)).fetchall()

    # --- After a failure -------------------------------------------------------------------

    def keep_evidence(self, failure=""):
        os.makedirs(self.artifacts, exist_ok=True)
        stem = os.path.join(self.artifacts, self.name + ("-" + self.wm if self.wm else ""))
        with open(stem + "-failure.txt", "w") as out:
            out.write(failure)
        if self.display:
            subprocess.run(["import", "-display", self.display, "-window", "root", stem + ".png"],
                           env=self.env, check=False)
            print("screenshot: " + stem + ".png", file=sys.stderr)
        try:
            with open(stem + "-tree.txt", "w") as out:
                self._dump(self.app(), out, 0)
            print("accessibility tree: " + stem + "-tree.txt", file=sys.stderr)
        except Exception as error:
            print("no accessibility tree: %s" % error, file=sys.stderr)
        log = os.path.join(self.tmp or "", "demo.log")
        if self.tmp and os.path.exists(log):
            shutil.copy(log, stem + "-demo.log")

    def _dump(self, acc, out, depth):
        if acc is None or depth > 40:
            return
        try:
            states = [self.pyatspi.stateToString(s) for s in acc.getState().getStates()]
            out.write("%s%s %r %s\n" % ("  " * depth, acc.getRoleName(), acc.name,
                                        " ".join(states)))
            for i in range(acc.childCount):
                self._dump(acc.getChildAtIndex(i), out, depth + 1)
        except Exception as error:
            out.write("%s(%s)\n" % ("  " * depth, error))


def _end_leftovers(started):
    """Kills the processes listed in `started` (pid and program) that still run it."""
    if not os.path.exists(started):
        return
    with open(started) as listed:
        for line in listed:
            pid, program = line.split(" ", 1)
            try:
                with open("/proc/%s/cmdline" % pid, "rb") as cmdline:
                    running = cmdline.read().split(b"\0")[0].decode()
            except OSError:
                continue
            if running == program.strip():
                try:
                    os.kill(int(pid), 9)
                except OSError:
                    pass


def _same(a, b):
    try:
        return a is not None and b is not None and a == b
    except Exception:
        return False


def main(scenario):
    parser = argparse.ArgumentParser()
    parser.add_argument("--demo", required=True, help="the corvane-demo executable")
    parser.add_argument("--artifacts", required=True, help="where failures leave evidence")
    parser.add_argument("--wm", choices=["openbox"], help="run under this window manager")
    args = parser.parse_args()
    if os.environ.get("CORVANE_DESKTOP_BUS") != "1":
        # Everything runs inside a session bus of its own, where AT-SPI's bus is started,
        # with a runtime folder of its own: the accessibility bus's socket lives there, and
        # tests running side by side must not share it.
        _require(TOOLS + (["openbox"] if args.wm else []))
        runtime = tempfile.mkdtemp(prefix="corvane-desktop-run-")
        env = dict(os.environ, CORVANE_DESKTOP_BUS="1", XDG_RUNTIME_DIR=runtime)
        try:
            status = subprocess.call(["dbus-run-session", "--", sys.executable, *sys.argv],
                                     env=env)
        finally:
            _end_leftovers(os.path.join(runtime, "started"))
            shutil.rmtree(runtime, ignore_errors=True)
        sys.exit(status)
    name = os.path.splitext(os.path.basename(sys.argv[0]))[0]
    d = Desktop(args.demo, args.artifacts, args.wm, name)
    status = 0
    try:
        d.start()
        scenario(d)
        print("%s%s: passed" % (name, " under " + args.wm if args.wm else ""))
    except Exception:
        failure = traceback.format_exc()
        print(failure, file=sys.stderr)
        try:
            d.keep_evidence(failure)
        except Exception:
            traceback.print_exc()
        status = 1
    finally:
        d.stop()
    sys.exit(status)
