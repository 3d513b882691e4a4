#!/usr/bin/env bash
# The screenshot tool's command line: help, wrong options and arguments are
# answered before a single picture or folder is written.
#
#   tests/app/screens-command-line.sh PATH-TO-SCREENS
set -uo pipefail
screens=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
failures=0

# expect STATUS STREAM TEXT ARGS...: the run exits with STATUS, TEXT and the
# usage are on the stream (out or err), the other stream is empty and nothing
# is written.
expect() {
    local status=$1 stream=$2 text=$3 other=out problem= got
    shift 3
    [[ $stream == out ]] && other=err
    "$screens" "$@" >out 2>err
    got=$?
    ((got == status)) || problem="exit status $got, not $status"
    grep -qF -- "$text" "$stream" || problem+=" no \"$text\" on std$stream"
    grep -q 'usage: screens' "$stream" || problem+=" no usage on std$stream"
    [[ -s $other ]] && problem+=" std$other not empty"
    [[ -n $(ls -A | grep -v -x -e out -e err) ]] && problem+=" wrote: $(ls -A)"
    if [[ -n $problem ]]; then
        echo "FAIL: screens $*:$problem" >&2
        sed 's/^/  | /' out err >&2
        failures=$((failures + 1))
    fi
    rm -rf -- ./* ./.[!.]* 2>/dev/null
}

expect 0 out 'Writes one PNG' --help
expect 0 out 'Writes one PNG' -h
expect 0 out 'Writes one PNG' shots --help
expect 2 err 'no output folder given'
expect 2 err 'unknown option --bogus' --bogus shots
expect 2 err 'unknown option -x' shots -x
expect 2 err '--screen needs a size' shots --screen
expect 2 err '--screen: not a size' shots --screen 1280
expect 2 err '--screen: not a size' --screen=0x800 shots
expect 2 err 'SCALE is not a positive number' shots 0
expect 2 err 'SCALE is not a positive number' shots two
expect 2 err 'too many arguments' shots 1 2

echo "$((12 - failures)) passed, $failures failed"
((failures == 0))
