#!/usr/bin/env bash
# End-to-end checks of corvel-cli as a user runs it: $1 is the executable.
set -u
cli="$1"
failures=0
check() {  # check NAME EXPECTED_STATUS PATTERN -- ARGS...
    local name="$1" status="$2" pattern="$3"
    shift 4
    local output
    output=$("$cli" "$@" 2>&1)
    local actual=$?
    if [ "$actual" -ne "$status" ] || ! grep -q -- "$pattern" <<<"$output"; then
        echo "FAIL $name: status $actual, output:"
        echo "$output"
        failures=$((failures + 1))
    else
        echo "ok   $name"
    fi
}

check "ud ply" 0 "Ey = Ez *\[GPa\] *8.36084" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --elastic CCA --thermal Shapery
check "ud thermal" 0 "α y = α z *\[ppm/K\] *44.6689" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --elastic 2 --thermal shapery
check "random mat" 0 "Ex = Ey *\[GPa\] *50.9542" -- \
    mat --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --elastic CCA --thermal Shapery
check "list resins" 0 "ACG LTM 10" -- list resins
check "list weaves" 0 "Satin  5H" -- list weaves
check "unknown resin" 1 "unknown resin \"Epoxy\"" -- \
    ud --resin Epoxy --fibre "Hercules AS4" --vf 60
check "unknown model" 1 "unknown elastic model" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --elastic Voigt
check "vf zero" 1 "Invalid fibre volume factor: (0,100) %" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 0
check "vf hundred" 1 "Invalid fibre volume factor: (0,100) %" -- \
    mat --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 100
check "missing option" 2 "vf" -- ud --resin "Hexcel 8552" --fibre "Hercules AS4"
check "fabric" 0 "Ez *\[GPa\] *8.01579" -- \
    fabric --resin "Hexcel RTM6" --fibre "Tenax HTA" --weave "satin 5h" --vf 55 \
    --warp-count 1200 --fill-count 1150.5 --density 0.2 --warp-angle 0 --fill-angle 90
check "weave" 0 "Plain: 4 x 4 cells, maximum coarsening 2" -- weave Plain
check "sweep" 0 "^45 *Rule of Mixtures *Shapery" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 30:45:5 --elastic all --thermal all
check "validate" 0 "all within tolerance" -- validate
check "validate markdown" 0 "^## Validation against published laminae" -- validate --markdown
check "help" 0 "Unidirectional" -- --help
check "export calculix" 0 "^\*ELASTIC, TYPE=ENGINEERING CONSTANTS" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --export calculix
check "export nastran" 0 "^MAT8\*" -- \
    mat --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --export NASTRAN --name AS4_mat
check "export laminate" 0 "^\*SHELL GENERAL SECTION, ELSET=FABRIC_Tenax_HTA_Hexcel_RTM6_Satin_5H_VF55" -- \
    fabric --resin "Hexcel RTM6" --fibre "Tenax HTA" --weave "satin 5h" --vf 55 \
    --warp-count 1200 --fill-count 1150.5 --density 0.2 --warp-angle 0 --fill-angle 90 \
    --results abd --export abaqus
check "laminate for calculix" 2 "CalculiX has no general shell section" -- \
    fabric --resin "Hexcel RTM6" --fibre "Tenax HTA" --weave "satin 5h" --vf 55 \
    --warp-count 1200 --fill-count 1150.5 --density 0.2 --warp-angle 0 --fill-angle 90 \
    --results abd --export calculix
check "export name" 2 "a solver name has letters" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --export abaqus --name "my ply"
check "output without export" 2 "requires --export" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --output ply.inp
check "export and json" 2 "excludes" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --export abaqus --json
check "unwritable output" 1 "could not be written" -- \
    ud --resin "Hexcel 8552" --fibre "Hercules AS4" --vf 60 --export abaqus \
    --output /nonexistent/ply.inp

# Charts: drawn by corvel-plot beside corvel-cli when Qt Charts was there at build time.
plots=$(mktemp -d)
if [ -x "$(dirname "$cli")/corvel-plot" ]; then
    check "plot svg" 0 "" -- plot ud --resin "Hexcel 8552" --fibre "Hercules AS4" \
        --property Ey --current 60 --output "$plots/ey.svg"
    check "plot png" 0 "" -- plot fabric --resin "Hexcel RTM6" --fibre "Tenax HTA" \
        --weave "satin 5h" --warp-count 1200 --fill-count 1150.5 --density 0.2 --warp-angle 0 \
        --fill-angle 90 --property Ex --vf 20:60:2 --output "$plots/ex.png"
    if ! grep -q "<svg" "$plots/ey.svg" || ! head -c 4 "$plots/ex.png" | grep -q PNG; then
        echo "FAIL plot files: not an SVG drawing and a PNG image"
        failures=$((failures + 1))
    fi
    check "plot property" 1 "unknown property \"Eq\"" -- plot mat --resin "Hexcel 8552" \
        --fibre "Hercules AS4" --property Eq --output "$plots/eq.png"
else
    check "plot without Qt Charts" 2 "plot needs" -- plot ud --resin "Hexcel 8552" \
        --fibre "Hercules AS4" --property Ey --output "$plots/ey.svg"
fi
rm -rf "$plots"

[ "$failures" -eq 0 ]
