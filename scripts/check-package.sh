#!/bin/bash
# Builds the Debian package, installs it with apt-get as a user would, converts generated OGG
# files with the installed program and no display, checks the results, and removes the
# package again. Run as root (CI is).
set -euo pipefail
cd "$(dirname "$0")/.."

fail() {
    echo "check-package: $*" >&2
    exit 1
}

make package
debs=(build/lorvane_*_amd64.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one build/lorvane_*_amd64.deb"
deb="$PWD/${debs[0]}"
version=$(sed -n 's/^project(Lorvane VERSION \([0-9.]*\).*/\1/p' CMakeLists.txt)
[ "$(basename "$deb")" = "lorvane_${version}_amd64.deb" ] || fail "package named $(basename "$deb")"

# The AppStream id and the addresses are the build's options; no placeholder may reach users.
appstream_id=$(sed -n 's/^LORVANE_APPSTREAM_ID:STRING=//p' build/CMakeCache.txt)
[ -n "$appstream_id" ] || fail "the build names no AppStream id"
control=$(dpkg-deb -f "$deb")
! grep -qi "example\.com" <<<"$control" || fail "a placeholder address in the package: $control"

contents=$(dpkg-deb -c "$deb")
for path in ./usr/bin/lorvane ./usr/lib/lorvane/lorvane ./usr/lib/lorvane/lorvane-window \
    ./usr/lib/lorvane/HAND-M.CUR \
    ./usr/share/applications/lorvane.desktop "./usr/share/metainfo/$appstream_id.metainfo.xml" \
    ./usr/share/man/man1/lorvane.1.gz ./usr/share/icons/hicolor/48x48/apps/lorvane.png \
    ./usr/share/bash-completion/completions/lorvane ./usr/share/zsh/vendor-completions/_lorvane \
    ./usr/share/fish/vendor_completions.d/lorvane.fish; do
    grep -q " $path\( \|$\)" <<<"$contents" || fail "the package lacks $path"
done
depends=$(dpkg-deb -f "$deb" Depends)
for dep in ffmpeg fonts-liberation qt6-qpa-plugins qt6-wayland libqt6widgets6 libc6 \
    libvorbisfile3 libopusfile0; do
    grep -Eq "(^|, )$dep( |,|$)" <<<"$depends" || fail "Depends lacks $dep: $depends"
done

# The dependencies come from the archive: without package lists apt-get cannot find them.
for dep in ffmpeg fonts-liberation qt6-qpa-plugins qt6-wayland; do
    if ! dpkg-query -W -f='${Status}' "$dep" 2>/dev/null | grep -q "ok installed"; then
        env DEBIAN_FRONTEND=noninteractive apt-get update -q
        break
    fi
done
env DEBIAN_FRONTEND=noninteractive apt-get install -y -q "$deb"
work=$(mktemp -d /tmp/lorvane-package.XXXXXX)
trap 'rm -rf "$work"; env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q lorvane >/dev/null' EXIT

appstreamcli validate --no-net "/usr/share/metainfo/$appstream_id.metainfo.xml"
desktop-file-validate /usr/share/applications/lorvane.desktop
man -w lorvane >/dev/null || fail "man lorvane finds no page"

unset DISPLAY WAYLAND_DISPLAY
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
mkdir -p "$HOME" "$work/in/sub" "$work/out"
lorvane --version | grep -qx "lorvane (Lorvane) $version" || fail "lorvane --version: $(lorvane --version)"
bash --norc -c 'source /usr/share/bash-completion/completions/lorvane && complete -p lorvane' |
    grep -qx "complete -F _lorvane lorvane" || fail "the bash completion does not load"

# The window without a display: one line and status 2, no abort.
status=0
lorvane 2>"$work/log" || status=$?
[ "$status" -eq 2 ] && [ "$(wc -l <"$work/log")" -eq 1 ] &&
    grep -q "needs a graphical session" "$work/log" ||
    fail "the window without a display gave status $status: $(cat "$work/log")"

make_ogg() {  # PATH RATE CHANNELS
    ffmpeg -nostdin -v error -y -f lavfi -i "sine=frequency=440:sample_rate=$2:duration=0.5" \
        -ac "$3" -c:a libvorbis "$1"
}
make_ogg "$work/in/a.ogg" 44100 2
make_ogg "$work/in/b.ogg" 22050 1
make_ogg "$work/in/sub/c.ogg" 8000 1
echo "not audio" >"$work/in/notes.txt"

lorvane --convert --format "16-bit PCM" --output-folder "$work/out" "$work/in" 2>"$work/log" ||
    fail "the batch conversion failed: $(cat "$work/log")"
for expect in "a 44100 2" "b 22050 1" "c 8000 1"; do
    read -r name rate channels <<<"$expect"
    probe=$(ffprobe -v error -select_streams a:0 -show_entries stream=codec_name,sample_rate,channels \
        -of csv=p=0 "$work/out/$name.wav") || fail "$name.wav is not a readable WAV file"
    [ "$probe" = "pcm_s16le,$rate,$channels" ] || fail "$name.wav: $probe"
done
[ "$(ls "$work/out" | wc -l)" -eq 3 ] || fail "unexpected results: $(ls "$work/out")"

# A file that is no audio is named with its reason, and the status says so.
status=0
lorvane --convert --beside-source "$work/in/a.ogg" "$work/in/notes.txt" 2>"$work/log" || status=$?
[ "$status" -eq 1 ] || fail "a corrupt source gave status $status"
grep -q "not converted: $work/in/notes.txt" "$work/log" || fail "no reason given: $(cat "$work/log")"
[ ! -e "$HOME/.config/Merrowind/Lorvane.conf" ] || fail "the batch mode wrote the settings"

trap 'rm -rf "$work"' EXIT
env DEBIAN_FRONTEND=noninteractive apt-get purge -y -q lorvane
for path in /usr/bin/lorvane /usr/lib/lorvane /usr/share/applications/lorvane.desktop; do
    [ ! -e "$path" ] || fail "$path is still there after the purge"
done
echo "check-package: $(basename "$deb") installs, converts without a display and removes cleanly"
