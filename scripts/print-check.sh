#!/usr/bin/env bash
# A real printer path: a CUPS queue whose A4 paper has unprintable margins,
# printing to PDF through cups-pdf. The demo month's front sheet goes to it
# with `veltra-cli print --printer`; its outer rules must land on the paper
# where the PDF written directly puts them (within 0.5 mm), which is what the
# margin correction exists for.
set -euo pipefail
build=${1:-build}
cli=$(realpath "$build/src/veltra-cli")
queue=veltra-check
VELTRA_PRINT_DEPS=1 "$(dirname "$0")/install-deps.sh"

work=$(mktemp -d)
chmod 777 "$work"
started_cupsd=
cleanup() {
  lpadmin -x "$queue" 2>/dev/null || true
  rm -f /etc/cups/cups-pdf-veltra.conf
  if [ -n "$started_cupsd" ] && [ -f /run/cups/cupsd.pid ]; then kill "$(cat /run/cups/cupsd.pid)" || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

if ! lpstat -r 2>/dev/null | grep -q 'is running'; then
  if ! command -v cupsd >/dev/null || ! cupsd; then
    echo "print-check: skipped, the CUPS scheduler cannot start here"
    exit 0
  fi
  started_cupsd=1
  for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q 'is running' && break; sleep 0.2; done
fi

# cups-pdf's instance "veltra" writes into the work folder.
mkdir -p "$work/out" && chmod 777 "$work/out"
printf 'Out %s\nAnonDirName %s\nLabel 0\n' "$work/out" "$work/out" > /etc/cups/cups-pdf-veltra.conf
sed 's|^\*ImageableArea A4/A4: .*|*ImageableArea A4/A4: "12 10 580 828"|' \
  /usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd > "$work/veltra.ppd"
lpadmin -p "$queue" -E -v cups-pdf:/veltra -P "$work/veltra.ppd" 2>/dev/null

"$cli" demo "$work/demo" >/dev/null
month=$(ls "$work"/demo/data/*/1年2組/*_5.ROD)
"$cli" print "$month" --work-folder "$work/demo" --pdf "$work/direct.pdf"
"$cli" print "$month" --work-folder "$work/demo" --trace "$work/trace.json"
"$cli" print "$month" --work-folder "$work/demo" --printer "$queue"
for _ in $(seq 150); do ls "$work"/out/*.pdf >/dev/null 2>&1 && break; sleep 0.2; done
printed=$(ls "$work"/out/*.pdf 2>/dev/null | head -1)
[ -n "$printed" ] || { echo "print-check: cups-pdf wrote no PDF"; exit 1; }
sleep 0.5

# The PDF's captions stand where the trace says.
pdftotext -bbox "$work/direct.pdf" "$work/direct.html"
python3 - "$work/trace.json" "$work/direct.html" <<'PY'
import json, re, sys
trace = json.load(open(sys.argv[1], encoding='utf-8'))
words = re.findall(r'<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>([^<]+)</word>', open(sys.argv[2], encoding='utf-8').read())
checked = 0
placed = {text: (float(x) * 25.4 / 72, float(y) * 25.4 / 72) for x, y, text in words}
for caption in ('学級担任者', '欠席日数', '忌引等日数', '出席率(－×100)'):
    item = next((i for i in trace['pages'][0] if i.get('text') == caption), None)
    if item is None or caption not in placed:
        continue
    x, y = placed[caption]
    if abs(x - item['x']) > 0.5 or abs(y - item['y']) > 0.5:
        sys.exit('print-check: %s at %.2f, %.2f in the PDF, %.2f, %.2f in the trace' % (caption, x, y, item['x'], item['y']))
    print('%s at %.2f, %.2f mm as traced' % (caption, x, y))
    checked += 1
if checked == 0:
    sys.exit('print-check: no caption of the trace found in the PDF')
PY

dpi=200
pdftoppm -r $dpi -gray -singlefile "$work/direct.pdf" "$work/direct"
pdftoppm -r $dpi -gray -singlefile "$printed" "$work/printed" 2>/dev/null
read -r top bottom left right < <(python3 "$(dirname "$0")/printframe.py" "$work/direct.pgm" $dpi)
read -r ptop pbottom pleft pright < <(python3 "$(dirname "$0")/printframe.py" "$work/printed.pgm" $dpi)
echo "direct PDF, landscape: top $top bottom $bottom left $left right $right mm"
echo "printed, portrait paper: top $ptop bottom $pbottom left $pleft right $pright mm"
# The landscape sheet lies turned on the portrait paper, either way round.
within() { awk -v a="$1" -v b="$2" 'BEGIN { d = a - b; exit !(d < 0.5 && d > -0.5) }'; }
matches() { within "$1" "$left" && within "$2" "$right" && within "$3" "$top" && within "$4" "$bottom"; }
if matches "$ptop" "$pbottom" "$pleft" "$pright" || matches "$pbottom" "$ptop" "$pright" "$pleft"; then
  echo "print-check: the printed form lands where the PDF puts it"
else
  echo "print-check: the printed form is displaced on the paper"
  exit 1
fi
