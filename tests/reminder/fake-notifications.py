#!/usr/bin/env python3
"""A stand-in for the desktop's notification service on a private session bus.

Each Notify is noted as a line of JSON in the file named by the first argument; the action named
by the second argument (if any) is invoked at once, and every notification is then closed. It
prints "ready" once it owns the service's name."""
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
    app, _replaces, icon, summary, body, actions, hints, _timeout = parameters.unpack()
    shown.append(len(shown) + 1)
    number = shown[-1]
    with open(log, "a", encoding="utf-8") as out:
        out.write(json.dumps({"app": app, "icon": icon, "summary": summary, "body": body,
                              "actions": actions, "entry": hints.get("desktop-entry")},
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
