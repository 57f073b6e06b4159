#!/usr/bin/env bash
# Opens the product's window and closes it again with each HOME that is not an
# absolute path, as a user's session can hand one on: empty, "~", "~/x" and
# "rel/home". The product must read such a HOME as unset and take the account's
# home folder from the password database, which names a fresh folder here
# (nss_wrapper): the settings file the window writes when it opens must be made
# there, nothing in the working folder and nothing at "/".
#
#   home_not_absolute.sh host <vostrel-host> <bundle>   the plug-in's editor
#   home_not_absolute.sh app <Standalone app>           the app's window
set -euo pipefail
kind=$1 program=$2
bundle=${3:-}
export LC_ALL=C
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# A sanitizer build's program must find its runtime first among the preloads.
asan=$(ldd "$program" | awk '$1 ~ /^libasan/ { print $3 }')
preload="${asan:+$asan }libnss_wrapper.so"

# run_in <run folder> <HOME> <preload> <command>...: becomes the command (so it
# is called in a subshell), in the run's working folder with its password
# database. The desktop settings the framework asks gsettings for are kept in
# memory: dconf would make its own cache below such a HOME.
run_in() {
    cd "$1/working" && exec env HOME="$2" LD_PRELOAD="$3" GSETTINGS_BACKEND=memory \
        NSS_WRAPPER_PASSWD="$1/passwd" NSS_WRAPPER_GROUP="$1/group" "${@:4}"
}

open_and_close() {
    if [ "$kind" = host ]; then
        out=$(run_in "$1" "$2" "$preload" "$program" --plugin "$bundle" --editor 300) || { echo "the host failed: $out"; return 1; }
        [ "$out" = 'editor 325x454' ] || { echo "the host saw no editor: $out"; return 1; }
        return 0
    fi
    # The app quits on SIGINT as on its close button, closing its window.
    run_in "$1" "$2" "$preload" "$program" & pid=$!
    window=
    for _ in $(seq 300); do
        kill -0 "$pid" 2>/dev/null || break
        window=$(xdotool search --name "^Vostrel ZR2814$" 2>/dev/null | head -n 1) && [ -n "$window" ] && break
        sleep 0.2
    done
    sleep 1
    kill -INT "$pid" 2>/dev/null || true
    for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
    kill -KILL "$pid" 2>/dev/null && { echo "the app did not quit"; return 1; }
    wait "$pid" || { echo "the app failed"; return 1; }
    [ -n "$window" ] || { echo "no window appeared"; return 1; }
}

failed=0
for home in '' '~' '~/x' 'rel/home'; do
    run=$(mktemp -d "$work/run.XXXXXX")
    mkdir "$run/account" "$run/working"
    printf '%s:x:%d:%d::%s:/bin/sh\n' "$(id -un)" "$(id -u)" "$(id -g)" "$run/account" >"$run/passwd"
    printf '%s:x:%d:\n' "$(id -gn)" "$(id -g)" >"$run/group"
    [ "$(run_in "$run" "$home" libnss_wrapper.so getent passwd "$(id -u)" | cut -d: -f6)" = "$run/account" ] \
        || { echo "nss_wrapper does not name the account's folder: is libnss-wrapper installed?"; exit 1; }
    before=$(ls -A /)

    if ! open_and_close "$run" "$home"; then
        echo "HOME='$home': the window did not open and close"; failed=1
    fi
    [ -f "$run/account/Music/Tervix/Settings/VostrelZR2814.setting" ] \
        || { echo "HOME='$home': the settings file is not in the account's home folder"; failed=1; }
    made=$(ls -A "$run/working")
    [ -z "$made" ] || { echo "HOME='$home': made in the working folder: $made"; failed=1; }
    [ "$(ls -A /)" = "$before" ] || { echo "HOME='$home': made at /: $(comm -13 <(echo "$before") <(ls -A /) | tr "\n" " ")"; failed=1; }
done
exit $failed
