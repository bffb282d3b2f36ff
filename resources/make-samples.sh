#!/bin/sh
# Makes the example files that come with Lorvane (resources/Samples): a few seconds each of a
# tone, a chord and a spoken phrase, as small mono Ogg Vorbis files. Run it again to remake
# them; the build copies the folder next to the program.
set -eu
cd "$(dirname "$0")"
out=Samples
mkdir -p "$out"

encode() {  # encode INPUT-OPTIONS... OUTPUT: mono, 22.05 kHz, lowest Vorbis quality
    output=$1
    shift
    ffmpeg -hide_banner -loglevel error -y "$@" -ac 1 -ar 22050 -c:a libvorbis -q:a 0 \
        -map_metadata -1 -fflags +bitexact -flags:a +bitexact "$output"
}

encode "$out/Tone A4.ogg" -f lavfi -i "sine=frequency=440:duration=2" \
    -af "afade=t=in:d=0.05,afade=t=out:st=1.8:d=0.2"

encode "$out/Chord C major.ogg" \
    -f lavfi -i "sine=frequency=261.63:duration=3" \
    -f lavfi -i "sine=frequency=329.63:duration=3" \
    -f lavfi -i "sine=frequency=392.00:duration=3" \
    -filter_complex "amix=inputs=3,afade=t=in:d=0.05,afade=t=out:st=2.6:d=0.4"

if command -v espeak-ng >/dev/null 2>&1; then
    phrase=$(mktemp --suffix=.wav)
    espeak-ng -v en -s 150 -w "$phrase" "This is a sample file for Lorvane. Convert me to a wave file."
    encode "$out/Voice.ogg" -i "$phrase"
    rm -f "$phrase"
else
    echo "espeak-ng is not installed: no voice sample made" >&2
fi

ls -l "$out"
