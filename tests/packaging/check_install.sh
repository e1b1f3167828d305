#!/usr/bin/env bash
# Installs the build into a scratch DESTDIR and checks what lands there.
# Usage: check_install.sh <cmake> <build dir> <scratch folder> <installed_tree_test>
set -euo pipefail
trap 'echo "FAIL: unexpected error at line $LINENO"' ERR
cmake=$1 build_dir=$2 scratch=$3 tree_test=$4
app_id=com.example.Mindrova
skip=77

for tool in "$cmake" desktop-file-validate appstreamcli file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip; }
done

mkdir -p "$scratch"
work=$(mktemp -d "$scratch/install.XXXXXX")
root=$work/root
fail() { echo "FAIL: $*"; echo "(tree kept in $work)"; exit 1; }

DESTDIR=$root "$cmake" --install "$build_dir" --prefix /usr >"$work/install.log" 2>&1 \
    || { cat "$work/install.log"; fail "cmake --install"; }

desktop=$root/usr/share/applications/$app_id.desktop
metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
icon=$root/usr/share/icons/hicolor/scalable/apps/$app_id.svg

[ -f "$root/usr/bin/mindrova" ] && [ -x "$root/usr/bin/mindrova" ] || fail "usr/bin/mindrova missing or not executable"
# The translations where the program and AppStream look for them.
translations=$root/usr/share/mindrova/translations
for f in "$desktop" "$metainfo" "$icon" "$translations/mindrova_de.qm" "$translations/mindrova_es.qm" \
         "$translations/mindrova_fr.qm"; do
    [ -f "$f" ] || fail "${f#"$root"} missing"
    [ "$(stat -c %a "$f")" = 644 ] || fail "${f#"$root"} has mode $(stat -c %a "$f"), expected 644"
done
# The --prefix must be honoured everywhere; nothing may escape it.
outside=$(cd "$root" && find . -mindepth 1 -not -path './usr' -not -path './usr/*')
[ -z "$outside" ] || fail "installed outside /usr: $outside"

# Hints count too: the validator exits 0 on them, but they are still faults in the entry.
out=$(desktop-file-validate "$desktop" 2>&1) || { echo "$out"; fail "desktop-file-validate"; }
[ -z "$out" ] || { echo "$out"; fail "desktop-file-validate reported issues"; }

appstreamcli validate --no-net --strict --pedantic "$metainfo" || fail "appstreamcli validate"
# The tree check also confirms the metainfo's launchable resolves to the installed desktop entry.
appstreamcli validate-tree --no-net --strict "$root" || fail "appstreamcli validate-tree"

mime=$(file --brief --mime-type "$icon")
[ "$mime" = image/svg+xml ] || fail "icon is $mime, not image/svg+xml"

MINDROVA_INSTALL_ROOT=$root "$tree_test" || fail "installed tree cross-checks"

rm -rf "$work"
echo "PASS"
