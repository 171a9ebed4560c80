#!/usr/bin/env bash
# Sets up the machine, builds the plug-in and the development host, and runs the demo scenario
# (tools/demo/demo.txt) against the stand-in services: what reaches every forward group, the
# mirror peer and the log is printed in UTF-8.
#
#   scripts/demo.sh                      the demo against the stand-ins, with tools/demo/sample-config.ini
#   scripts/demo.sh --real CONFIG.ini    the same scenario against the real services, with the
#                                        operator's configuration (GBK, as the plug-in keeps it)
#   BUILD_DIR=other scripts/demo.sh      builds and runs in another build directory (default build)
set -euo pipefail
cd "$(dirname "$0")/.."

real_config=""
if [ "${1:-}" = "--real" ]; then
  real_config="${2:?usage: scripts/demo.sh --real CONFIG.ini}"
fi
build_dir="${BUILD_DIR:-build}"

scripts/setup.sh
cmake -S . -B "$build_dir" -G Ninja
cmake --build "$build_dir" --target taoke devhost TNOffer

config_file="$build_dir/淘客配置.ini"
if [ -n "$real_config" ]; then
  cp "$real_config" "$config_file"
  unset TAOKE_CONNECT_TO
  exec "$build_dir/devhost" "$build_dir/libtaoke.so" tools/demo/demo.txt
fi

# The sample configuration as the plug-in reads it: GBK with CRLF line ends.
python3 - "$config_file" <<'EOF'
import sys
text = open("tools/demo/sample-config.ini", encoding="utf-8").read()
open(sys.argv[1], "wb").write(text.replace("\n", "\r\n").encode("gbk"))
EOF

state_dir="$(mktemp -d)"
python3 tools/standins/standins.py --mirror --ready-file "$state_dir/ready.json" > /dev/null &
standins_pid=$!
trap 'kill "$standins_pid" 2>/dev/null; wait "$standins_pid" 2>/dev/null; rm -rf "$state_dir"' EXIT
for _ in $(seq 100); do
  [ -s "$state_dir/ready.json" ] && break
  kill -0 "$standins_pid" 2>/dev/null || { echo "demo: the stand-in services did not start" >&2; exit 1; }
  sleep 0.1
done
read -r http_port connect_to < <(python3 -c '
import json, sys
ready = json.load(open(sys.argv[1]))
print(ready["http"], ready["connect_to"])' "$state_dir/ready.json")
export TAOKE_CONNECT_TO="$connect_to"

"$build_dir/devhost" "$build_dir/libtaoke.so" tools/demo/demo.txt

echo
echo "== What the mirror peer (127.0.0.1:19730) received"
python3 - "$http_port" <<'EOF'
import json, sys, urllib.request
base = "http://127.0.0.1:%s" % sys.argv[1]
opener = urllib.request.build_opener(urllib.request.ProxyHandler({}))
chunks = json.load(opener.open(base + "/__mirror"))
print("".join(chunks).encode("latin-1").decode("gbk", "replace") or "(nothing)")
print()
print("== Requests the stand-in services received, in order")
for request in json.load(opener.open(base + "/__requests")):
    print(request["method"], request["url"].encode("latin-1").decode("gbk", "replace"))
EOF
