#!/usr/bin/env bash
# Builds the Debian package with CPack and checks its fields, its contents and that the unpacked
# program finds every library it needs.
# Usage: check_deb.sh <cpack> <build dir> <scratch folder> <version> <installed_tree_test>
set -euo pipefail
trap 'echo "FAIL: unexpected error at line $LINENO"' ERR
cpack=$1 build_dir=$2 scratch=$3 version=$4 tree_test=$5
app_id=com.example.Mindrova
skip=77

for tool in "$cpack" dpkg dpkg-deb dpkg-shlibdeps ldd readelf file; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is not installed"; exit $skip; }
done

mkdir -p "$scratch"
work=$(mktemp -d "$scratch/deb.XXXXXX")
fail() { echo "FAIL: $*"; echo "(files kept in $work)"; exit 1; }

"$cpack" -G DEB -B "$work/out" --config "$build_dir/CPackConfig.cmake" >"$work/cpack.log" 2>&1 \
    || { cat "$work/cpack.log"; fail "cpack -G DEB"; }
shopt -s nullglob
debs=("$work"/out/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb, found ${#debs[@]}"
deb=${debs[0]}
arch=$(dpkg --print-architecture)
[ "$(basename "$deb")" = "mindrova_${version}_${arch}.deb" ] || fail "unexpected file name $(basename "$deb")"

field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = mindrova ] || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$version" ] || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$arch" ] || fail "Architecture is '$(field Architecture)'"
[ "$(field Maintainer)" = "Quellbrook Software <support@mindrova.example.com>" ] \
    || fail "Maintainer is '$(field Maintainer)'"
[ -n "$(field Section)" ] || fail "no Section"
[ -n "$(field Description)" ] || fail "no Description"

depends=$(field Depends)
echo "Depends: $depends"
# Package names of the Depends field, without versions or alternatives.
dep_names=$(echo "$depends" | tr ',|' '\n\n' | sed 's/(.*)//; s/:.*//; s/[[:space:]]//g' | sed '/^$/d' | sort -u)
for pkg in libqt6widgets6 libqt6svg6 libqt6gui6 libqt6core6; do
    grep -qx "$pkg" <<<"$dep_names" || fail "Depends does not name $pkg"
done

grep -qx libqt6sql6-sqlite <<<"$dep_names" || fail "Depends does not name the SQLite driver"
recommends=$(field Recommends)
for pkg in qt6-speech-speechd-plugin qt6-speech-flite-plugin qt6-translations-l10n qt6-wayland; do
    grep -q "$pkg" <<<"$recommends" || fail "Recommends does not name $pkg"
done

listing=$(dpkg-deb -c "$deb")
has() { grep -qE "^$1 .* \./$2\$" <<<"$listing"; }
has '-rwxr-xr-x' usr/bin/mindrova || fail "usr/bin/mindrova missing or not mode 755"
for f in "usr/share/applications/$app_id.desktop" "usr/share/metainfo/$app_id.metainfo.xml" \
         "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
         usr/share/mindrova/translations/mindrova_de.qm usr/share/mindrova/translations/mindrova_es.qm \
         usr/share/mindrova/translations/mindrova_fr.qm; do
    has '-rw-r--r--' "$f" || fail "$f missing or not mode 644"
done
outside=$(awk '{print $NF}' <<<"$listing" | grep -vE '^\./(usr/.*)?$' || true)
[ -z "$outside" ] || fail "package installs outside /usr: $outside"
wrong_owner=$(awk '$2 != "root/root"' <<<"$listing")
[ -z "$wrong_owner" ] || fail "files not owned by root: $wrong_owner"

root=$work/root
dpkg -x "$deb" "$root"
bin=$root/usr/bin/mindrova
file --brief "$bin" | grep -q ', stripped' || fail "binary is not stripped: $(file --brief "$bin")"

ldd_out=$(ldd "$bin") || { echo "$ldd_out"; fail "ldd"; }
echo "$ldd_out"
! grep -q 'not found' <<<"$ldd_out" || fail "libraries not found"

# Every library the binary links directly must come from a package named in Depends,
# otherwise installing the .deb on a clean system leaves it unable to start. The program's own
# shared libraries come with it, in its private folder.
for needed in $(readelf -d "$bin" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'); do
    path=$(awk -v n="$needed" '$1 == n && $2 == "=>" {print $3}' <<<"$ldd_out")
    [ -n "$path" ] || fail "ldd did not resolve $needed"
    case $(readlink -f "$path") in
        "$(readlink -f "$root")"/*) continue ;;  # shipped in this package
    esac
    owner=""
    for candidate in "$path" "$(readlink -f "$path")" "/usr${path#/usr}" "${path#/usr}"; do
        owner=$(dpkg -S "$candidate" 2>/dev/null | head -n1 | cut -d: -f1) && [ -n "$owner" ] && break
    done
    [ -n "$owner" ] || fail "no installed package owns $path"
    grep -qx "$owner" <<<"$dep_names" || fail "$needed comes from $owner, which Depends does not name"
done

MINDROVA_INSTALL_ROOT=$root "$tree_test" || fail "installed tree cross-checks on the unpacked package"

rm -rf "$work"
echo "PASS"
