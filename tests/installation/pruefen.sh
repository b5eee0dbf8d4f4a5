#!/usr/bin/env bash
# Installs the programs of the build in $1 into a temporary prefix and checks the installed
# files, the desktop entry and the file types.
set -euo pipefail
build="$1"
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
for komponente in programm kommandozeile; do
    cmake --install "$build" --prefix "$prefix" --component $komponente >/dev/null
done

erwartet="bin/trendkurve
bin/trendkurve-cli
share/applications/trendkurve.desktop
share/doc/trendkurve/anleitung.html
share/doc/trendkurve/copyright
share/icons/hicolor/scalable/apps/trendkurve.svg
share/mime/packages/trendkurve.xml"
liste=$(cd "$prefix" && find . -type f -o -type l | sed 's|^\./||' | LC_ALL=C sort)
if [[ "$liste" != "$erwartet" ]]; then
    echo "installed files differ from the expected list:"
    diff <(echo "$erwartet") <(echo "$liste") || true
    exit 1
fi
"$prefix/bin/trendkurve-cli" --version | grep -q '^trendkurve-cli [0-9]'
"$prefix/bin/trendkurve" --version | grep -q '^trendkurve [0-9]'
# The manual the program shows is installed for reading elsewhere too.
grep -q 'Die neun Regressionsmodelle' "$prefix/share/doc/trendkurve/anleitung.html"

# Hints count as failures too.
if command -v desktop-file-validate >/dev/null; then
    meldung=$(desktop-file-validate "$prefix/share/applications/trendkurve.desktop" 2>&1)
    [[ -z "$meldung" ]] || { echo "$meldung"; exit 1; }
fi
if command -v xmllint >/dev/null; then
    xmllint --noout "$prefix/share/mime/packages/trendkurve.xml" \
        "$prefix/share/icons/hicolor/scalable/apps/trendkurve.svg"
fi
# The database built from the definition knows both extensions.
if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" >/dev/null
    grep -q ':application/x-trendkurve-regression:\*\.rgr' "$prefix/share/mime/globs2"
    grep -q ':application/x-trendkurve-prognose:\*\.pro' "$prefix/share/mime/globs2"
fi
echo "installation ok"
