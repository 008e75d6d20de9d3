# The program as a screen reader meets it, through AT-SPI: every control of the main window and of
# each dialog the menus open has a name, the grid is a table, and a question of a test is read,
# answered and its verdict read back. walk.py PROGRAM LIST, on a private X server and session bus
# (tests/CMakeLists.txt), which starts the accessibility bus; exit 77 (skipped) without them.
import os, shutil, subprocess, sys, tempfile, time
try:
    import pyatspi
    from gi.repository import Atspi
except ImportError:
    sys.exit(print("pyatspi is not installed (package python3-pyatspi): screen-reader test skipped.") or 77)
if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
    sys.exit(print("no accessibility bus (package at-spi2-core): screen-reader test skipped.") or 77)

S = R = pyatspi  # the states' and the roles' names
CONTROLS = {R.ROLE_PUSH_BUTTON, R.ROLE_TOGGLE_BUTTON, R.ROLE_CHECK_BOX, R.ROLE_RADIO_BUTTON, R.ROLE_COMBO_BOX,
            R.ROLE_SPIN_BUTTON, R.ROLE_TEXT, R.ROLE_LIST, R.ROLE_TABLE, R.ROLE_TREE, R.ROLE_PAGE_TAB,
            R.ROLE_SLIDER, R.ROLE_MENU_ITEM, R.ROLE_CHECK_MENU_ITEM, R.ROLE_MENU}
faults = []


def wait_for(what, seconds=3.0):
    end = time.monotonic() + seconds
    while not (found := what()) and time.monotonic() < end:
        time.sleep(0.05)
    return found


def kids(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]


def showing(obj):
    return obj.getState().contains(S.STATE_SHOWING)


def find(obj, test, hidden=False):
    """The objects from obj down that pass test(obj, states); never a table's cells (it manages its
    descendants: a million rows are not to be asked for), nor what is not showing unless hidden."""
    state = obj.getState()
    if not (hidden or state.contains(S.STATE_SHOWING)):
        return []
    hits = [obj] if test(obj, state) else []
    if not state.contains(S.STATE_MANAGES_DESCENDANTS):
        for child in kids(obj):
            hits += find(child, test, hidden)
    return hits


def unnamed(obj, state):
    """A control without a name or a label. A focusable filler (a tab widget) hands its focus on, and
    a box inside a combo box is read with it."""
    role = obj.getRole()
    if not (role in CONTROLS or state.contains(S.STATE_FOCUSABLE) and role != R.ROLE_FILLER) or obj.name.strip():
        return False
    labelled = any(r.getRelationType() == R.RELATION_LABELLED_BY for r in obj.getRelationSet())
    return not labelled and obj.parent.getRole() != R.ROLE_COMBO_BOX


def check_names(where, window):
    for obj in find(window, unnamed):
        faults.append("%s: a %s without a name under '%s'" % (where, obj.getRoleName(), obj.parent.name))


def press(obj):
    """Its first action. A command that opens a modal dialog answers only when the dialog closes:
    the call is left to time out and the dialog stays."""
    Atspi.set_timeout(250, 0)
    try:
        obj.queryAction().doAction(0)
    except Exception:
        pass
    Atspi.set_timeout(3000, 0)


def named(window, role, name):
    return next(iter(find(window, lambda o, _: o.getRole() == role and o.name == name)), None)


def run(app):
    main = wait_for(lambda: next(iter(filter(showing, kids(app))), None))
    check_names("main window", main)
    grid = find(main, lambda o, _: o.getRole() == R.ROLE_TABLE)
    if not grid or grid[0].queryTable().nRows < 2 or not grid[0].queryTable().getAccessibleAt(0, 0).name:
        faults.append("the list is no table of named rows")
    items = find(main, lambda o, state: o.getRole() in (R.ROLE_MENU_ITEM, R.ROLE_CHECK_MENU_ITEM)
                 and state.contains(S.STATE_SENSITIVE), True)
    # The file chooser is the desktop's, not this program's.
    dialogs = [i for i in items if i.name.endswith("...") and i.name not in ("Open...", "Import...", "Save As...", "Print...")]
    for item in dialogs:
        before = set(kids(app))
        press(item)
        window = wait_for(lambda: next((w for w in kids(app) if w not in before and showing(w)), None))
        if not window:
            faults.append("no window for " + item.name)
            continue
        check_names(item.name, window)
        close = [b for n in ("Cancel", "Close", "OK") if (b := named(window, R.ROLE_PUSH_BUTTON, n))]
        press(close[0]) if close else None
        if not wait_for(lambda: not showing(window)):
            return faults.append(item.name + " did not close")
    if len(dialogs) < 10:
        faults.append("only %d commands open a dialog" % len(dialogs))
    press(next(i for i in items if i.name == "Start Testing"))
    question = wait_for(lambda: find(main, lambda o, _: o.description == "Question" and o.name))
    field = find(main, lambda o, _: o.getRole() == R.ROLE_TEXT and o.name in ("Translations:", "Word/phrase:"))
    if not question or not field or question[0].name not in field[0].description:
        return faults.append("the question is not read from the answer field")
    field[0].queryEditableText().setTextContents("zzz")
    press(named(main, R.ROLE_PUSH_BUTTON, "Enter"))
    button = wait_for(lambda: named(main, R.ROLE_PUSH_BUTTON, "Continue"))
    shown = field[0].queryText().getText(0, -1)
    print("%d dialogs; question '%s', verdict '%s'" % (len(dialogs), question[0].name, button.description if button else ""))
    if not button or not shown or not button.description.startswith("Wrong! " + shown):
        faults.append("the verdict read from Continue does not tell the answer the field shows")


started = time.monotonic()
# Settings, history and recovery copies go to a folder of its own, and the answer to a copy.
home = tempfile.TemporaryDirectory()
os.environ.update({"HOME": home.name, "XDG_CONFIG_HOME": home.name + "/config", "QT_QPA_PLATFORM": "xcb",
                   "XDG_DATA_HOME": home.name + "/data", "XDG_CACHE_HOME": home.name + "/cache",
                   "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1", "LANGUAGE": "en"})
program = subprocess.Popen([sys.argv[1], shutil.copy(sys.argv[2], home.name)])
try:
    app = wait_for(lambda: next((a for a in kids(pyatspi.Registry.getDesktop(0))
                                 if a.get_process_id() == program.pid and a.childCount), None), 8)
    run(app) if app else faults.append("the program is not on the accessibility bus")
finally:
    program.terminate()
    try:
        program.wait(5)
    except subprocess.TimeoutExpired:
        program.kill()
    home.cleanup()
print("\n".join(faults), "\n%.1f s" % (time.monotonic() - started))
sys.exit(1 if faults else 0)
