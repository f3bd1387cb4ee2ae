#!/usr/bin/env bash
# Prints the speed and memory figures as a Markdown table. Build first (bash build.sh test, or
# cmake --build build); then: bash bench/numbers.sh [BUILD] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}; runs=${2:-7}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-background-networking --disable-component-update --no-first-run}"

now_ns() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }

# Start-up to the help page and resident memory once it shows, against a bare QWebEngineView.
start_times=(); bare_times=(); start_rss=(); bare_rss=()
"$build/startup_ribemo" >/dev/null 2>&1 || true; "$build/startup_bare" >/dev/null 2>&1 || true  # warm caches
for _ in $(seq "$runs"); do
  s=$(now_ns); out=$("$build/startup_ribemo" 2>/dev/null); e=$(now_ns)
  start_times+=($(( (e - s) / 1000000 ))); start_rss+=($(echo "$out" | awk '/rss_kb/{print $2}'))
  s=$(now_ns); out=$("$build/startup_bare" 2>/dev/null); e=$(now_ns)
  bare_times+=($(( (e - s) / 1000000 ))); bare_rss+=($(echo "$out" | awk '/rss_kb/{print $2}'))
done
st=$(printf '%s\n' "${start_times[@]}" | median); bt=$(printf '%s\n' "${bare_times[@]}" | median)
sr=$(printf '%s\n' "${start_rss[@]}" | median); br=$(printf '%s\n' "${bare_rss[@]}" | median)

echo "| measure | Ribemo | yardstick | ratio or difference | target |"
echo "|---|---|---|---|---|"
echo "| start-up to the help page (median of $runs) | ${st} ms | bare QWebEngineView ${bt} ms | $(ratio "$st" "$bt") | ≤ 1.15 |"
echo "| resident memory with the help page shown | $((sr / 1024)) MB | bare QWebEngineView $((br / 1024)) MB | +$(( (sr - br) / 1024 )) MB | ≤ +30 MB |"

# Readers on real files against cat on the same file.
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
"$build/reader_throughput" generate "$work"
for kind in tree:ask:keyword\ tree list:fal:watched\ list ini:ini:settings; do
  IFS=: read -r k ext label <<<"$kind"
  f="$work/sample.$ext"; size=$(stat -c %s "$f")
  mbs=$("$build/reader_throughput" "$k" "$f" | awk '{print $1}')
  s=$(now_ns); for _ in $(seq 20); do cat "$f" >/dev/null; done; e=$(now_ns)
  cat_mbs=$(awk -v b="$size" -v ns="$(( (e - s) / 20 ))" 'BEGIN{printf "%.1f", b / (ns / 1e9) / 1e6}')
  echo "| $label reader, $(( size / 1024 )) KB file | ${mbs} MB/s | cat ${cat_mbs} MB/s | $(ratio "$mbs" "$cat_mbs") | ≥ 100 MB/s |"
done

# Loading into the views (the window benchmarks print their own rows).
for b in bench_keyword_tree_view_bench bench_watched_list_bench; do
  [ -x "$build/bench/$b" ] || continue
  "$build/bench/$b" --benchmark_format=csv 2>/dev/null | awk -F, '$1 ~ /^"[A-Za-z_]+[/"]/ && $3 ~ /^[0-9.e+]+$/ {gsub(/"/,"",$1); printf "| %s | %.2f %s | | | |\n", $1, $3, $5}'
done
