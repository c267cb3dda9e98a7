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

[ "$failures" -eq 0 ]
