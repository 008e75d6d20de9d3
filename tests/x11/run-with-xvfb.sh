#!/bin/sh
# Runs a test program on a private X server that ends with it. Exit status 77 (skipped) when no
# X server or xprop can be had.
for tool in Xvfb xvfb-run xprop; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "$tool is not installed (packages xvfb, x11-utils): X11 window test skipped."
        exit 77
    fi
done
unset WAYLAND_DISPLAY
# -a picks a free display number; xvfb-run stops the server when the program ends.
exec timeout -k 10 120 xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" "$@"
