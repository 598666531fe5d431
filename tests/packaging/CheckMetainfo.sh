#!/usr/bin/env bash
# Checks the game's AppStream metainfo: appstreamcli finds nothing to say
# about it, pedantic hints included, and, given the folder of screenshots,
# every screenshot it names lies there at the size it states, and every
# picture there is one it names.
#   CheckMetainfo.sh METAINFO [SCREENSHOTS]
set -euo pipefail
metainfo=$1
screenshots=${2:-}
status=0
fail() { echo "FAIL: $*" >&2; status=1; }

report=$("${APPSTREAMCLI:-appstreamcli}" validate --pedantic --no-net "$metainfo" 2>&1) || true
# Issues are lines "E: ", "W: ", "I: " or "P: "; a clean file gets the
# closing line alone, with no count after it.
if grep -Eq '^[EWIP]: ' <<<"$report" || ! grep -Eq 'Validation was successful\.$' <<<"$report"; then
  fail "appstreamcli validate --pedantic reports:"
  echo "$report" >&2
fi

if [ -n "$screenshots" ]; then
  named=()
  while read -r width height url; do
    name=${url##*/}
    named+=("$name")
    if [ ! -f "$screenshots/$name" ]; then
      fail "$name is named but not in $screenshots"
    elif ! file "$screenshots/$name" | grep -q "PNG image data, $width x $height,"; then
      fail "$name is not a PNG of $width x $height: $(file -b "$screenshots/$name")"
    fi
  done < <(sed -nE 's|.*<image type="source" width="([0-9]+)" height="([0-9]+)">([^<]+)</image>.*|\1 \2 \3|p' "$metainfo")
  [ ${#named[@]} -ge 3 ] || fail "only ${#named[@]} screenshots named"
  for picture in "$screenshots"/*.png; do
    printf '%s\n' "${named[@]}" | grep -qxF "${picture##*/}" || fail "${picture##*/} is named by no screenshot"
  done
fi

[ $status -eq 0 ] && echo "$metainfo: clean${screenshots:+, ${#named[@]} screenshots}"
exit $status
