#!/usr/bin/python3
# The settings portal's "color-scheme" (the argument) on the session bus it is started in. Prints
# "ready ADDRESS"; an input line is a new scheme, announced, or "old": no ReadOne, as older portals.
import os, sys
from gi.repository import Gio, GLib

INTERFACE = 'org.freedesktop.portal.Settings'
NODE = Gio.DBusNodeInfo.new_for_xml(f"""<node><interface name='{INTERFACE}'>
<method name='ReadOne'><arg type='s'/><arg type='s'/><arg type='v' direction='out'/></method>
<method name='Read'><arg type='s'/><arg type='s'/><arg type='v' direction='out'/></method>
<signal name='SettingChanged'><arg type='s'/><arg type='s'/><arg type='v'/></signal></interface></node>""")
state = {'scheme': int(sys.argv[1]), 'old': False}
bus = Gio.bus_get_sync(Gio.BusType.SESSION)

def answer(connection, sender, path, interface, method, arguments, call):
    if method == 'ReadOne' and state['old']:
        return call.return_dbus_error('org.freedesktop.DBus.Error.UnknownMethod', 'no ReadOne')
    value = GLib.Variant('u', state['scheme'])
    call.return_value(GLib.Variant('(v)', (GLib.Variant('v', value) if method == 'Read' else value,)))

def read(source, condition):
    words = os.read(0, 4096).decode().split()
    for word in words:
        if word == 'old':
            state['old'] = True
            continue
        state['scheme'] = int(word)
        bus.emit_signal(None, '/org/freedesktop/portal/desktop', INTERFACE, 'SettingChanged',
                        GLib.Variant('(ssv)', ('org.freedesktop.appearance', 'color-scheme',
                                               GLib.Variant('u', state['scheme']))))
    if not words:
        loop.quit()
    return bool(words)

bus.register_object('/org/freedesktop/portal/desktop', NODE.interfaces[0], answer, None, None)
loop = GLib.MainLoop()
Gio.bus_own_name_on_connection(bus, 'org.freedesktop.portal.Desktop', Gio.BusNameOwnerFlags.NONE,
                               lambda *_: print('ready', os.environ['DBUS_SESSION_BUS_ADDRESS'], flush=True), None)
GLib.io_add_watch(0, GLib.IO_IN | GLib.IO_HUP, read)
loop.run()
