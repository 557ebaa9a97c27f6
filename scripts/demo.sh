#!/usr/bin/env bash
# The main job: builds and installs both deliverables with their stand-ins, then shows the flows.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
cmake --preset linux >/dev/null
cmake --build --preset linux -j "$(nproc)"
cmake --install build/linux --prefix dist/linux >/dev/null
echo "demo: installed into dist/linux"
shopt -s nullglob
for flow in scripts/demo-*.sh; do
    bash "$flow"
done
