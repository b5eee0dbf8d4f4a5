#!/usr/bin/env bash
# Installs the programs of the build in $1 (the packages trendkurve and trendkurve-cli) into a
# temporary prefix and checks the installed files, the desktop entry and the file types.
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
share/doc/trendkurve-cli/changelog.Debian.gz
share/doc/trendkurve-cli/copyright
share/doc/trendkurve/anleitung.html
share/doc/trendkurve/changelog.Debian.gz
share/doc/trendkurve/copyright
share/icons/hicolor/scalable/apps/trendkurve.svg
share/man/man1/trendkurve-cli.1.gz
share/man/man1/trendkurve.1.gz
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
# The database built from the definition knows both extensions; a ".pro" file is a prognosis by
# its content, as the program writes it, and a qmake project of the same name is not claimed.
if command -v update-mime-database >/dev/null; then
    XDG_DATA_DIRS="$prefix/share" update-mime-database "$prefix/share/mime" >/dev/null
    grep -q ':application/x-trendkurve-regression:\*\.rgr' "$prefix/share/mime/globs2"
    grep -q ':application/x-trendkurve-prognose:\*\.pro' "$prefix/share/mime/globs2"
    if command -v gio >/dev/null; then
        cp "$(dirname "$0")/../../examples/absatz-logistisch.pro" "$prefix/absatz.pro"
        printf '"Titel, in Anf\xfchrung"\r\n 21 \r\n 1 \r\n 1  2 \r\n' >"$prefix/lang.pro"
        printf 'TEMPLATE = app\r\nQT += widgets\r\nSOURCES += main.cpp\r\n' >"$prefix/qmake.pro"
        for datei in absatz:application/x-trendkurve-prognose lang:application/x-trendkurve-prognose \
            qmake:text/plain; do
            art=$(XDG_DATA_HOME="$prefix/share" XDG_DATA_DIRS=/usr/share gio info \
                -a standard::content-type "$prefix/${datei%%:*}.pro" | sed -n 's/.*content-type: //p')
            [[ $art == "${datei#*:}" ]] || { echo "${datei%%:*}.pro is $art"; exit 1; }
        done
    fi
fi
echo "installation ok"
