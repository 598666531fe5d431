#!/usr/bin/env bash
# Checks the Debian package that cpack wrote into FOLDER: its name, that it
# holds the game's files and nothing else, what it depends on, that
# lintian finds nothing to report in it, and that appstreamcli and
# desktop-file-validate find nothing to say about its metainfo and desktop
# entry.
#   CheckPackage.sh FOLDER VERSION
set -euo pipefail
folder=$1
version=$2
app_id=io.github.peglore.Peglore
component_id=io.github.peglore.peglore
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

deb=$folder/peglore_${version}_$(dpkg --print-architecture).deb
[ -f "$deb" ] || { echo "FAIL: no $deb" >&2; ls -l "$folder" >&2 || true; exit 1; }

expected=(
  ./usr/games/peglore
  ./usr/share/peglore/Peglore.hlp
  ./usr/share/peglore/Peglore.mid
  ./usr/share/applications/$app_id.desktop
  ./usr/share/metainfo/$component_id.metainfo.xml
  ./usr/share/man/man6/peglore.6.gz
  ./usr/share/doc/peglore/copyright
  ./usr/share/doc/peglore/changelog.gz
)
# The help in every language the game speaks, beside the English.
for help in "$(dirname "$0")"/../../resources/help/Peglore.*.hlp; do
  expected+=("./usr/share/peglore/${help##*/}")
done
for size in 16 32 48 64 128 256; do
  expected+=("./usr/share/icons/hicolor/${size}x${size}/apps/$app_id.png")
  expected+=("./usr/share/icons/hicolor/${size}x${size}@2/apps/$app_id.png")
done

contents=$(dpkg-deb --contents "$deb")
# Files and links only (directories end in "/"), the path in the last field.
actual=$(awk '{ print $NF }' <<<"$contents" | grep -v '/$' | sort)
wanted=$(printf '%s\n' "${expected[@]}" | sort)
if [ "$actual" != "$wanted" ]; then
  fail "file list differs (< wanted, > in the package):"
  diff <(echo "$wanted") <(echo "$actual") >&2 || true
fi
if ! grep -Eq '^-rwxr-xr-x .* \./usr/games/peglore$' <<<"$contents"; then
  fail "usr/games/peglore is not an executable file"
fi

depends=$(dpkg-deb --field "$deb" Depends)
for needed in timgm6mb-soundfont fonts-liberation qt6-qpa-plugins libqt6sql6-sqlite libqt6widgets6 libfluidsynth3 libc6; do
  grep -Eq "(^|, )$needed( |,|$)" <<<"$depends" || fail "Depends lacks $needed: $depends"
done
[ "$(dpkg-deb --field "$deb" Package)" = peglore ] || fail "package name"
[ "$(dpkg-deb --field "$deb" Version)" = "$version" ] || fail "package version"
[ "$(dpkg-deb --field "$deb" Section)" = games ] || fail "section"
grep -Eq "(^|, )qt6-wayland( |,|$)" <<<"$(dpkg-deb --field "$deb" Recommends)" || fail "Recommends lacks qt6-wayland"

# Every tag of level warning or error fails; information is shown only.
if ! "${LINTIAN:-lintian}" --fail-on error,warning --no-tag-display-limit "$deb" >&2; then
  fail "lintian reports the package"
fi

# The metainfo and desktop entry as installed, pedantic hints included.
unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb --extract "$deb" "$unpacked"
bash "$(dirname "$0")/CheckMetainfo.sh" "$unpacked/usr/share/metainfo/$component_id.metainfo.xml" >/dev/null || fail "metainfo"
desktop_report=$("${DESKTOP_FILE_VALIDATE:-desktop-file-validate}" "$unpacked/usr/share/applications/$app_id.desktop" 2>&1) ||
  fail "desktop-file-validate fails"
[ -z "$desktop_report" ] || fail "desktop-file-validate reports: $desktop_report"

[ $status -eq 0 ] && echo "peglore_${version} package: ${#expected[@]} files, Depends: $depends"
exit $status
