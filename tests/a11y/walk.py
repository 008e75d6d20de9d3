# The real program as a screen reader meets it, through AT-SPI: the controls of the main window and
# of each dialog the menus open have names, the grid is a table, and a question is read, answered
# and its verdict read back. walk.py PROGRAM LIST, under xvfb-run and dbus-run-session (which starts
# the accessibility bus); 77 (skipped) without the bindings or the bus.
import os, shutil, subprocess, sys, tempfile, time
try:
    import pyatspi as P
    from gi.repository import Atspi
except ImportError:
    sys.exit(print("pyatspi is not installed (package python3-pyatspi): test skipped.") or 77)
if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
    sys.exit(print("no accessibility bus (package at-spi2-core): test skipped.") or 77)
CONTROLS = {P.ROLE_PUSH_BUTTON, P.ROLE_TOGGLE_BUTTON, P.ROLE_CHECK_BOX, P.ROLE_RADIO_BUTTON, P.ROLE_COMBO_BOX,
            P.ROLE_SPIN_BUTTON, P.ROLE_TEXT, P.ROLE_LIST, P.ROLE_TABLE, P.ROLE_TREE, P.ROLE_PAGE_TAB, P.ROLE_SLIDER}
faults = []

def wait_for(what, seconds=10.0):
    end = time.monotonic() + seconds
    while not (found := what()) and time.monotonic() < end:
        time.sleep(0.05)
    return found

def kids(obj):
    return [obj.getChildAtIndex(i) for i in range(obj.childCount)]

def find(obj, test, hidden=False):
    """What passes test(obj, states) from obj down, showing unless hidden; never into a table (it
    manages its descendants: a million rows are not to be asked for)."""
    state = obj.getState()
    if not (hidden or state.contains(P.STATE_SHOWING)):
        return []
    hits = [obj] if test(obj, state) else []
    for child in [] if state.contains(P.STATE_MANAGES_DESCENDANTS) else kids(obj):
        hits += find(child, test, hidden)
    return hits

def unnamed(obj, state):
    """A control with no name and no label. A focusable filler (a tab widget) hands its focus on; a
    box in a combo box is read with it."""
    role = obj.getRole()
    if not (role in CONTROLS or state.contains(P.STATE_FOCUSABLE) and role != P.ROLE_FILLER) or obj.name.strip():
        return False
    labelled = any(r.getRelationType() == P.RELATION_LABELLED_BY for r in obj.getRelationSet())
    return not labelled and obj.parent.getRole() != P.ROLE_COMBO_BOX

def check_names(where, window):
    faults.extend("%s: a %s with no name in '%s'" % (where, o.getRoleName(), o.parent.name) for o in find(window, unnamed))

def press(obj):
    """Its first action. A command that opens a modal dialog answers when the dialog closes: the call
    is left to time out, the dialog stays."""
    Atspi.set_timeout(250, 0)
    try:
        obj.queryAction().doAction(0)
    except Exception:
        pass
    Atspi.set_timeout(3000, 0)

def named(window, role, name):
    return next(iter(find(window, lambda o, _: o.getRole() == role and o.name == name)), None)

def run(app):
    main = wait_for(lambda: next((w for w in kids(app) if w.getState().contains(P.STATE_SHOWING)), None))
    check_names("main window", main)
    items = find(main, lambda o, s: o.getRole() in (P.ROLE_MENU_ITEM, P.ROLE_CHECK_MENU_ITEM)
                 and s.contains(P.STATE_SENSITIVE), True)
    # The file chooser is the desktop's, not the program's.
    dialogs = [i for i in items if i.name.endswith("...") and i.name not in ("Open...", "Import...", "Save As...", "Print...")]
    if len(dialogs) < 10:
        faults.append("only %d commands open a dialog" % len(dialogs))
    for item in dialogs:
        before = set(kids(app))
        press(item)
        window = wait_for(lambda: next((w for w in kids(app) if w not in before), None))
        check_names(item.name, window)
        # Its own module draws these: a message in their place means the module did not load.
        if item.name in ("Review Progress...", "Export Deck Package...") and window.name != item.name[:-3]:
            faults.append("%s opened '%s'" % (item.name, window.name))
        press(next(filter(None, (named(window, P.ROLE_PUSH_BUTTON, n) for n in ("Cancel", "Close", "OK")))))
        if not wait_for(lambda: not window.getState().contains(P.STATE_SHOWING)):
            return faults.append(item.name + " did not close")
    for offered in ("Review Progress...", "Export Deck Package..."):
        if not any(i.name == offered for i in dialogs):
            faults.append(offered + " is not offered")
    # The help viewer comes from the same module, in a window of its own.
    before = set(kids(app))
    press(next(i for i in items if i.name == "Help Topics"))
    help = wait_for(lambda: next((w for w in kids(app) if w not in before and w.getState().contains(P.STATE_SHOWING)), None))
    if not help or not help.name.startswith("Velmoria Help"):
        return faults.append("Help Topics opened '%s'" % (help and help.name))
    press(next(i for i in items if i.name == "Start Testing"))
    question = wait_for(lambda: find(main, lambda o, _: o.description == "Question" and o.name))
    field = find(main, lambda o, _: o.getRole() == P.ROLE_TEXT and o.name in ("Translations:", "Word/phrase:"))
    if not question or not field or question[0].name not in field[0].description:
        return faults.append("the question is not read from the answer field")
    field[0].queryEditableText().setTextContents("zzz")
    press(named(main, P.ROLE_PUSH_BUTTON, "Enter"))
    button = wait_for(lambda: named(main, P.ROLE_PUSH_BUTTON, "Continue"))
    shown = field[0].queryText().getText(0, -1)
    print("%d dialogs; question '%s', verdict '%s'" % (len(dialogs), question[0].name, button and button.description))
    if not button or not shown or not button.description.startswith("Wrong! " + shown):
        faults.append("the verdict read from Continue does not tell the answer the field shows")

started = time.monotonic()
# Settings, history and recovery copies in a folder of their own; the answer goes to a copy.
home = tempfile.TemporaryDirectory()
os.environ.update({"HOME": home.name, "XDG_CONFIG_HOME": home.name + "/c", "XDG_DATA_HOME": home.name + "/d",
                   "XDG_CACHE_HOME": home.name + "/k", "QT_QPA_PLATFORM": "xcb", "LANGUAGE": "en",
                   "QT_LINUX_ACCESSIBILITY_ALWAYS_ON": "1"})
program = subprocess.Popen([sys.argv[1], shutil.copy(sys.argv[2], home.name)])
try:
    app = wait_for(lambda: next((a for a in kids(P.Registry.getDesktop(0))
                                 if a.get_process_id() == program.pid and a.childCount), None), 20)
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
