#!/usr/bin/env bash
# The screenshot tool's command line: help, wrong options and arguments are
# answered before a single picture or folder is written; the runs are the rows
# of tests/data/cases/win-screens-command-line.csv. The other stream stays empty.
#   tests/app/screens-command-line.sh PATH-TO-SCREENS
set -uo pipefail
screens=$(realpath "$1")
cases=$(dirname "$(realpath "$0")")/../data/cases/win-screens-command-line.csv
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cd "$work" || exit 1
runs=0 failures=0
while IFS=, read -r status stream text args; do
    [[ $status == '#'* || $status == status ]] && continue
    other=out problem=
    [[ $stream == out ]] && other=err
    # shellcheck disable=SC2086 # the arguments split at spaces
    "$screens" $args >out 2>err
    got=$?
    ((got == status)) || problem="exit status $got, not $status"
    grep -qF -- "$text" "$stream" || problem+=" no \"$text\" on std$stream"
    grep -q 'usage: screens' "$stream" || problem+=" no usage on std$stream"
    [[ -s $other ]] && problem+=" std$other not empty"
    [[ -n $(ls -A | grep -v -x -e out -e err) ]] && problem+=" wrote: $(ls -A)"
    if [[ -n $problem ]]; then
        echo "FAIL: screens $args:$problem" >&2
        sed 's/^/  | /' out err >&2
        failures=$((failures + 1))
    fi
    runs=$((runs + 1))
    rm -rf -- ./* ./.[!.]* 2>/dev/null
done <"$cases"
echo "$((runs - failures)) passed, $failures failed"
((runs == 12 && failures == 0))
