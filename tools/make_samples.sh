#!/usr/bin/env bash
# Regenerates, byte for byte, the sample runs of fichiers/ and the tick sound
# ding1.wav and the alarm sound alarme.wav from the simulator and the sound generator with fixed seeds.
#
#   bash tools/make_samples.sh           rewrite the files in the source tree
#   bash tools/make_samples.sh --check   regenerate into a temporary folder and
#                                        compare with the committed files
#
# The two programs are built from tools/ into build-tools/ (Qt is not needed),
# unless VORNS_ACQUISITION and VORNS_DING name programs that are already built.
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
mode="${1:-write}"
case "$mode" in
  write|--check) ;;
  *) echo "usage: $0 [--check]" >&2; exit 2 ;;
esac

acquisition="${VORNS_ACQUISITION:-}"
ding="${VORNS_DING:-}"
if [[ -z "$acquisition" || -z "$ding" ]]; then
  cmake -S "$root/tools" -B "$root/build-tools" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
  cmake --build "$root/build-tools" -j 2 --target vorns-acquisition vorns-ding >/dev/null
  acquisition="$root/build-tools/acquisition/vorns-acquisition"
  ding="$root/build-tools/ding/vorns-ding"
fi

if [[ "$mode" == --check ]]; then
  out="$(mktemp -d)"
  trap 'rm -rf "$out"' EXIT
else
  out="$root"
fi
mkdir -p "$out/fichiers"
f="$out/fichiers"

# The seeds are chosen so that the second event does not fall in the same
# second as the first one (the time origin): a reader takes an event at the
# origin's own second for one on the next day.

# A muon-lifetime-like run: 2.197 us in units of 10 ns, 3 % flat background.
"$acquisition" --output "$f/muon_run.txt" --events 3000 --rate 0.5 --lifetime 219.7 \
  --background 0.03 --max-duration 2000 --decimals 1 --start 10:00:00 --seed 2 \
  --date 2024-03-14

# A run that crosses midnight.
"$acquisition" --output "$f/minuit.txt" --events 1500 --rate 0.5 --lifetime 219.7 \
  --background 0.02 --decimals 1 --start 23:40:00 --seed 3 --date 2024-03-15

# A run that ends on a SAUVEGARDE line.
"$acquisition" --output "$f/sauvegarde.txt" --events 500 --rate 0.5 --lifetime 219.7 \
  --decimals 1 --start 14:05:00 --seed 5 --sauvegarde --date 2024-03-18

# Comment lines among the data, and a decimal comma.
"$acquisition" --output "$f/commentaires.txt" --events 600 --rate 0.5 --lifetime 219.7 \
  --decimals 2 --comma --comment-every 100 --start 9:15:00 --seed 6 --date 2024-03-19

# A run with its comment file.
"$acquisition" --output "$f/avec_commentaire.txt" --events 800 --rate 0.5 --lifetime 219.7 \
  --background 0.02 --decimals 1 --start 16:30:00 --seed 8 --date 2024-03-20

# The formats of other apparatus, in UTC so that their Unix seconds are the
# same wherever they are made: two integers a line (decays in ns and a count
# record each second), and decay lines (asctime dates, microseconds).
TZ=UTC "$acquisition" --output "$f/deux_entiers.txt" --format two-integers --events 400 --rate 0.5 \
  --lifetime 219.7 --background 0.02 --muons 8 --start 21:50:00 --seed 9 --date 2024-03-21
TZ=UTC "$acquisition" --output "$f/lignes_decay.txt" --format decay-lines --events 400 --rate 0.5 \
  --lifetime 219.7 --background 0.02 --comment-every 100 --start 23:55:00 --seed 10 --date 2024-03-22

# The comment file: Windows-1252 text (\351 is "é", \265 is "µ"), CR LF line ends.
printf '%b\r\n' \
  'Run de d\351monstration \351crit par vorns-acquisition (graine 8).' \
  'Montage : deux scintillateurs plastiques empil\351s, lus par deux photomultiplicateurs.' \
  'Mesure : dur\351e entre l'"'"'arr\352t d'"'"'un muon et le signal de sa d\351sint\351gration,' \
  'en unit\351s de 10 ns ; fen\352tre de mesure 20 \265s.' \
  'Date : 2024-03-20, d\351part 16:30:00, environ 27 minutes d'"'"'acquisition.' \
  > "$f/avec_commentaire.comment"

"$ding" "$out/ding1.wav"
"$ding" --alarm "$out/alarme.wav"

if [[ "$mode" == --check ]]; then
  status=0
  for file in fichiers/muon_run.txt fichiers/minuit.txt fichiers/sauvegarde.txt \
              fichiers/commentaires.txt fichiers/avec_commentaire.txt \
              fichiers/avec_commentaire.comment fichiers/deux_entiers.txt fichiers/lignes_decay.txt \
              ding1.wav alarme.wav; do
    if cmp -s "$out/$file" "$root/$file"; then
      echo "same:    $file"
    else
      echo "differs: $file"
      status=1
    fi
  done
  exit "$status"
fi
