#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 The authors of Catalogare i lumeri <lumeri@example.org>
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package, end to end, without installing anything:
#   pacchetto.sh BUILD_DIR VERSION MAINTAINER
# makes the package with cpack, reads its fields, runs lintian, unpacks it
# into a temporary folder, checks the lists there, then starts the unpacked
# program under an X server of its own and opens an exercise from the menu.
#
# Every step runs in a process group of its own and is bounded in time; the
# group is ended as a whole, so nothing the program starts (a session bus
# that D-Bus starts for it when none runs, say) is ever waited for.
set -euo pipefail

# limitato SECONDS STEP COMMAND...: runs COMMAND in a process group of its
# own; after SECONDS the whole group is ended and the step named as failed.
limitato() {
    local secondi=$1 passo=$2
    shift 2
    setsid "$@" &
    local gruppo=$! stato=0 decimi=0
    while kill -0 "$gruppo" 2>/dev/null && [ "$decimi" -lt $((secondi * 10)) ]; do
        sleep 0.1
        decimi=$((decimi + 1))
    done
    if kill -0 "$gruppo" 2>/dev/null; then
        echo "FAIL: $passo did not end within $secondi s" >&2
        fine "$gruppo"
        return 124
    fi
    wait "$gruppo" || stato=$?
    fine "$gruppo"
    return "$stato"
}

# fine GROUP: ends what is left of a process group, at once and then by force.
fine() {
    kill -TERM -- "-$1" 2>/dev/null || return 0
    for _ in $(seq 20); do
        kill -0 -- "-$1" 2>/dev/null || return 0
        sleep 0.1
    done
    kill -KILL -- "-$1" 2>/dev/null || true
}

if [ "${1:-}" = --finestre ]; then
    # Inside xvfb-run: the unpacked program, from the title screen to an exercise.
    radice=$2 traccia=$3
    export QT_QPA_PLATFORM=xcb
    # No session bus: the program needs none, and one started for it would
    # outlive the test.
    export DBUS_SESSION_BUS_ADDRESS=disabled:
    # No speech server either: the voice that the exercise gets ready finds
    # none here and starts none that would outlive the test.
    export SPEECHD_ADDRESS="unix_socket:$radice/nessuna-voce.sock"
    setsid strace -f -e trace=openat -o "$traccia" "$radice/usr/bin/lumeri" 2>/dev/null &
    programma=$!
    trap 'fine "$programma"' EXIT
    finestra=
    # The one visible window of the program once its width is $1 pixels.
    aspetta() {
        for _ in $(seq 100); do
            kill -0 "$programma" 2>/dev/null || { echo "FAIL: the program ended before $2" >&2; return 1; }
            finestra=$(xdotool search --onlyvisible --class lumeri 2>/dev/null | tail -1 || true)
            if [ -n "$finestra" ]; then
                eval "$(xdotool getwindowgeometry --shell "$finestra")"
                [ "$WIDTH" = "$1" ] && return 0
            fi
            sleep 0.1
        done
        echo "FAIL: no window $1 pixels wide (last: ${WIDTH:-none}) after $2" >&2
        return 1
    }
    # Title screen 10530 twips wide, menu 9975, exercise 10305: 702, 665, 687 pixels.
    aspetta 702 "starting"
    xdotool mousemove --window "$finestra" 333 371 click 1      # "Avvio"
    aspetta 665 "Avvio"
    xdotool mousemove --window "$finestra" 108 66 click 1       # "maschile femminile"
    aspetta 687 "maschile femminile"
    sleep 0.5
    exit 0
fi

compilazione=$(cd "$1" && pwd) versione=$2 manutentore=$3
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
errori=0
sbaglia() { echo "FAIL: $*" >&2; errori=$((errori + 1)); }

# The package, named as Debian names it.
limitato 120 cpack cpack --config "$compilazione/CPackConfig.cmake" -G DEB -B "$lavoro/deb" >"$lavoro/cpack.log" 2>&1 \
    || { cat "$lavoro/cpack.log" >&2; exit 1; }
pacchetto="$lavoro/deb/lumeri_${versione}_$(dpkg --print-architecture).deb"
[ -f "$pacchetto" ] || { ls "$lavoro/deb" >&2; echo "FAIL: no $pacchetto" >&2; exit 1; }

# Its fields: dependencies from the binaries, the fonts, no real person.
dipende=$(dpkg-deb -f "$pacchetto" Depends)
for d in fonts-liberation libqt6core6 libqt6gui6 libqt6widgets6 libqt6svg6 libqt6multimedia6; do
    grep -Eq "(^|, )$d( |,|$)" <<<"$dipende" || sbaglia "Depends lacks $d: $dipende"
done
[ "$(dpkg-deb -f "$pacchetto" Maintainer)" = "$manutentore" ] \
    || sbaglia "Maintainer is $(dpkg-deb -f "$pacchetto" Maintainer)"
[ "$(dpkg-deb -f "$pacchetto" Package)" = lumeri ] || sbaglia "Package is not lumeri"
# Reading aloud wants Speech Dispatcher and its Italian voices, recommended.
raccomanda=$(dpkg-deb -f "$pacchetto" Recommends)
for r in qt6-speech-speechd-plugin speech-dispatcher speech-dispatcher-espeak-ng; do
    grep -Eq "(^|, )$r( |,|$)" <<<"$raccomanda" || sbaglia "Recommends lacks $r: $raccomanda"
done

# No lintian errors; the warnings are shown.
if ! limitato 120 lintian lintian --fail-on error "$pacchetto" >"$lavoro/lintian.log" 2>&1; then
    sbaglia "lintian:"
fi
grep -v '^running with root' "$lavoro/lintian.log" >&2 || true
grep -q 'hardening-' "$lavoro/lintian.log" && sbaglia "lintian finds the binaries unhardened"

# Unpacked, the files lie where the program looks for them.
radice="$lavoro/radice"
dpkg-deb -x "$pacchetto" "$radice"
for f in usr/bin/lumeri usr/bin/lumeri-verifica usr/libexec/lumeri/lumeri_suoni.so usr/libexec/lumeri/lumeri_voce.so \
         usr/libexec/lumeri/lumeri_elenchi.so usr/share/applications/org.example.lumeri.elenchi.desktop \
         usr/share/lumeri/testi/alterati.txt "usr/share/lumeri/testi/falsi maschili.txt" \
         usr/share/lumeri/suoni/si1.wav usr/share/lumeri/suoni/no.wav \
         usr/share/applications/org.example.lumeri.desktop usr/share/metainfo/org.example.lumeri.metainfo.xml \
         usr/share/icons/hicolor/scalable/apps/org.example.lumeri.svg \
         usr/share/icons/hicolor/48x48/apps/org.example.lumeri.png \
         usr/share/man/man1/lumeri.1.gz usr/share/man/man1/lumeri-verifica.1.gz \
         usr/share/doc/lumeri/copyright usr/share/doc/lumeri/changelog.gz \
         usr/share/doc/lumeri/guida-insegnanti.md; do
    [ -f "$radice/$f" ] || sbaglia "the package lacks $f"
done
# Both manual pages lead to the teachers' guide.
for m in lumeri lumeri-verifica; do
    zcat "$radice/usr/share/man/man1/$m.1.gz" | grep -q 'guida-insegnanti\.md' \
        || sbaglia "the manual page of $m does not name the guide"
done
[ -e "$radice/usr/bin/testi" ] && sbaglia "lists beside the installed program"

# Built as Debian's own packages are: PIE, stack protector, read-only
# relocations bound at start. Two checks are left out: on Debian 12 no
# program can carry the control-flow mark, since the C library's start files
# lack it (/usr/bin/ls fails it too); and the fortified calls cannot be seen,
# since every copy the program makes goes through Qt's containers, whose
# sizes the compiler does not know, so no call of ours is rewritten.
for f in usr/bin/lumeri usr/bin/lumeri-verifica \
         usr/libexec/lumeri/lumeri_suoni.so usr/libexec/lumeri/lumeri_voce.so usr/libexec/lumeri/lumeri_elenchi.so; do
    limitato 30 hardening-check hardening-check --nocfprotection --nofortify "$radice/$f" >"$lavoro/rafforzato.log" 2>&1 \
        || { cat "$lavoro/rafforzato.log" >&2; sbaglia "$f is not hardened"; }
done

# The user's and the system's data folders are fresh ones, never the real ones.
export XDG_DATA_HOME="$lavoro/utente" XDG_DATA_DIRS="$lavoro/sistema"
verifica=$(limitato 20 lumeri-verifica "$radice/usr/bin/lumeri-verifica") || sbaglia "lumeri-verifica of the package: $verifica"
grep -qF "Elenchi letti dalla cartella $radice/usr/share/lumeri/testi." <<<"$verifica" \
    || sbaglia "lumeri-verifica read elsewhere: $verifica"
man -l "$radice/usr/share/man/man1/lumeri-verifica.1.gz" >/dev/null 2>&1 \
    || zcat "$radice/usr/share/man/man1/lumeri-verifica.1.gz" | grep -q '^\.TH LUMERI-VERIFICA' \
    || sbaglia "manual page of lumeri-verifica"

# The unpacked program starts, opens an exercise, and reads what lies under
# share/lumeri, with the sound module beside it.
traccia="$lavoro/aperture.log"
limitato 60 "the program from the package" xvfb-run -a -s "-screen 0 1280x1024x24" "$0" --finestre "$radice" "$traccia" \
    || sbaglia "the program from the package"
for f in usr/share/lumeri/testi/FemminileSingolare.txt usr/share/lumeri/testi/MaschilePlurale.txt \
         usr/libexec/lumeri/lumeri_suoni.so usr/share/lumeri/suoni/si1.wav usr/share/lumeri/suoni/no.wav; do
    grep -qF "\"$radice/$f\"" "$traccia" || sbaglia "the program did not open $f"
done
# The teachers' editor is loaded only when asked for.
grep -qF "lumeri_elenchi" "$traccia" && sbaglia "the pupils' program loaded the editor's module"

[ "$errori" -eq 0 ] || exit 1
echo "package $(basename "$pacchetto"): built, lintian clean, unpacked program starts and opens an exercise"
