"""What a screen reader hears of the main window on Linux: a listener on the accessibility bus,
registered before the window starts (Qt tells the bus only what someone listens for), requires a
notification showing with each new result's text, and nothing for a Convert that the disclaimer
stops. Runs inside its own session bus and X server.
Usage: announce_test.py DRIVER"""
import os
import subprocess
import sys

import pyatspi
from gi.repository import GLib

DRIVER = sys.argv[1]
heard = []
driver = []


def hear(event):
    source = event.source
    if (event.detail1 == 1 and source is not None
            and source.getRoleName() == 'notification'):
        # Its name as the window says it now, not as the bus last carried it.
        source.clear_cache()
        heard.append(source.name)


def start():
    env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', QT_QPA_PLATFORM='xcb')
    driver.append(subprocess.Popen([DRIVER], env=env))
    GLib.timeout_add(200, stop_when_done)
    return False


def stop_when_done():
    if driver[0].poll() is None:
        return True
    # What the bus still carries of the last step.
    GLib.timeout_add(500, pyatspi.Registry.stop)
    return False


pyatspi.Registry.registerEventListener(hear, 'object:state-changed:showing')
GLib.timeout_add(1500, start)
GLib.timeout_add_seconds(30, pyatspi.Registry.stop)
pyatspi.Registry.start()

wanted = ['1.133980925', '1.133980925', '1.81436948']
print('heard:', heard)
if driver and driver[0].returncode != 0:
    sys.exit(f'the window ended with status {driver[0].returncode}')
if heard != wanted:
    sys.exit(f'heard {heard}, wanted {wanted}')
