#!/usr/bin/env bash
# Checks the Debian packages in the folder $1 without installing them: each holds its files,
# man page, copyright and changelog, names the maintainer, the command line needs no Qt, every
# program and library is hardened, and apt could install the whole set.
set -euo pipefail
cd "$(dirname "$0")/.."
ordner="$1"
version=$(sed -n '1s/^trendkurve (\([^)]*\)).*/\1/p' doc/changelog)
wartung="Trendkurve-Entwicklung <entwicklung@trendkurve.de>"
py=usr/lib/python3/dist-packages/trendkurve
declare -A dateien=(
    [trendkurve]="usr/bin/trendkurve usr/share/applications/trendkurve.desktop
        usr/share/icons/hicolor/scalable/apps/trendkurve.svg usr/share/mime/packages/trendkurve.xml
        usr/share/doc/trendkurve/anleitung.html usr/share/man/man1/trendkurve.1.gz"
    [trendkurve-cli]="usr/bin/trendkurve-cli usr/share/man/man1/trendkurve-cli.1.gz"
    [python3-trendkurve]="$py/__init__.py $py/dask.py"
    [libtrendkurve1]="usr/lib/libtrendkurve.so.1"
    [libtrendkurve-dev]="usr/lib/libtrendkurve.so usr/include/trendkurve/trendkurve.h
        usr/lib/cmake/Trendkurve/TrendkurveConfig.cmake
        usr/lib/cmake/Trendkurve/TrendkurveConfigVersion.cmake"
)
fehler() {
    echo "$*"
    exit 1
}
debs=()
for p in "${!dateien[@]}"; do
    deb=$(echo "$ordner/${p}_${version}_"*.deb)
    [[ -f $deb ]] || fehler "no package $p $version in $ordner"
    debs+=("$deb")
    inhalt=$(dpkg-deb -c "$deb")
    for f in ${dateien[$p]} usr/share/doc/$p/copyright usr/share/doc/$p/changelog.Debian.gz; do
        grep -qE " \./$f( -> .*)?\$" <<<"$inhalt" || fehler "$p lacks $f"
    done
    [[ $(dpkg-deb -f "$deb" Maintainer) == "$wartung" ]] || fehler "$p: wrong maintainer"
    dpkg-deb -x "$deb" "$ordner/inhalt"
done
cli=$(echo "$ordner"/trendkurve-cli_*.deb)
if dpkg-deb -f "$cli" Depends | grep -qi qt; then
    fehler "trendkurve-cli depends on Qt: $(dpkg-deb -f "$cli" Depends)"
fi

# Hardening: relocations read-only and bound at start, position-independent programs, and
# the checked variants of the C library's calls in the programs.
while read -r elf; do
    # Whole outputs first: grep -q stopping early would fail readelf under pipefail.
    dyn=$(readelf -dW "$elf") kopf=$(readelf -hlW "$elf") symbole=$(readelf --dyn-syms -W "$elf")
    grep -q 'BIND_NOW' <<<"$dyn" || fehler "$elf: not linked with -z now"
    grep -q GNU_RELRO <<<"$kopf" || fehler "$elf: no RELRO"
    grep -q '__stack_chk_fail' <<<"$symbole" || fehler "$elf: no stack protector"
    if [[ $elf == */bin/* ]]; then
        grep -q 'Type:.*DYN' <<<"$kopf" || fehler "$elf: not PIE"
        grep -qE '__[a-z]+printf_chk|__mem[a-z]+_chk' <<<"$symbole" || fehler "$elf: not fortified"
    fi
done < <(find "$ordner/inhalt" -type f \( -path '*/bin/*' -o -name '*.so*' \))

zcat "$ordner/inhalt/usr/share/man/man1/trendkurve-cli.1.gz" | grep -q '^\.SH JSON-FELDER'
apt-get install --simulate "${debs[@]}" >/dev/null
"$ordner/inhalt/usr/bin/trendkurve-cli" --version
PYTHONPATH="$ordner/inhalt/usr/lib/python3/dist-packages" python3 -c \
    'import trendkurve; print(trendkurve.fit_regression([1, 2, 3, 4], [2, 4, 6, 8.5])["decisive"]["code"])' >/dev/null
echo "packages ok: ${!dateien[*]}"
