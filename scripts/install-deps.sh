#!/bin/sh
# Installs the Debian packages Lorvane needs to build, run and test, skipping the work when
# every one of them is already there.
set -eu

# qt6-wayland lets the program start on a Wayland-only session; fonts-liberation stands in
# for Arial, the window's designed font; libvorbis-dev and libopusfile-dev read a Vorbis or
# Opus file's length and comments. weston (headless), xvfb and xdotool let the tests start
# the real program on Wayland and on X11;
# dpkg-dev, file, appstream and desktop-file-utils build and check the Debian package;
# dbus-daemon gives the tests a private session bus for the desktop's services and, with
# at-spi2-core and python3-pyatspi, lets a test read the window's real accessibility tree.
# clang-format checks that the code keeps its format (CI).
# zsh and fish let the tests run the shell completions as those shells do.
# dosfstools and fusefat give the tests a case-insensitive FAT folder without the kernel's vfat.
# vorbis-tools (oggenc) encodes part of the tests' corpus, as most of our users' files are.
# qt6-tools-dev and qt6-l10n-tools build the translations (CMake's qt_add_translations, lrelease,
# and lupdate for `make translations`);
# qt6-translations-l10n gives Qt's own dialogs in the user's language; fonts-wqy-microhei
# draws the Chinese, Japanese and Korean texts, so the tests can measure them.
packages="cmake make g++ pkg-config qt6-base-dev qt6-qpa-plugins qt6-wayland ffmpeg \
fonts-liberation libsndfile1-dev libvorbis-dev libopusfile-dev util-linux weston xvfb xdotool \
dpkg-dev file appstream desktop-file-utils dbus-daemon \
at-spi2-core python3-pyatspi clang-format dosfstools fusefat vorbis-tools zsh fish \
qt6-tools-dev qt6-l10n-tools qt6-translations-l10n fonts-wqy-microhei"

missing=""
for p in $packages; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "ok installed"; then
        missing="$missing $p"
    fi
done
[ -z "$missing" ] && exit 0

echo "Installing:$missing"
if [ "$(id -u)" -eq 0 ]; then
    sudo=""
elif command -v sudo >/dev/null 2>&1; then
    sudo="sudo"
else
    echo "These packages are missing and there is no sudo to install them:$missing" >&2
    exit 1
fi
$sudo env DEBIAN_FRONTEND=noninteractive apt-get update -q
# shellcheck disable=SC2086
$sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing
