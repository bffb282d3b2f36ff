#!/bin/sh
# Takes docs/screenshot.png: the real window, started fresh (default settings, empty list)
# under a virtual X server and cut out of the screen. Needs xvfb and imagemagick.
set -eu
cd "$(dirname "$0")/.."
build=${BUILD:-build}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p docs "$work/config"

HOME=/home/user XDG_CONFIG_HOME="$work/config" \
    xvfb-run -a -s "-screen 0 640x600x24" sh -c "
        '$build/bin/lorvane' & pid=\$!
        sleep 3
        import -window root '$work/screen.png'
        kill \$pid"

# No window manager runs, so the window sits undecorated on the black screen.
convert "$work/screen.png" -trim +repage -strip -colors 128 docs/screenshot.png
echo "docs/screenshot.png: $(identify -format '%wx%h' docs/screenshot.png), $(wc -c < docs/screenshot.png) bytes"
