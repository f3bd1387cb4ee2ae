#!/usr/bin/env bash
# Prints the speed and memory figures as a Markdown table, every row the README quotes. Build
# first with the benchmarks on (cmake -DRIBEMO_BENCH=ON); then:
#     bash bench/numbers.sh [BUILD] [RUNS] [ROUNDS]
# RUNS starts of each program for the start-up rows (alternated), ROUNDS alternated rounds for the
# Enter-to-request rows (those need Xvfb and xdotool; they are left out without them).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}; runs=${2:-7}; rounds=${3:-40}
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}
export QTWEBENGINE_CHROMIUM_FLAGS="${QTWEBENGINE_CHROMIUM_FLAGS:---disable-gpu --disable-background-networking --disable-component-update --no-first-run}"

# The engine keeps its profile under the home folder: a scratch one, so that the runs leave no
# files. The first (warm-up) start makes the profile; the measured starts find it, as a user's do.
work=$(mktemp -d); trap 'rm -rf "$work"' EXIT
export HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_CACHE_HOME="$work/home/cache"
export XDG_CONFIG_HOME="$work/home/config" XDG_RUNTIME_DIR="$work/run"
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

now_ns() { date +%s%N; }
median() { sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN{printf "%.2f", a/b}'; }
signed() { awk -v n="$1" 'BEGIN{printf "%+d", n}'; }

# One start to the help page: milliseconds from launch to the end of the program (which ends as
# soon as the page is on show), and the memory of its process tree then. Output goes to a file,
# not a pipe, so the engine's processes winding down after the end are not waited for.
start_once() {  # program [tree file] -> "ms rss_kb pss_kb"
  local s e
  s=$(now_ns); "$build/$1" ${2:+"$2"} >"$work/out" 2>/dev/null; e=$(now_ns)
  echo "$(( (e - s) / 1000000 )) $(awk '/rss_kb/{r=$2} /pss_kb/{p=$2} END{print r, p}' "$work/out")"
}
column_median() { printf '%s\n' "${@:2}" | awk -v c="$1" '{print $c}' | median; }

# The start-up and its memory, against a bare QWebEngineView; then the same start with a
# 100,000-node keyword tree on the first tab, against the start without it.
"$build/reader_throughput" generate "$work"
tree="$work/sample.ask"; tree_nodes=100000
start_once startup_ribemo >/dev/null; start_once startup_bare >/dev/null  # warm caches and profiles
ribemo=(); bare=(); with_tree=(); with_memos=()
for _ in $(seq "$runs"); do
  ribemo+=("$(start_once startup_ribemo)"); bare+=("$(start_once startup_bare)")
  with_tree+=("$(start_once startup_ribemo "$tree")"); with_memos+=("$(start_once startup_ribemo "$work/sample.csv")")
done
st=$(column_median 1 "${ribemo[@]}"); bt=$(column_median 1 "${bare[@]}"); tt=$(column_median 1 "${with_tree[@]}")
sr=$(column_median 2 "${ribemo[@]}"); br=$(column_median 2 "${bare[@]}")
sp=$(column_median 3 "${ribemo[@]}"); bp=$(column_median 3 "${bare[@]}"); tp=$(column_median 3 "${with_tree[@]}")

echo "| measure | Ribemo | yardstick | ratio or difference | target |"
echo "|---|---|---|---|---|"
echo "| start-up to the help page (median of $runs) | ${st} ms | bare QWebEngineView ${bt} ms | $(ratio "$st" "$bt") | ≤ 1.15 |"
echo "| memory with the help page shown, whole process tree (resident) | $((sr / 1024)) MB | bare QWebEngineView $((br / 1024)) MB | $(signed $(( (sr - br) / 1024 ))) MB | |"
echo "| memory with the help page shown, whole process tree (proportional) | $((sp / 1024)) MB | bare QWebEngineView $((bp / 1024)) MB | $(signed $(( (sp - bp) / 1024 ))) MB | ≤ +30 MB |"
awk -v t="$tt" -v s="$st" -v n="$tree_nodes" 'BEGIN{printf "| start-up with a 100,000-node keyword tree | %d ms | without it %d ms | +%d ms, %.2f µs a node | ≤ +250 ms, ≤ 2.5 µs |\n", t, s, t - s, (t - s) * 1000 / n}'
awk -v t="$tp" -v s="$sp" -v n="$tree_nodes" 'BEGIN{printf "| memory with that tree shown (proportional) | %d MB | without it %d MB | +%d MB, %.2f KB a node | ≤ 0.4 KB |\n", t / 1024, s / 1024, (t - s) / 1024, (t - s) / n}'
mt=$(column_median 1 "${with_memos[@]}")
echo "| start-up with a 10,000-memo price memo file | ${mt} ms | without it ${st} ms | $(signed $((mt - st))) ms | |"

# Readers on real files against cat on the same file.
for kind in tree:ask:keyword\ tree list:fal:watched\ list ini:ini:settings memo:csv:price\ memo; do
  IFS=: read -r k ext label <<<"$kind"
  f="$work/sample.$ext"; size=$(stat -c %s "$f")
  mbs=$("$build/reader_throughput" "$k" "$f" | awk '{print $1}')
  s=$(now_ns); for _ in $(seq 20); do cat "$f" >/dev/null; done; e=$(now_ns)
  cat_mbs=$(awk -v b="$size" -v ns="$(( (e - s) / 20 ))" 'BEGIN{printf "%.1f", b / (ns / 1e9) / 1e6}')
  echo "| $label reader, $(( size / 1024 )) KB file | ${mbs} MB/s | cat ${cat_mbs} MB/s | $(ratio "$mbs" "$cat_mbs") | ≥ 100 MB/s |"
done

# Loading into the views (the window benchmarks print their own rows, with any counters they
# keep: bytes per second, heap bytes per node). Each is the median of 5 runs: a single run on a
# shared machine can land a fifth either side.
cat >"$work/rows.py" <<'PY'
import json, sys
# The README's words and targets for the benchmarks it quotes; any other is printed by its name.
known = {
    "BM_ReadAndShow100000Nodes": ("read and show a 100,000-node keyword tree", "≤ 250 ms"),
    "BM_ReplaceAndShow100000Nodes": ("the view alone: that tree replaced by another as large", ""),
    "BM_TabSwitch100000Nodes": ("tab switch in the main window, 100,000 nodes on each tab: save, read, show", "≤ 100 ms"),
    "BM_Save100000Nodes": ("save that tree", "< 200 ms"),
    "BM_KeepRecordAfterOneEdit100000Nodes": ("one edit of that tree: keeping the recovery record, the window's thread", "≤ 16 ms"),
    "BM_TenThousandLevelChain/iterations:3": ("10,000-level chain: load, move, save", "no crash"),
    "LoadAndShowWatchedList/10000": ("load and show 10,000 watched auctions", "< 100 ms"),
    "SaveWatchedList/10000": ("save 10,000 watched auctions", ""),
    "ReadMemoFileAtStart/10000": ("read a 10,000-memo price memo file at start", "< 100 ms"),
    "KeywordNoteOfTenThousandMemos": ("a tree node's memo note among 10,000 memos", ""),
}
for b in json.load(sys.stdin)["benchmarks"]:
    if b.get("error_occurred") or b.get("aggregate_name") != "median":
        continue
    label, target = known.get(b["run_name"], (b["run_name"], ""))
    extra = f"{b['heap_bytes_per_node']:.0f} heap bytes a node" if "heap_bytes_per_node" in b else ""
    if "writer_ms" in b:
        extra = f"write, sync and rename {b['writer_ms']:.0f} ms on a thread of its own"
    print(f"| {label} | {b['real_time']:.0f} {b['time_unit']} | | {extra} | {target} |")
PY
for b in bench_keyword_tree_view_bench bench_watched_list_bench bench_price_memos_bench; do
  [ -x "$build/bench/$b" ] || continue
  "$build/bench/$b" --benchmark_format=json --benchmark_repetitions=5 --benchmark_report_aggregates_only=true \
    2>/dev/null | python3 "$work/rows.py"
done

# The window on screen at a real X display (Xvfb of its own): from the launch to the main window
# mapped, Ribemo (whose engine starts behind the window) against a plain Qt Widgets main window,
# starts alternated.
if command -v Xvfb >/dev/null && [ -x "$build/startup_plain" ]; then
  display=$(( 200 + RANDOM % 500 )); while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
  mapped_once() { RIBEMO_LAUNCHED_NS=$(now_ns) DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$build/$1" 2>/dev/null |
    awk '/mapped_ms/{print $2}'; }
  mapped_once startup_ribemo >/dev/null; mapped_once startup_plain >/dev/null
  r=(); p=()
  for _ in $(seq "$runs"); do r+=("$(mapped_once startup_ribemo)"); p+=("$(mapped_once startup_plain)"); done
  # And to the help page at that display, where a bare view composes its window through OpenGL.
  page_once() { local s e; s=$(now_ns); DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$build/$1" >"$work/out" 2>/dev/null
    e=$(now_ns); echo $(( (e - s) / 1000000 )); }
  page_once startup_ribemo >/dev/null; page_once startup_bare >/dev/null
  x=(); y=()
  for _ in $(seq "$runs"); do x+=("$(page_once startup_ribemo)"); y+=("$(page_once startup_bare)"); done
  kill "$xvfb"
  rm=$(printf '%s\n' "${r[@]}" | median); pm=$(printf '%s\n' "${p[@]}" | median)
  echo "| start to the main window on screen at an X display (median of $runs) | ${rm} ms | plain Qt Widgets window ${pm} ms | $(ratio "$rm" "$pm") | ≤ 1.5 |"
  xm=$(printf '%s\n' "${x[@]}" | median); ym=$(printf '%s\n' "${y[@]}" | median)
  echo "| start-up to the help page at that display (median of $runs) | ${xm} ms | bare QWebEngineView ${ym} ms | $(ratio "$xm" "$ym") | ≤ 1.15 |"
fi

# Scrolling a long result page, pages drawn in software (the program's way) against composed
# through OpenGL (--opengl), at scale 1 and 2, at an X display of its own large enough for the
# window's design size at scale 2. The median of 3 runs of each.
cat >"$work/scroll.py" <<'PY'
import json, sys
runs, text = {}, sys.stdin.read().strip()
while text:
    doc, end = json.JSONDecoder().raw_decode(text)
    text = text[end:].strip()
    for b in doc["benchmarks"]:
        if b.get("aggregate_name") == "median":
            _, way, scale = b["run_name"].split("/")[:3]
            runs[(scale.split(":")[1], way)] = b
def cell(b):
    return f"{b['fps']:.0f} frames/s, {b['cpu_ms_per_frame']:.1f} ms a frame, {100 * b['cpu_share']:.0f} % of a core"
for scale in ("1", "2"):
    s, g = runs.get((scale, "software")), runs.get((scale, "opengl"))
    if s and g:
        print(f"| scrolling a 2,000-row result page at scale {scale}, median of 3: software drawing | {cell(s)} | "
              f"OpenGL (--opengl) {cell(g)} | {s['fps'] / g['fps']:.2f} of the frames, "
              f"{s['cpu_ms_per_frame'] / g['cpu_ms_per_frame']:.2f} of the time a frame | decides the default |")
PY
if command -v Xvfb >/dev/null && [ -x "$build/scroll_long_page" ]; then
  display=$(( 200 + RANDOM % 500 )); while [ -e "/tmp/.X11-unix/X$display" ]; do display=$((display + 1)); done
  Xvfb ":$display" -screen 0 2560x1600x24 -nolisten tcp >/dev/null 2>&1 & xvfb=$!
  for _ in $(seq 100); do [ -e "/tmp/.X11-unix/X$display" ] && break; sleep 0.05; done
  for scale in 1 2; do
    for way in software opengl; do
      DISPLAY=":$display" QT_QPA_PLATFORM=xcb "$build/scroll_long_page" $([ "$way" = opengl ] && echo --opengl) \
        --scale="$scale" --benchmark_format=json --benchmark_repetitions=3 --benchmark_report_aggregates_only=true \
        2>/dev/null
    done
  done | python3 "$work/scroll.py"
  kill "$xvfb"
fi

# What the user feels at a real X display: Enter to the request, and the busy animation's cost.
if command -v Xvfb >/dev/null && command -v xdotool >/dev/null && [ -x "$build/latency_bare" ]; then
  python3 bench/latency/enter_to_request.py "$build" --rounds "$rounds"
fi
