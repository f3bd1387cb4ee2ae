#!/usr/bin/env bash
# Times start-up to the help page: Ribemo against a bare QWebEngineView on the same page, each run
# RUNS times in turn; prints the medians and their ratio. Usage: bench/startup.sh [BUILD] [RUNS]
set -euo pipefail
build=${1:-build}; runs=${2:-9}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-background-networking --disable-component-update --no-first-run}"
run_ms() { local s e; s=$(date +%s%N); "$1" >/dev/null 2>&1; e=$(date +%s%N); echo $(( (e - s) / 1000000 )); }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
"$build/startup_ribemo" >/dev/null 2>&1; "$build/startup_bare" >/dev/null 2>&1  # warm the caches
r=(); b=()
for _ in $(seq "$runs"); do r+=("$(run_ms "$build/startup_ribemo")"); b+=("$(run_ms "$build/startup_bare")"); done
rm=$(printf '%s\n' "${r[@]}" | median); bm=$(printf '%s\n' "${b[@]}" | median)
echo "| start-up to help page | Ribemo ${rm} ms | bare QWebEngineView ${bm} ms | ratio $(awk -v a="$rm" -v b="$bm" 'BEGIN{printf "%.2f", a/b}') |"
