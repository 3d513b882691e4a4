#!/usr/bin/env bash
# Installs Quarvel into a scratch root and checks the installed tree:
#   check-package.sh install BUILD-DIR SCRATCH-DIR   (cmake --install with DESTDIR)
#   check-package.sh deb     BUILD-DIR SCRATCH-DIR   (cpack, then dpkg -x)
#   check-package.sh screenshots SOURCE-DIR          (metainfo pictures exist)
# The tree must hold exactly the program, the desktop entry, the metainfo, the
# copyright file and the icon at every hicolor size, and the desktop files must
# validate there.
set -euo pipefail

mode=$1
build=$2
scratch=${3:-}
id=io.github.quarvel.Quarvel
sizes=(16 32 48 64 128 256)

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

expected_files() {
    echo "usr/bin/quarvel"
    echo "usr/bin/quarvel-arbeitsblatt"
    echo "usr/share/applications/io.github.quarvel.Arbeitsblatt.desktop"
    echo "usr/share/applications/$id.desktop"
    echo "usr/share/metainfo/$id.metainfo.xml"
    echo "usr/share/doc/quarvel/copyright"
    echo "usr/share/icons/hicolor/scalable/apps/$id.svg"
    for s in "${sizes[@]}"; do echo "usr/share/icons/hicolor/${s}x${s}/apps/$id.png"; done
}

check_tree() {
    local root=$1
    local want have
    want=$(expected_files | sort)
    have=$(cd "$root" && find . -type f -o -type l | sed 's|^\./||' | sort)
    if [[ "$want" != "$have" ]]; then
        fail "installed files differ from the expected list"
        diff <(echo "$want") <(echo "$have") >&2 || true
    fi

    local program=$root/usr/bin/quarvel
    [[ -x $program ]] || fail "$program is not executable"
    file -b "$program" | grep -q '^ELF .* executable' || fail "$program is no ELF executable"

    local desktop=$root/usr/share/applications/$id.desktop
    local complaints
    if ! complaints=$(desktop-file-validate "$desktop" 2>&1) || [[ -n $complaints ]]; then
        fail "desktop entry does not validate cleanly: $complaints"
    fi
    grep -qx "Exec=quarvel" "$desktop" || fail "desktop entry does not start quarvel"
    grep -qx "Icon=$id" "$desktop" || fail "desktop entry names another icon"

    local metainfo=$root/usr/share/metainfo/$id.metainfo.xml
    # validate-tree also checks that the metainfo's launchable is installed.
    appstreamcli validate-tree --no-net "$root" >/dev/null || fail "metainfo does not validate in the tree"
    grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" ||
        fail "metainfo launches another desktop entry"

    local s png
    for s in "${sizes[@]}"; do
        png=$root/usr/share/icons/hicolor/${s}x${s}/apps/$id.png
        file -b "$png" | grep -q "^PNG image data, $s x $s, 8-bit/color RGBA" ||
            fail "$png is not a $s x $s RGBA PNG: $(file -b "$png")"
    done
    file -b "$root/usr/share/icons/hicolor/scalable/apps/$id.svg" | grep -q SVG ||
        fail "scalable icon is no SVG"
}

# Software centres fetch the metainfo's screenshots from the repository's
# docs/screenshots, so each one it names must be there.
check_screenshots() {
    local source=$1 url count=0
    local prefix=https://raw.githubusercontent.com/quarvel/quarvel/main/
    while read -r url; do
        count=$((count + 1))
        [[ $url == "$prefix"docs/screenshots/*.png ]] || fail "screenshot outside docs/screenshots: $url"
        [[ -f $source/${url#"$prefix"} ]] || fail "screenshot missing: ${url#"$prefix"}"
    done < <(sed -n 's|.*<image>\(.*\)</image>.*|\1|p' "$source/packaging/$id.metainfo.xml")
    ((count > 0)) || fail "metainfo names no screenshot"
}

if [[ $mode == screenshots ]]; then
    check_screenshots "$build"
    ((failures == 0)) && echo "OK: screenshots" && exit 0
    exit 1
fi

rm -rf "$scratch"
mkdir -p "$scratch"

case $mode in
install)
    DESTDIR="$scratch/root" cmake --install "$build" --prefix /usr >/dev/null
    check_tree "$scratch/root"
    ;;
deb)
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" ||
        { cat "$scratch/cpack.log" >&2; exit 1; }
    debs=("$scratch"/out/quarvel_*.deb)
    [[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || { echo "FAIL: no single quarvel .deb" >&2; exit 1; }
    deb=${debs[0]}
    dpkg -x "$deb" "$scratch/root"
    check_tree "$scratch/root"

    field() { dpkg-deb -f "$deb" "$1"; }
    [[ $(field Package) == quarvel ]] || fail "package name is $(field Package)"
    [[ $(field Section) == education ]] || fail "section is $(field Section)"
    [[ $(field Homepage) == https://* ]] || fail "no homepage"
    [[ -n $(field Maintainer) ]] || fail "no maintainer"
    [[ $(field Description) == *place* ]] || fail "no description"
    depends=$(field Depends)
    for dep in fonts-liberation2 qt6-translations-l10n libqt6widgets6 libqt6gui6 libstdc++6; do
        [[ $depends == *"$dep"* ]] || fail "Depends lacks $dep: $depends"
    done
    file -b "$scratch/root/usr/bin/quarvel" | grep -q ', stripped' || fail "program is not stripped"
    # The stripped program from the package must still start: it runs until
    # the timeout ends it (status 124) instead of failing at once.
    status=0
    mkdir -m 700 "$scratch/runtime"
    QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch/runtime" timeout 2 "$scratch/root/usr/bin/quarvel" \
        >"$scratch/run.log" 2>&1 || status=$?
    ((status == 124)) || fail "packaged program ended with status $status: $(cat "$scratch/run.log")"
    ;;
*)
    echo "usage: check-package.sh install|deb BUILD-DIR SCRATCH-DIR | screenshots SOURCE-DIR" >&2
    exit 2
    ;;
esac

if ((failures > 0)); then
    exit 1
fi
echo "OK: $mode tree in $scratch/root"
