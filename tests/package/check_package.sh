#!/usr/bin/env bash
# check_package.sh DEB DRIVER: checks the Debian package as a user's machine
# would get it. Unpacks DEB into a temporary root, checks its file list, its
# version and its computed Depends, its licence, changelog and manual pages,
# validates the desktop entry and the metainfo, then starts the unpacked vorns
# on Qt's offscreen platform with an empty home folder, first as a user who
# cannot write the program folder, then as one who can (root). DRIVER
# (libvorns_drive.so, built beside the tests) plays the person: it changes the
# window colour, chooses a sample run, exports a plot and reports what the
# window shows. The settings must land in the user's configuration folder, be
# read back from there at the next start, the export in a folder the user can
# write, nothing beside the installed program or its samples, and the figures
# must be those of the run.
set -euo pipefail
deb="$(realpath "$1")"
driver_built="$(realpath "$2")"
source_dir="$(cd "$(dirname "$0")/../.." && pwd)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "check_package: $*" >&2; exit 1; }

version="$(sed -n 's/^project(vorns VERSION \([0-9.]*\).*/\1/p' "$source_dir/CMakeLists.txt")"
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || fail "package version is not $version"
[ "$(basename "$deb")" = "vorns_${version}_$(dpkg --print-architecture).deb" ] || fail "unexpected name $(basename "$deb")"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks the Qt libraries: $(dpkg-deb -f "$deb" Depends)"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6serialport6' || fail "Depends lacks Qt's serial port: $(dpkg-deb -f "$deb" Depends)"

root="$work/root"
dpkg-deb -x "$deb" "$root"
expected="./usr/bin/vorns
./usr/bin/vorns-acquisition
./usr/bin/vorns-daq-card
./usr/bin/vorns-fit
./usr/lib/vorns/vorns-fit-report
./usr/share/applications/org.vorns.vorns.desktop
./usr/share/icons/hicolor/256x256/apps/vorns.png
./usr/share/icons/hicolor/48x48/apps/vorns.png
./usr/share/icons/hicolor/scalable/apps/vorns.svg
./usr/share/man/man1/vorns-fit.1.gz
./usr/share/man/man1/vorns.1.gz
./usr/share/metainfo/org.vorns.vorns.metainfo.xml
./usr/share/vorns/alarme.wav
./usr/share/vorns/ding1.wav
./usr/share/vorns/translations/vorns_de.qm
./usr/share/vorns/translations/vorns_en.qm
./usr/share/vorns/translations/vorns_fr.qm
$(cd "$source_dir" && find fichiers -type f | sed 's|^|./usr/share/vorns/|')"
expected="$expected
./usr/share/doc/vorns/README.md
./usr/share/doc/vorns/changelog.gz
./usr/share/doc/vorns/copyright
$(cd "$source_dir" && grep -o 'docs/[A-Za-z0-9_.-]*[.]png' README.md | sort -u | sed 's|^|./usr/share/doc/vorns/|')
./usr/share/man/man1/vorns-acquisition.1.gz
./usr/share/man/man1/vorns-daq-card.1.gz"
same_files() {  # same_files WHEN: the unpacked tree holds exactly the packaged files
  diff <(echo "$expected" | sort) <(cd "$root" && find . -type f | sort) || fail "file list $1 (- expected, + found)"
}
same_files "of the package"

# The licence in Debian's machine-readable form, a native package's changelog
# (gzip -9n: no name, no time stamp) whose last entry is this version, and a
# manual page for each program that documents --version.
doc="$root/usr/share/doc/vorns"
[ "$(head -n 1 "$doc/copyright")" = "Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/" ] &&
  grep -qx "Upstream-Name: vorns" "$doc/copyright" && grep -qx "Files: \*" "$doc/copyright" &&
  [ "$(grep -c '^License: GPL-3+$' "$doc/copyright")" -eq 2 ] &&
  grep -qF '"/usr/share/common-licenses/GPL-3"' "$doc/copyright" || fail "copyright: $(head -n 12 "$doc/copyright")"
[ "$(od -An -tx1 -j3 -N6 "$doc/changelog.gz" | tr -d ' \n')" = "000000000002" ] || fail "changelog.gz: not made by gzip -9n"
gzip -dc "$doc/changelog.gz" >"$work/changelog"
[ "$(dpkg-parsechangelog -l "$work/changelog" -S Source)/$(dpkg-parsechangelog -l "$work/changelog" -S Version)" = \
  "vorns/$version" ] || fail "changelog: the last entry is not vorns $version"
for page in vorns vorns-fit vorns-acquisition vorns-daq-card; do
  manual="$root/usr/share/man/man1/$page.1.gz"
  warnings="$(gzip -dc "$manual" | groff -man -Tutf8 -ww -z 2>&1)"
  [ -z "$warnings" ] || fail "man $page: $warnings"
  gzip -dc "$manual" | grep -F '\-\-version' >/dev/null || fail "man $page does not document --version"
  gzip -dc "$manual" | head -n 1 | grep -qF "\"vorns $version\"" || fail "man $page: not of version $version"
done

# Hints and warnings too: two main categories put the program twice in a menu.
said="$(desktop-file-validate "$root/usr/share/applications/org.vorns.vorns.desktop" 2>&1)" || fail "desktop entry: $said"
[ -z "$said" ] || fail "desktop entry: $said"
appstreamcli validate --no-net --pedantic "$root/usr/share/metainfo/org.vorns.vorns.metainfo.xml" || fail "metainfo"
# No address that leads nowhere (a reserved .invalid name).
! grep -q '\.invalid' "$root/usr/share/metainfo/org.vorns.vorns.metainfo.xml" || fail "metainfo names an .invalid address"
metainfo="$root/usr/share/metainfo/org.vorns.vorns.metainfo.xml"
grep -q "<release version=\"$version\"" "$metainfo" || fail "metainfo release"
grep -qF "<project_license>GPL-3.0-or-later</project_license>" "$metainfo" || fail "metainfo licence"
for program in vorns vorns-fit vorns-acquisition vorns-daq-card; do
  grep -qF "<binary>$program</binary>" "$metainfo" || fail "metainfo does not provide $program"
done

# --version of each program, without a display: its name and the package's version.
for program in vorns vorns-fit vorns-acquisition vorns-daq-card; do
  printed="$(env -i PATH=/usr/bin:/bin "$root/usr/bin/$program" --version)" || fail "$program --version failed"
  [ "$printed" = "$program $version" ] || fail "$program --version printed '$printed'"
done

# A user who cannot write the program folder: nobody when the check runs as
# root (root writes anywhere), the caller otherwise with the folder made read-only.
home="$work/home"
mkdir -p "$home"
cp "$driver_built" "$work/libvorns_drive.so"
chmod -R a-w "$root/usr"
chmod 755 "$work"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
vorns="$root/usr/bin/vorns"
samples="$root/usr/share/vorns/fichiers"
run() {  # run [VAR=VALUE...] -- [ARGUMENT...]: the unpacked vorns, driven; its report on stdout
  local vars=()
  while [ "$1" != "--" ]; do vars+=("$1"); shift; done
  shift
  "${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" QT_QPA_PLATFORM=offscreen \
    LD_PRELOAD="$work/libvorns_drive.so" "${vars[@]}" "$vorns" "$@" 2>"$work/stderr" \
    || { cat "$work/stderr" >&2; fail "vorns ${vars[*]} $* ended with an error"; }
}
expect() {  # expect FILE NAME=TEXT...: each line is in the report
  local report="$1"; shift
  for line in "$@"; do grep -qxF "$line" "$report" || { cat "$report" >&2; fail "expected '$line'"; }; done
  ! grep '^message=' "$report" || fail "a message box was shown"
}

# The figures of the run, worked out here from its lines: records after the
# origin line, events in the shown classes (durations under 800), and
# Tau = the durations in the shown classes / their events.
read -r records events tau < <(awk -F'\t' '{ sub(/\r$/, "") }
  h && (/SAUVEGARDE/ || $0 == "") { exit }
  h && !/^'"'"'/ { if (!o) { o = 1; next } n++; if ($2 + 0 < 800) { e++; s += $2 } }
  NR > 2 && /Heure/ { h = 1 }
  END { printf "%d %d %.3f\n", n, e, s / e }' "$samples/muon_run.txt")
tau="$(echo "$tau" | sed 's/\.\?0*$//')"

# The command-line fit, without a display: the sample run fitted, its records all read.
fitted="$("${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" "$root/usr/bin/vorns-fit" "$samples/muon_run.txt" --json)" \
  || fail "vorns-fit ended with an error"
echo "$fitted" | grep -q '^{"status":"converged","events":[1-9]' || fail "vorns-fit: $fitted"
# The samples of other apparatus' formats, each read in its own format and unit.
for sample in deux_entiers.txt:two-integers:1 lignes_decay.txt:decay-lines:1000; do
  IFS=: read -r name format unit <<<"$sample"
  fitted="$("${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" "$root/usr/bin/vorns-fit" "$samples/$name" --json)" \
    || fail "vorns-fit $name ended with an error"
  echo "$fitted" | grep -q '"skipped_lines":0,"message":null,' && echo "$fitted" | grep -q "\"format\":\"$format\",\"unit_ns\":$unit}" ||
    fail "vorns-fit $name: $fitted"
done

# The run report, which vorns-fit leaves to vorns-fit-report in the package's
# private folder: the sample run's report written, and vorns-fit itself
# without Qt Gui.
"${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" "$root/usr/bin/vorns-fit" "$samples/muon_run.txt" \
  --report "$home/muon_run.pdf" >"$work/report-out" 2>"$work/report-err" ||
  { cat "$work/report-err" >&2; fail "vorns-fit --report ended with an error"; }
# grep reads to the end (no -q): under pipefail, pdftotext writing after an early
# match would die of SIGPIPE and fail the pipe, as the longer report made it do.
pdftotext "$home/muon_run.pdf" - | grep -F "$samples/muon_run.txt" >/dev/null || fail "the report does not name its run"
grep -q '^Tau ajusté = ' "$work/report-out" || fail "vorns-fit --report printed no fit: $(cat "$work/report-out")"
! ldd "$root/usr/bin/vorns-fit" | grep -q libQt6Gui || fail "vorns-fit loads Qt Gui"
rm "$home/muon_run.pdf"
# The installed programs find their catalogues of texts: on a German desktop
# vorns-fit and its report program speak German.
"${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" LC_ALL=de_DE.UTF-8 "$root/usr/bin/vorns-fit" \
  "$samples/muon_run.txt" --report "$home/muon_run.pdf" >"$work/report-de" 2>&1 ||
  { cat "$work/report-de" >&2; fail "vorns-fit --report on a German desktop ended with an error"; }
grep -q '^angepasstes Tau = ' "$work/report-de" || fail "vorns-fit speaks no German: $(head -n 5 "$work/report-de")"
pdftotext "$home/muon_run.pdf" - | grep -F "Messung der Lebensdauer" >/dev/null || fail "the report is not in German"
rm "$home/muon_run.pdf"

# A report asked into something that is no regular file (a device such as
# /dev/full, made here as root; a pipe otherwise) is refused, said, and the
# device or pipe is left in place: a save renamed over it replaced it.
special="$work/full"
if [ "$(id -u)" -eq 0 ]; then mknod "$special" c 1 7; else mkfifo "$special"; fi
kind="$(stat -c %F "$special")"
status=0
env -i PATH=/usr/bin:/bin HOME="$home" "$root/usr/bin/vorns-fit" "$samples/muon_run.txt" --report "$special" \
  >"$work/special-out" 2>"$work/special-err" || status=$?
[ "$status" -eq 1 ] && [ "$(stat -c %F "$special")" = "$kind" ] && grep -q 'Not a regular file' "$work/special-err" ||
  fail "a report into a $kind: status $status, now a $(stat -c %F "$special"), $(cat "$work/special-err")"
rm "$special"

# First start: the colour and a sample run chosen in the shipped folder; its
# fit exported, offered in the documents folder since the samples' is read-only.
run VORNS_DRIVE_COLOUR=10,120,200 VORNS_DRIVE_CHOOSE="$samples/muon_run.txt" VORNS_DRIVE_EXPORT=1 -- >"$work/first"
expect "$work/first" "dialog-folder=$samples" "colour=10,120,200" "caption=muon_run.txt     vorn" \
  "StaticText1=$records" "Label25=$events" "Label27=$tau" "Label_version=version $version" \
  "Label_documentation=Aide : man vorns et $doc/" "save-folder=$home/Documents" \
  "save-file=$home/Documents/muon_run_ajustement.png"
[ "$(head -c 4 "$home/Documents/muon_run_ajustement.png" | od -An -tx1 | tr -d ' ')" = "89504e47" ] ||
  fail "the exported plot is not in the documents folder"
config="$home/.config/vorns"
{ printf '10\r\n120\r\n200\r\n'; printf '\r\n%.0s' {1..17}; } | cmp -s - "$config/qrt_vorn.col" ||
  fail "colour file: $(od -c "$config/qrt_vorn.col" | head -3)"
[ "$(tr -d '\r' <"$config/~qrt_vorn_rep.~r")" = "$samples/" ] || fail "remembered folder: $(cat "$config/~qrt_vorn_rep.~r")"
[ "$(tr -d '\r' <"$config/~qrt_vorn_rep.~f")" = "muon_run.txt" ] || fail "remembered name"
[ -z "$(find "$root/usr/bin" -type f ! -name 'vorns*')" ] || fail "something was written in the program folder"

# Second start: the colour and the last choice are read back from there.
run VORNS_DRIVE_CHOOSE="$samples/minuit.txt" -- >"$work/second"
expect "$work/second" "colour=10,120,200" "dialog-folder=$samples" "dialog-file=$samples/muon_run.txt" \
  "caption=minuit.txt     vorn"
[ "$(tr -d '\r' <"$config/~qrt_vorn_rep.~f")" = "minuit.txt" ] || fail "remembered name after the second choice"

# A file on the command line is loaded as if chosen, and remembered.
run -- "$samples/muon_run.txt" >"$work/third"
expect "$work/third" "caption=muon_run.txt     vorn" "StaticText1=$records" "Label27=$tau"
[ "$(tr -d '\r' <"$config/~qrt_vorn_rep.~f")" = "muon_run.txt" ] || fail "the command line's file is not remembered"

# A comment typed for a sample run cannot be saved in the read-only shipped
# folder: the save says so, once, and the typed text stays in the memo; the
# window closed then asks before the comment is dropped.
run VORNS_DRIVE_COMMENT="notes de la séance" -- "$samples/muon_run.txt" >"$work/fourth"
grep -qxF "comment=notes de la séance" "$work/fourth" || { cat "$work/fourth" >&2; fail "the typed comment was lost"; }
[ "$(grep -c '^question=' "$work/fourth")" -eq 1 ] &&
  grep -qF "question=Le commentaire a été modifié et n'est pas enregistré dans le fichier $samples/muon_run.comment" \
    "$work/fourth" || { cat "$work/fourth" >&2; fail "closing the window did not ask for the unsaved comment"; }
[ "$(grep -c '^message=' "$work/fourth")" -eq 1 ] &&
  grep -qF "message= le commentaire n'a pas pu être enregistré dans le fichier $samples/muon_run.comment " "$work/fourth" ||
  { cat "$work/fourth" >&2; fail "the failed save of the comment was not reported once"; }
[ ! -e "$samples/muon_run.comment" ] || fail "a comment file appeared in the shipped folder"

# A user who can write the program folder (root, or its owner): the settings
# still go to the configuration folder, the export to the documents folder,
# and nothing is added beside the installed program or its samples.
chmod -R u+w "$root/usr"
as_user=()
home="$work/writer"
mkdir -p "$home"
run VORNS_DRIVE_COLOUR=30,60,90 VORNS_DRIVE_CHOOSE="$samples/muon_run.txt" VORNS_DRIVE_EXPORT=1 -- >"$work/writer-first"
expect "$work/writer-first" "colour=30,60,90" "caption=muon_run.txt     vorn" "save-folder=$home/Documents"
[ -w "$root/usr/bin" ] || fail "the program folder could not be made writable"
same_files "after a run by a user who can write the program folder"
[ "$(head -n 1 "$home/.config/vorns/qrt_vorn.col" | tr -d '\r')" = 30 ] &&
  [ "$(tr -d '\r' <"$home/.config/vorns/~qrt_vorn_rep.~f")" = "muon_run.txt" ] ||
  fail "the settings of a user who can write the program folder are not in its configuration folder"
[ -s "$home/Documents/muon_run_ajustement.png" ] || fail "the export of a user who can write the samples' folder"
run -- >"$work/writer-second"
expect "$work/writer-second" "colour=30,60,90"

# A wrong option: status 2 and two lines on stderr, with or
# without a display, and no application made (the driver stays silent).
for display in QT_QPA_PLATFORM=offscreen NO_DISPLAY=1; do
  status=0
  env -i PATH=/usr/bin:/bin "$display" LD_PRELOAD="$work/libvorns_drive.so" "$vorns" --no-such-option \
    >"$work/out" 2>"$work/err" || status=$?
  [ "$status" -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 2 ] && [ ! -s "$work/out" ] ||
    fail "a wrong option ($display): status $status, $(cat "$work/err" "$work/out")"
done
echo "check_package: $(basename "$deb") is sound"
