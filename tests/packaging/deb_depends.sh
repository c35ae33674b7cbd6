#!/usr/bin/env bash
# The Debian package depends on every package its programs need: those holding the libraries
# its executable and modules link, and those holding the Qt plugins it loads at run time, which
# no library lookup sees. A spelling dictionary is recommended. Builds the package with cpack
# in the build folder, then reads its Depends and Recommends.
# Arguments: cpack, the build folder, then the plugin files Penwick loads.
set -euo pipefail
cpack=$1 build=$2
shift 2
for tool in dpkg dpkg-deb dpkg-shlibdeps objdump ldd; do
    command -v "$tool" >/dev/null || { echo "no $tool here: nothing checked"; exit 77; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
if ! (cd "$build" && "$cpack" -G DEB -B "$work/out" >"$work/cpack.log" 2>&1); then
    cat "$work/cpack.log"
    exit 1
fi
deb=$(echo "$work"/out/*.deb)
dpkg-deb -x "$deb" "$work/root"
names() { tr ',|' '\n\n' <<<"$1" | sed 's/(.*)//; s/[[:space:]]//g'; }
depends=$(names "$(dpkg-deb -f "$deb" Depends)")
recommends=$(names "$(dpkg-deb -f "$deb" Recommends)")

# The package holding path, as the loader found it or as dpkg recorded it (merged /usr).
owner() {
    [[ -n $1 ]] || return 0
    local path found
    for path in "$1" "$(realpath "$1")" "/usr$1" "${1#/usr}"; do
        found=$(dpkg -S "$path" 2>/dev/null | grep -v '^diversion' | head -n1 | cut -d: -f1 || true)
        [[ -n $found ]] && echo "$found" && return
    done
}
status=0
need() { # package, what needs it
    if [[ -z $1 ]]; then
        echo "$2: no installed package holds it"
        status=1
    elif ! grep -qxF "$1" <<<"$depends"; then
        echo "Depends lacks $1, which $2 needs"
        status=1
    fi
}
while IFS= read -r -d '' file; do
    [[ $(head -c4 "$file") == $'\x7fELF' ]] || continue
    shown=${file#"$work/root"}
    # a module that does not link a library it calls would hide that library from the packaging
    undefined=$(ldd -r "$file" 2>&1 | grep 'undefined symbol' | head -n 3 || true)
    if [[ -n $undefined ]]; then
        echo "$shown calls functions of a library it does not link: $undefined"
        status=1
    fi
    for soname in $(objdump -p "$file" | awk '$1 == "NEEDED" { print $2 }'); do
        path=$(ldd "$file" | awk -v s="$soname" '$1 == s { print $3 } $1 ~ "/" s "$" { print $1 }')
        need "$(owner "$path")" "$shown (for $soname)"
    done
done < <(find "$work/root" -type f -print0)
for plugin in "$@"; do
    need "$(owner "$plugin")" "the Qt plugin $plugin"
done
grep -qx 'hunspell-.*' <<<"$recommends" || { echo "Recommends names no spelling dictionary"; status=1; }
[[ $status -eq 0 ]] && echo "$(basename "$deb"): Depends names every package needed"
exit $status
