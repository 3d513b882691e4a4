#!/usr/bin/env bash
# Installs Quarvel into a scratch root (cmake --install, or cpack and dpkg -x) and checks that it
# holds exactly the programs, desktop entries, metainfo, copyright and hicolor icons, which
# validate there; or checks that the metainfo's screenshots exist.
set -euo pipefail

mode=$1 build=$2 scratch=${3:-}
id=io.github.quarvel.Quarvel
sizes=(16 32 48 64 128 256)
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

check_tree() {
    local root=$1 want have complaints s
    want=$({
        printf '%s\n' usr/bin/quarvel{,-arbeitsblatt} usr/share/doc/quarvel/copyright \
            usr/share/applications/{io.github.quarvel.Arbeitsblatt,$id}.desktop \
            usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg
        for s in "${sizes[@]}"; do echo "usr/share/icons/hicolor/${s}x${s}/apps/$id.png"; done
    } | sort)
    have=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
    [[ "$want" == "$have" ]] || fail "installed files differ: $(diff <(echo "$want") <(echo "$have"))"

    local program=$root/usr/bin/quarvel desktop=$root/usr/share/applications/$id.desktop
    [[ -x $program ]] && file -b "$program" | grep -q '^ELF .* executable' || fail "$program is no ELF program"
    complaints=$(desktop-file-validate "$desktop" 2>&1) && [[ -z $complaints ]] ||
        fail "desktop entry does not validate cleanly: $complaints"
    grep -qx "Exec=quarvel" "$desktop" && grep -qx "Icon=$id" "$desktop" ||
        fail "desktop entry starts another program or names another icon"
    # validate-tree also checks that the metainfo's launchable is installed.
    appstreamcli validate-tree --no-net "$root" >/dev/null || fail "metainfo does not validate in the tree"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$root/usr/share/metainfo/$id.metainfo.xml" ||
        fail "metainfo launches another desktop entry"
    for s in "${sizes[@]}"; do
        file -b "$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png" |
            grep -q "^PNG image data, $s x $s, 8-bit/color RGBA" || fail "the $s px icon is no RGBA PNG"
    done
    file -b "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q SVG || fail "scalable icon is no SVG"
}

# Software centres fetch the screenshots from the repository's docs/screenshots.
check_screenshots() {
    local url count=0 prefix=https://raw.githubusercontent.com/quarvel/quarvel/main/
    while read -r url; do
        count=$((count + 1))
        [[ $url == "$prefix"docs/screenshots/*.png && -f $1/${url#"$prefix"} ]] || fail "screenshot missing: $url"
    done < <(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$1/packaging/$id.metainfo.xml")
    ((count > 0)) || fail "metainfo names no screenshot"
}

[[ $mode == screenshots ]] || { rm -rf "$scratch" && mkdir -p "$scratch"; }
case $mode in
screenshots) check_screenshots "$build" ;;
install)
    DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
    check_tree "$scratch/root"
    ;;
deb)
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" ||
        { cat "$scratch/cpack.log" >&2; exit 1; }
    debs=("$scratch"/out/quarvel_*.deb) deb=${debs[0]}
    [[ ${#debs[@]} -eq 1 && -f $deb ]] || { echo "FAIL: no single quarvel .deb" >&2; exit 1; }
    dpkg -x "$deb" "$scratch/root"
    check_tree "$scratch/root"
    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == quarvel && $(field Section) == education && -n $(field Maintainer) &&
        $(field Homepage) == https://* && $(field Description) == *place* ]] ||
        fail "control fields: $(dpkg-deb -f "$deb")"
    for dep in fonts-liberation2 qt6-translations-l10n libqt6widgets6 libqt6gui6 libstdc++6; do
        [[ $(field Depends) == *"$dep"* ]] || fail "Depends lacks $dep: $(field Depends)"
    done
    file -b "$scratch/root/usr/bin/quarvel" | grep -q ', stripped' || fail "program is not stripped"
    # The stripped program must still start: it runs until the timeout ends it (124).
    status=0 && mkdir -m 700 "$scratch/runtime"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" timeout 2 "$scratch/root/usr/bin/quarvel" \
        >"$scratch/run.log" 2>&1 || status=$?
    ((status == 124)) || fail "packaged program ended with status $status: $(cat "$scratch/run.log")"
    ;;
*) echo "usage: check-package.sh install|deb BUILD-DIR SCRATCH-DIR | screenshots SOURCE-DIR" >&2; exit 2 ;;
esac
((failures == 0)) || exit 1
echo "OK: $mode"
