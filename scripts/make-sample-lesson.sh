#!/usr/bin/env bash
# Makes the sample lesson resources/sample/eg.mp3 and eg.lrc from resources/sample/lesson.txt:
# each English line is spoken by espeak-ng, the pieces are joined with a pause between them, and
# the subtitle times are taken from the lengths of the generated audio. Each English line is
# followed by its Chinese translation line, timed 60% into the spoken sentence.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
dir="$root/resources/sample"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for tool in espeak-ng sox soxi lame; do
    command -v "$tool" >/dev/null || { echo "make-sample-lesson: $tool is missing" >&2; exit 1; }
done

lead_in=0.50  # silence before the first sentence
pause=0.80    # silence after each sentence
rate=22050

stamp() { # seconds -> [mm:ss.xx]
    awk -v s="$1" 'BEGIN { cs = int(s * 100 + 0.5); printf "[%02d:%02d.%02d]", int(cs / 6000), int(cs / 100) % 60, cs % 100 }'
}

lrc="$work/eg.lrc"
printf '[ti:Talking about the weather]\r\n[ar:Kelpwhistle sample lesson]\r\n' >"$lrc"
sox -n -r $rate -c 1 "$work/part-000.wav" trim 0 $lead_in
t=$lead_in
n=0
while IFS=$'\t' read -r english chinese; do
    [[ -z "$english" || "$english" == \#* ]] && continue
    n=$((n + 1))
    part=$(printf '%s/part-%03d' "$work" "$n")
    espeak-ng -v en-us -s 150 -w "$part-speech.wav" "$english"
    sox "$part-speech.wav" -r $rate -c 1 "$part.wav" pad 0 $pause
    spoken=$(soxi -D "$part-speech.wav")
    printf '%s%s\r\n' "$(stamp "$t")" "$english" >>"$lrc"
    printf '%s%s\r\n' "$(stamp "$(awk -v a="$t" -v b="$spoken" 'BEGIN { print a + 0.6 * b }')")" "$chinese" >>"$lrc"
    t=$(awk -v a="$t" -v b="$(soxi -D "$part.wav")" 'BEGIN { printf "%.4f", a + b }')
done <"$dir/lesson.txt"

sox "$work"/part-[0-9][0-9][0-9].wav "$work/eg.wav"
lame --quiet --cbr -b 48 --resample 22.05 -m m "$work/eg.wav" "$dir/eg.mp3"
cp "$lrc" "$dir/eg.lrc"
echo "make-sample-lesson: $n sentences, $(soxi -D "$work/eg.wav") s"
