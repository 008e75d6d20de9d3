#!/usr/bin/env python3
"""A stand-in notification service: notes each Notify in the file argv[1] as JSON, invokes the
action argv[2] (if given) and closes the notice; prints "ready" once it owns the name."""
import json
import sys

from gi.repository import Gio, GLib

INTERFACE = """<node><interface name="org.freedesktop.Notifications">
<method name="Notify"><arg type="s"/><arg type="u"/><arg type="s"/><arg type="s"/><arg type="s"/>
<arg type="as"/><arg type="a{sv}"/><arg type="i"/><arg type="u" direction="out"/></method>
<method name="CloseNotification"><arg type="u"/></method>
<signal name="NotificationClosed"><arg type="u"/><arg type="u"/></signal>
<signal name="ActionInvoked"><arg type="u"/><arg type="s"/></signal>
</interface></node>"""
PATH = "/org/freedesktop/Notifications"
NAME = "org.freedesktop.Notifications"
log = sys.argv[1]
action = sys.argv[2] if len(sys.argv) > 2 else ""
shown = []


def called(bus, _sender, _path, _interface, method, parameters, invocation):
    if method != "Notify":
        invocation.return_value(None)
        return
    _app, _replaces, _icon, summary, body, actions, _hints, _timeout = parameters.unpack()
    shown.append(len(shown) + 1)
    number = shown[-1]
    with open(log, "a", encoding="utf-8") as out:
        out.write(json.dumps({"summary": summary, "body": body, "actions": actions},
                             ensure_ascii=False) + "\n")
    invocation.return_value(GLib.Variant("(u)", (number,)))

    def answer():
        if action:
            bus.emit_signal(None, PATH, NAME, "ActionInvoked", GLib.Variant("(us)", (number, action)))
        bus.emit_signal(None, PATH, NAME, "NotificationClosed", GLib.Variant("(uu)", (number, 2)))
        return False
    GLib.idle_add(answer)


def bus_acquired(bus, _name):
    info = Gio.DBusNodeInfo.new_for_xml(INTERFACE).interfaces[0]
    bus.register_object(PATH, info, called, None, None)


Gio.bus_own_name(Gio.BusType.SESSION, NAME, Gio.BusNameOwnerFlags.NONE, bus_acquired,
                 lambda *_: print("ready", flush=True), lambda *_: sys.exit(1))
GLib.MainLoop().run()
