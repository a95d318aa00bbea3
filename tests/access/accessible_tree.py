#!/usr/bin/python3
"""Starts the program on the example analysis with the accessibility bridge on,
walks its accessible tree over AT-SPI and checks what a screen reader would hear:
the names and roles of the controls, the statistics read with their captions, the
table with its headers and cells, the graphs' descriptions, and that Tab reaches
every control in reading order and leaves the table. Usage: accessible_tree.py PROGRAM ANALYSIS DUMP_FILE"""
import os
import re
import subprocess
import sys
import time

import gi

gi.require_version("Atspi", "2.0")
from gi.repository import Atspi  # noqa: E402

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)
        print("FAILED: " + what, file=sys.stderr)
    return condition


def role(o):
    return o.get_role_name()


def walk(o, depth=0):
    yield o, depth
    try:
        count = o.get_child_count()
    except gi.repository.GLib.Error:
        return
    for i in range(count):
        child = o.get_child_at_index(i)
        if child is not None:
            yield from walk(child, depth + 1)


def find_app(pid):
    desktop = Atspi.get_desktop(0)
    for i in range(desktop.get_child_count()):
        app = desktop.get_child_at_index(i)
        if app is not None and app.get_process_id() == pid:
            return app
    return None


def text_of(o):
    if "Text" not in o.get_interfaces():
        return ""
    return Atspi.Text.get_text(o, 0, Atspi.Text.get_character_count(o))


def showing(o):
    states = o.get_state_set()
    return states.contains(Atspi.StateType.SHOWING)


def focused_object(app):
    for o, _ in walk(app):
        if o.get_state_set().contains(Atspi.StateType.FOCUSED):
            return o
    return None


def key(name):
    subprocess.run(["xdotool", "key", "--clearmodifiers", name], check=True)


def wait_for(condition, what, limit=60.0):
    """Polls until the condition holds; a start-up on a busy machine may take long."""
    start = time.monotonic()
    while time.monotonic() - start < limit:
        value = condition()
        if value:
            return value
        time.sleep(0.2)
    print("gave up waiting for " + what, file=sys.stderr)
    return None


UNSEEN = "the focus on a widget outside the tree"


def focus_after(app, keys, previous):
    """Presses the keys, then waits until the focus has moved away from `previous`.
    Gives the newly focused object, UNSEEN when no object of the tree says it has
    the focus (GTK's combo box passes it to an inner button it does not expose),
    or None when the focus did not move."""
    for k in keys:
        key(k)

    def moved():
        if not previous.get_state_set().contains(Atspi.StateType.FOCUSED):
            return focused_object(app) or UNSEEN
        f = focused_object(app)
        return f if f is not None and f != previous else None

    return wait_for(moved, "the focus to move after " + " ".join(keys), 10.0)


def name_of(o):
    return o if isinstance(o, str) or o is None else o.get_name()


def targets(o, kind):
    return [r.get_target(i) for r in o.get_relation_set() if r.get_relation_type() == kind
            for i in range(r.get_n_targets())]


def main():
    program, analysis, dump_path = sys.argv[1:4]
    env = dict(os.environ)
    env.pop("NO_AT_BRIDGE", None)
    env.pop("GTK_A11Y", None)
    # The accessibility bus and its registry start before the program does.
    Atspi.get_desktop(0).get_child_count()
    # On a loaded machine the toolkit now and then fails to open the new X
    # server's display at its first try; that is no fault of the program's.
    for attempt in range(3):
        proc = subprocess.Popen([program, analysis], env=env)
        app = wait_for(lambda: find_app(proc.pid) if proc.poll() is None else "exited",
                       "the program on the accessibility bus")
        if app != "exited":
            break
        print("the program exited at start (%d); starting it again" % proc.returncode,
              file=sys.stderr)
        app = None
    try:
        if not check(app is not None, "the program appears on the accessibility bus"):
            return 1
        frame = wait_for(lambda: app.get_child_at_index(0) if app.get_child_count() else None,
                         "the main window")
        # The example's statistics are shown once its set names are.
        wait_for(lambda: any(o.get_name() == "Name of Class 7A..." for o, _ in walk(app)),
                 "the example's names")

        objects = list(walk(app))
        with open(dump_path, "w", encoding="utf-8") as dump:
            for o, depth in objects:
                dump.write("%s%s %r %r\n" % ("  " * depth, role(o), o.get_name(),
                                             o.get_description()))
        by_name = {}
        for o, _ in objects:
            by_name.setdefault(o.get_name(), []).append(o)

        def one(name, wanted_role):
            found = [o for o in by_name.get(name, []) if role(o) == wanted_role]
            check(len(found) == 1, "one %s named %r (found %d)" % (wanted_role, name, len(found)))
            return found[0] if found else None

        one("Data type", "combo box")
        for s in ("Class 7A", "Class 7B"):
            one("Percentile for " + s, "spin button")
            one("Name of %s..." % s, "push button")
            one("Standard deviation of %s: population; press for sample" % s, "push button")
        one("Set 1", "radio button")
        one("Set 2", "radio button")
        one("Decimals", "combo box")
        for button in ("Clear Data", "Print", "Preview", "Auto Data", "Load Data", "Save Data"):
            one(button, "push button")

        # Each statistic is read with its caption and its shown text.
        means = [o for o, _ in objects if (o.get_name() or "").startswith("Mean of Class 7A: ")]
        if check(len(means) == 1, "one value named 'Mean of Class 7A: ...'"):
            mean = means[0]
            check(mean.get_name() == "Mean of Class 7A: " + text_of(mean),
                  "the mean's name %r carries its text %r" % (mean.get_name(), text_of(mean)))
            check(re.fullmatch(r"Mean of Class 7A: -?[0-9.]+", mean.get_name()) is not None,
                  "the mean's name holds a number: %r" % mean.get_name())
            labels = mean.get_relation_set()
            captions = [r.get_target(i).get_name() for r in labels
                        if r.get_relation_type() == Atspi.RelationType.LABELLED_BY
                        for i in range(r.get_n_targets())]
            check("Mean:" in captions, "the mean is labelled by its caption: %r" % captions)

        # Every value of both sets: named with its statistic, set and shown text,
        # labelled by its caption, and the label of nothing (the mode's text stands
        # just before a Cycle button, and the toolkit guesses such labels).
        values = [o for o, _ in objects
                  if role(o) == "label" and re.match(r".+ of Class 7[AB]: ", o.get_name() or "")]
        check(len(values) == 26, "13 statistics of each set read with their names: %r"
              % [o.get_name() for o in values])
        for value in values:
            name = value.get_name()
            check(name.endswith(": " + (text_of(value) or "none")),
                  "%r carries its shown text %r" % (name, text_of(value)))
            captions = [t.get_name() for t in targets(value, Atspi.RelationType.LABELLED_BY)]
            # The chosen percentile stands after its spin control and has no caption.
            if not re.match(r"Percentile [0-9]+ of ", name):
                check(len(captions) == 1 and captions[0].endswith(":"),
                      "%r is labelled by its caption: %r" % (name, captions))
            labelled = [t.get_name() for t in targets(value, Atspi.RelationType.LABEL_FOR)]
            check(labelled == [], "%r is the label of nothing: %r" % (name, labelled))
        for s in ("Class 7A", "Class 7B"):
            modes = [o for o in values if o.get_name().startswith("Mode of %s: " % s)]
            if check(len(modes) == 1, "one mode value for " + s):
                captions = [t.get_name() for t in targets(modes[0], Atspi.RelationType.LABELLED_BY)]
                check(captions == ["Mode:"], "the mode of %s is labelled by 'Mode:': %r"
                      % (s, captions))
            cycle = one("Standard deviation of %s: population; press for sample" % s,
                        "push button")
            if cycle is not None:
                labels = [t.get_name() for t in targets(cycle, Atspi.RelationType.LABELLED_BY)]
                check(labels == ["Sample/Pop'n:"],
                      "the Cycle button of %s is labelled by its caption only: %r" % (s, labels))

        tables = [o for o, _ in objects if role(o) == "table"]
        check(any((o.get_name() or "").startswith("Table of Class 7A, row 1, Value") for o in tables),
              "the grid is a table named by its set and cursor cell: %r"
              % [o.get_name() for o in tables])
        check(any("Rows with data: 1: " in (o.get_description() or "") for o in tables),
              "the table's description lists its rows")
        # The grid is a table a reader can walk: the example's 25 values of Class 7A
        # and the row to type into, one column under its header, a cell per value.
        grid = next((o for o in tables if (o.get_name() or "").startswith("Table of Class 7A")),
                    None)
        if check(grid is not None and "Table" in grid.get_interfaces(),
                 "the grid has a table interface"):
            size = (Atspi.Table.get_n_rows(grid), Atspi.Table.get_n_columns(grid))
            check(size == (26, 1), "the table has 26 rows and 1 column: %r" % (size,))
            check(grid.get_child_count() == size[0] * size[1],
                  "the table's children are its cells: %d" % grid.get_child_count())
            header = Atspi.Table.get_column_header(grid, 0)
            check(header is not None and header.get_name() == "Value",
                  "the column's header is 'Value': %r" % name_of(header))
            cell = Atspi.Table.get_accessible_at(grid, 2, 0)
            if check(cell is not None, "the table has a cell in row 3"):
                check((role(cell), cell.get_name()) == ("table cell", "9"),
                      "row 3 of Class 7A is a cell reading 9: %r" % ((role(cell), cell.get_name()),))
                check(cell.get_parent() == grid and cell.get_index_in_parent() == 2,
                      "the cell is the table's third child")
            last = Atspi.Table.get_accessible_at(grid, 25, 0)
            check(last is not None and last.get_name() == "",
                  "the last row is empty, to type into: %r" % name_of(last))
        images = {o.get_name(): o for o, _ in objects if role(o) == "image"}
        for name in ("Column graph of Class 7A", "Column graph of Class 7B"):
            if check(name in images, "an image named %r among %r" % (name, list(images))):
                check((images[name].get_description() or "").startswith(name + ". Value axis"),
                      "%r is described" % name)

        # Without a window manager the keyboard goes where the X server's focus is.
        windows = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                  str(proc.pid)], capture_output=True, text=True).stdout.split()
        if not check(len(windows) > 0, "the main window is mapped"):
            return 1
        subprocess.run(["xdotool", "windowfocus", "--sync", windows[0]], check=True)

        # Tab order: from the instructions through the buttons into the table,
        # Ctrl+Tab out of it, then the set switch and the data type.
        instructions = one("Instructions", "text")
        if instructions is None:
            return 1
        Atspi.Component.grab_focus(instructions)
        start = wait_for(lambda: instructions if focused_object(app) == instructions else None,
                         "the instructions to take the focus")
        if not check(start is not None, "the instructions take the focus"):
            return 1
        order = [start]
        current = start
        for _ in range(12):
            if role(current) == "table":
                break
            current = focus_after(app, ["Tab"], current)
            if current is None:
                break
            order.append(current)
        names = [o.get_name() for o in order]
        print("Tab order up to the table: %r" % [(role(o), o.get_name()) for o in order])
        check(current is not None and role(current) == "table", "Tab reaches the table")
        buttons = [n for o, n in zip(order, names) if role(o) == "push button"]
        check(buttons == ["Clear Data", "Print", "Preview", "Auto Data", "Load Data", "Save Data"],
              "the buttons come in reading order before the table: %r" % buttons)
        if current is not None and role(current) == "table":
            # Tab moves among the cells: the focus stays and the cell in the name changes.
            key("Tab")
            check(wait_for(lambda: "row 2" in (current.get_name() or ""), "Tab to row 2", 10.0),
                  "Tab in the values layout moves to the next row: %r" % current.get_name())
            after = focus_after(app, ["ctrl+Tab"], current)
            check(name_of(after) == "Set 1",
                  "Ctrl+Tab leaves the table for Set 1: %r" % name_of(after))
            if name_of(after) == "Set 1":
                # The data type: its inner button has the focus (UNSEEN), or the
                # combo box itself.
                choice = focus_after(app, ["Tab"], after)
                check(choice == UNSEEN or name_of(choice) == "Data type",
                      "Tab goes from the set switch to the data type: %r" % name_of(choice))
                page = focus_after(app, ["Tab"], choice) if choice != UNSEEN else None
                if choice == UNSEEN:
                    key("Tab")
                    page = wait_for(lambda: focused_object(app), "the page on show", 10.0)
                # The tabs stand below the pages: the page on show comes first.
                check(name_of(page) == "Name of Class 7A...",
                      "then Tab goes into the Statistics page: %r" % name_of(page))
                if page is not None:
                    key("shift+Tab")
                    key("shift+Tab")
                    back = wait_for(lambda: (focused_object(app)
                                             if name_of(focused_object(app)) == "Set 1" else None),
                                    "Shift+Tab back to Set 1", 10.0)
                    check(back is not None, "Shift+Tab twice returns to the set switch")
                    table = focus_after(app, ["shift+Tab"], back) if back else None
                    check(table is not None and table != UNSEEN and role(table) == "table",
                          "Shift+Tab returns into the table")
                    if table is not None and table != UNSEEN:
                        out = focus_after(app, ["ctrl+shift+Tab"], table)
                        check(name_of(out) == "Save Data",
                              "Shift+Ctrl+Tab leaves the table backwards for Save Data: %r"
                              % name_of(out))

        # An edit through the keyboard reaches the table's cell: the cursor is in
        # row 2 (8); typing replaces the value.
        if grid is not None and "Table" in grid.get_interfaces():
            Atspi.Component.grab_focus(grid)
            if check(wait_for(lambda: focused_object(app) == grid, "the table's focus", 10.0),
                     "the table takes the focus"):
                for k in ("2", "1", "Return"):
                    key(k)
                edited = wait_for(lambda: Atspi.Table.get_accessible_at(grid, 1, 0).get_name()
                                  == "21", "the edited cell", 10.0)
                check(edited, "the edited cell reads 21: %r"
                      % Atspi.Table.get_accessible_at(grid, 1, 0).get_name())
                check(Atspi.Table.get_n_rows(grid) == 26, "an edit keeps the table's rows")

                # Enter went down to row 3: the cursor's cell is the table's selection.
                def selected():
                    if Atspi.Selection.get_n_selected_children(grid) != 1:
                        return None
                    return Atspi.Selection.get_selected_child(grid, 0)
                cursor = wait_for(lambda: selected() if name_of(selected()) == "9" else None,
                                  "the cursor's cell in row 3", 10.0)
                check(cursor is not None and cursor.get_index_in_parent() == 2,
                      "the cursor's cell (row 3, 9) is the table's selection: %r"
                      % name_of(selected()))

        # The graphs with data take the focus: Ctrl+PageDown turns to the column
        # graphs, and Tab goes from the Col Width button to each graph in turn.
        key("ctrl+Next")
        width = wait_for(lambda: next((o for o, _ in walk(app) if o.get_name() == "Col Width..."
                                       and showing(o)), None), "the Column Graph page", 10.0)
        if check(width is not None, "Ctrl+PageDown shows the Column Graph page"):
            Atspi.Component.grab_focus(width)
            wait_for(lambda: focused_object(app) == width, "the Col Width button's focus", 10.0)
            first = focus_after(app, ["Tab"], width)
            check(name_of(first) == "Column graph of Class 7A",
                  "Tab reaches the first column graph: %r" % name_of(first))
            if first not in (None, UNSEEN):
                second = focus_after(app, ["Tab"], first)
                check(name_of(second) == "Column graph of Class 7B",
                      "Tab reaches the second column graph: %r" % name_of(second))
    finally:
        proc.terminate()
        try:
            proc.wait(timeout=10)
        except subprocess.TimeoutExpired:
            proc.kill()
    if failures:
        print("%d checks failed; the tree is in %s" % (len(failures), dump_path), file=sys.stderr)
        return 1
    print("accessible tree checked")
    return 0


if __name__ == "__main__":
    sys.exit(main())
