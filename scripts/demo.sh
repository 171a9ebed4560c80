#!/usr/bin/env bash
# Sets up the machine, builds the plug-in and the development host, and runs the demo scenario.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake -S . -B build -G Ninja
cmake --build build
if [ -x build/devhost ]; then
  exec build/devhost build/libtaoke.so tools/devhost/demo.txt
fi
echo "demo: the development host is not built yet"
