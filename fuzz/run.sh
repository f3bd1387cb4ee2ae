#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for SECONDS (default 60) on a scratch copy
# of its seed corpus, so the committed corpora stay small. Any finding stops with a non-zero exit.
#   bash fuzz/run.sh [SECONDS]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
for p in clang-14 libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ -n "${missing[*]:-}" ]; then
  sudo=""; [ "$(id -u)" -ne 0 ] && sudo="sudo"
  $sudo apt-get update -qq && DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}"
fi
CXX=clang++-14 cmake -S . -B build-fuzz -G Ninja -DRIBEMO_FUZZ=ON -DRIBEMO_BENCH=OFF -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
targets=$(cd fuzz && ls *_fuzz.cpp | sed 's/\.cpp$//')
cmake --build build-fuzz --target $targets
for t in $targets; do
  corpus=fuzz/corpus/${t%_fuzz}
  work=$(mktemp -d)
  cp -r "$corpus"/. "$work"/
  echo "== $t: ${seconds}s on a copy of $corpus"
  build-fuzz/fuzz/"$t" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build-fuzz/ "$work" 2>&1 | tail -n 12
  rm -rf "$work"
done
