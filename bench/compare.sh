#!/usr/bin/env bash
# Times search_bench against ripgrep on one thread and GNU grep, on the Linux kernel
# source and on a generated tree of many small files, checks that all three report the
# same set of files, and times one paced run (1 ms after each file, as the window does).
# bench/README.md tells what it measures and the targets.
#
# Exit status: 0 when every corpus gave the same file set from all three programs,
# 1 when a set differed, 2 for a usage error or a missing tool or corpus.
set -euo pipefail

repo=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd -P)

usage() {
    cat <<EOF
usage: bench/compare.sh [options]
  --bench PATH     the search_bench to time (default \$FIF_SEARCH_BENCH, else
                   $repo/build/bench/search_bench)
  --build DIR      first run 'cmake --build DIR --target search_bench -j2', then time
                   DIR/bench/search_bench
  --corpus NAME    kernel, tree or all (default all)
  --mask MASK      the file mask for both corpora (default *.c)
  --text TEXT      the search text for both corpora (default pm_resume)
  --runs N         timed runs per program and corpus (default \$FIF_BENCH_RUNS, else 10)
  --tree-files N   files in the generated tree (default 100000)
  --no-paced       skip the paced run on the kernel tree
  --no-hyperfine   time with an own loop even when hyperfine is there
  --cache DIR      where the unpacked kernel and the generated tree are kept between
                   runs (default \$FIF_BENCH_CACHE, else \${TMPDIR:-/tmp}/fif-bench-cache)
EOF
}

die() {
    echo "compare.sh: $*" >&2
    exit 2
}

bench=${FIF_SEARCH_BENCH:-$repo/build/bench/search_bench}
build_dir=
corpora=all
mask='*.c'
text=pm_resume
runs=${FIF_BENCH_RUNS:-10}
tree_files=100000
paced=1
use_hyperfine=1
cache=${FIF_BENCH_CACHE:-${TMPDIR:-/tmp}/fif-bench-cache}
kernel_tarball=/usr/src/linux-source-6.1.tar.xz
deps_hint="run 'FIF_BENCH_DEPS=1 scripts/install-deps.sh' (as root) to install it"

while [ $# -gt 0 ]; do
    case $1 in
        --bench) bench=${2:?--bench needs a path}; shift 2 ;;
        --build) build_dir=${2:?--build needs a folder}; shift 2 ;;
        --corpus) corpora=${2:?--corpus needs a name}; shift 2 ;;
        --mask) mask=${2:?--mask needs a mask}; shift 2 ;;
        --text) text=${2:?--text needs a text}; shift 2 ;;
        --runs) runs=${2:?--runs needs a count}; shift 2 ;;
        --tree-files) tree_files=${2:?--tree-files needs a count}; shift 2 ;;
        --no-paced) paced=0; shift ;;
        --no-hyperfine) use_hyperfine=0; shift ;;
        --cache) cache=${2:?--cache needs a folder}; shift 2 ;;
        -h|--help) usage; exit 0 ;;
        *) usage >&2; exit 2 ;;
    esac
done

case $corpora in
    all) corpora="kernel tree" ;;
    kernel|tree) ;;
    *) die "unknown corpus '$corpora' (kernel, tree or all)" ;;
esac
[[ $runs =~ ^[1-9][0-9]*$ ]] || die "--runs needs a positive count"
[[ $tree_files =~ ^[1-9][0-9]*$ ]] || die "--tree-files needs a positive count"
[ -n "$text" ] || die "the search text must not be empty"

# The peers take the mask as a glob on the file name; search_bench compares only the
# extension after the mask's last dot, so the peers get "*" and that extension.
if [ "$mask" = '*.*' ]; then
    rg_glob=()
    grep_glob=()
else
    case $mask in
        *.*) extension=".${mask##*.}" ;;
        *) die "the mask needs an extension, like *.c (or *.* for all files)" ;;
    esac
    rg_glob=(-g "*$extension")
    grep_glob=("--include=*$extension")
fi

# Byte-wise sorting, and a grep -i that folds ASCII letters only, as search_bench does.
export LC_ALL=C

# ---- tools and corpora -------------------------------------------------------------

command -v rg >/dev/null || die "ripgrep (rg) is missing: $deps_hint"
command -v grep >/dev/null || die "grep is missing: $deps_hint"
command -v python3 >/dev/null || die "python3 is missing (it generates the small-files tree)"
if [[ " $corpora " == *" kernel "* ]]; then
    [ -f "$kernel_tarball" ] || die "$kernel_tarball is missing (package linux-source-6.1): $deps_hint"
    command -v xz >/dev/null || die "xz is missing (package xz-utils): $deps_hint"
fi
if [ "$use_hyperfine" = 1 ] && ! command -v hyperfine >/dev/null; then
    echo "hyperfine is not installed: timing with an own loop ($deps_hint for hyperfine)"
    use_hyperfine=0
fi

if [ -n "$build_dir" ]; then
    cmake --build "$build_dir" --target search_bench -j2
    bench=$build_dir/bench/search_bench
fi
[ -x "$bench" ] || die "no search_bench at $bench: build it with
  cmake -S $repo -B $repo/build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DFIF_ENGINE_ONLY=ON
  cmake --build $repo/build --target search_bench -j2
or pass --bench PATH or --build DIR"
bench=$(cd "$(dirname "$bench")" && pwd -P)/$(basename "$bench")

mkdir -p "$cache"
cache=$(cd "$cache" && pwd -P)
case $cache/ in
    "$repo"/*) die "the cache $cache lies inside the repository; pick one under /tmp" ;;
esac
results=$(mktemp -d "${TMPDIR:-/tmp}/fif-bench-results.XXXXXX")

# Unpacks the kernel source once; a later run reuses it while the tarball is unchanged.
# Prints the tree's root.
kernel_tree() {
    local root=$cache/linux-source-6.1 stamp=$cache/linux-source-6.1.done key
    key=$(stat -c '%s %Y' "$kernel_tarball")
    if [ -d "$root" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$key" ]; then
        echo "$root"
        return
    fi
    echo "unpacking $kernel_tarball into $cache (once; about 1.5 GB) ..." >&2
    rm -rf "$root" "$stamp" "$cache/linux-unpack.partial"
    mkdir "$cache/linux-unpack.partial"
    tar -xJf "$kernel_tarball" -C "$cache/linux-unpack.partial"
    mv "$cache/linux-unpack.partial/linux-source-6.1" "$root"
    rmdir "$cache/linux-unpack.partial"
    echo "$key" >"$stamp"
    echo "$root"
}

# Generates the small-files tree once; a later run reuses it while the generator, the
# file count and the text are unchanged. Prints the tree's root.
small_files_tree() {
    local root=$cache/tree stamp=$cache/tree.done key
    key="files=$tree_files text=$text generator=$(sha256sum "$repo/bench/make_tree.py" | cut -c1-16)"
    if [ -d "$root" ] && [ "$(cat "$stamp" 2>/dev/null)" = "$key" ]; then
        echo "$root"
        return
    fi
    echo "generating $tree_files files into $root (once) ..." >&2
    rm -rf "$root" "$stamp"
    python3 "$repo/bench/make_tree.py" "$root" --files "$tree_files" --text "$text"
    echo "$key" >"$stamp"
    echo "$root"
}

# ---- timing ------------------------------------------------------------------------

now() { date +%s.%N; }

# Reads seconds, one a line; prints "median min max stddev".
stats() {
    sort -g | awk '
        { t[NR] = $1; sum += $1; sumsq += $1 * $1 }
        END {
            median = (NR % 2) ? t[(NR + 1) / 2] : (t[NR / 2] + t[NR / 2 + 1]) / 2
            mean = sum / NR
            var = (NR > 1) ? (sumsq - NR * mean * mean) / (NR - 1) : 0
            printf "%.4f %.4f %.4f %.4f\n", median, t[1], t[NR], (var > 0) ? sqrt(var) : 0
        }'
}

# One shell command line: the program's words quoted, its rows into a regular file (both
# peers answer faster when their output is /dev/null), its complaints dropped.
command_line() {
    local out=$1
    shift
    printf '%q ' "$@"
    printf '>%q 2>/dev/null' "$out"
}

# time_programs CORPUS: times the three command lines in sb_cmd, rg_cmd and grep_cmd and
# writes one file of seconds per program: $results/CORPUS.NAME.times.
time_programs() {
    local corpus=$1 names=(search_bench rg-j1 grep) lines i run
    lines=("$(command_line "$results/$corpus.sb.timed" "${sb_cmd[@]}")"
           "$(command_line "$results/$corpus.rg.timed" "${rg_cmd[@]}")"
           "$(command_line "$results/$corpus.grep.timed" "${grep_cmd[@]}")")
    if [ "$use_hyperfine" = 1 ]; then
        local json=$results/$corpus.hyperfine.json
        hyperfine --style basic --warmup 1 --runs "$runs" --ignore-failure --export-json "$json" \
            -n "${names[0]}" "${lines[0]}" -n "${names[1]}" "${lines[1]}" -n "${names[2]}" "${lines[2]}"
        for i in 0 1 2; do
            python3 -c 'import json, sys
for t in json.load(open(sys.argv[1]))["results"][int(sys.argv[2])]["times"]: print(t)' \
                "$json" "$i" >"$results/$corpus.${names[$i]}.times"
        done
    else
        # Taking turns spreads a change in the machine's load over all three programs.
        for i in 0 1 2; do : >"$results/$corpus.${names[$i]}.times"; done
        for ((run = 1; run <= runs; run++)); do
            for i in 0 1 2; do
                local start end
                start=$(now)
                bash -c "${lines[$i]}" || true
                end=$(now)
                awk -v a="$start" -v b="$end" 'BEGIN { printf "%.6f\n", b - a }' >>"$results/$corpus.${names[$i]}.times"
            done
        done
    fi
}

# ---- one corpus --------------------------------------------------------------------

status=0
kernel_sb_median=
kernel_sb_spread=

# Prints the sorted full paths of a listing; search_bench's rows are folder<TAB>name.
sorted_paths() {
    if [ "$1" = sb ]; then sed 's/\t//' "$2"; else cat "$2"; fi | sort
}

compare_corpus() {
    local corpus=$1 root=$2
    echo
    echo "== $corpus: $root, mask $mask, text $text"
    sb_cmd=("$bench" "$root" "$mask" "$text")
    rg_cmd=(rg -j1 -L -l -i -F -uuu "${rg_glob[@]}" -- "$text" "$root")
    grep_cmd=(grep -RliF "${grep_glob[@]}" -- "$text" "$root")
    printf '  %s\n' "$(printf '%q ' "${sb_cmd[@]}")" "$(printf '%q ' "${rg_cmd[@]}")" \
        "$(printf '%q ' "${grep_cmd[@]}")"

    # The untimed run warms the page cache and gives the file sets.
    local tool
    "${sb_cmd[@]}" >"$results/$corpus.sb.out" 2>"$results/$corpus.sb.err" || true
    "${rg_cmd[@]}" >"$results/$corpus.rg.out" 2>"$results/$corpus.rg.err" || true
    "${grep_cmd[@]}" >"$results/$corpus.grep.out" 2>"$results/$corpus.grep.err" || true
    for tool in sb rg grep; do
        sorted_paths "$tool" "$results/$corpus.$tool.out" >"$results/$corpus.$tool.set"
    done
    echo "  search_bench: $(tail -n 1 "$results/$corpus.sb.err")"
    local same=1
    for tool in rg grep; do
        if ! cmp -s "$results/$corpus.sb.set" "$results/$corpus.$tool.set"; then
            same=0
            status=1
            echo "  FILE SETS DIFFER: search_bench ($(wc -l <"$results/$corpus.sb.set")) vs $tool" \
                "($(wc -l <"$results/$corpus.$tool.set")); first differences (< search_bench only, > $tool only):"
            { diff "$results/$corpus.sb.set" "$results/$corpus.$tool.set" || true; } | grep '^[<>]' | head -n 20 | sed 's/^/    /' || true
        fi
    done
    if [ "$same" = 1 ]; then
        echo "  file sets agree: $(wc -l <"$results/$corpus.sb.set") files from each of search_bench, rg-j1, grep"
    fi

    time_programs "$corpus"
    local name sb rg gr median low high sd
    echo "  seconds over $runs runs: median (min .. max, stddev)"
    for name in search_bench rg-j1 grep; do
        read -r median low high sd < <(stats <"$results/$corpus.$name.times")
        printf '    %-13s %.3f  (%.3f .. %.3f, sd %.3f)\n' "$name" "$median" "$low" "$high" "$sd"
        case $name in
            search_bench) sb=$median ;;
            rg-j1) rg=$median ;;
            grep) gr=$median ;;
        esac
    done
    local to_rg to_grep
    to_rg=$(awk -v a="$sb" -v b="$rg" 'BEGIN { printf "%.2f", a / b }')
    to_grep=$(awk -v a="$sb" -v b="$gr" 'BEGIN { printf "%.2f", a / b }')
    if [ "$corpus" = kernel ]; then
        local verdict_rg verdict_grep
        verdict_rg=$(awk -v r="$to_rg" 'BEGIN { print (r <= 1.0) ? "met" : "MISSED" }')
        verdict_grep=$(awk -v r="$to_grep" 'BEGIN { print (r < 1.0) ? "met" : "MISSED" }')
        echo "  search_bench/rg-j1 = $to_rg   (target at most 1.00: $verdict_rg)"
        echo "  search_bench/grep = $to_grep   (target below 1.00: $verdict_grep)"
        kernel_sb_median=$sb
        kernel_sb_spread=$(read -r _ low high _ < <(stats <"$results/$corpus.search_bench.times"); echo "$low $high")
    else
        echo "  search_bench/rg-j1 = $to_rg"
        echo "  search_bench/grep = $to_grep"
    fi
}

# The window pauses 1 ms after each file; the search should then take about the
# candidates' milliseconds plus the unpaced time, and no more.
paced_run() {
    local root=$1 start end seconds candidates expected ratio verdict low high
    echo
    echo "== paced: $(printf '%q ' "$bench" --pause-ms 1 "$root" "$mask" "$text")"
    start=$(now)
    "$bench" --pause-ms 1 "$root" "$mask" "$text" >"$results/paced.out" 2>"$results/paced.err" || true
    end=$(now)
    sorted_paths sb "$results/paced.out" >"$results/paced.set"
    if ! cmp -s "$results/paced.set" "$results/kernel.sb.set"; then
        status=1
        echo "  FILE SETS DIFFER between the paced and the unpaced search_bench"
    fi
    echo "  search_bench: $(tail -n 1 "$results/paced.err")"
    candidates=$(sed -n 's/.*candidates=\([0-9]*\).*/\1/p' "$results/paced.err" | tail -n 1)
    [ -n "$candidates" ] || { echo "  no candidate count in search_bench's last line"; status=1; return; }
    seconds=$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.3f", b - a }')
    expected=$(awk -v c="$candidates" -v m="$kernel_sb_median" 'BEGIN { printf "%.3f", c * 0.001 + m }')
    ratio=$(awk -v s="$seconds" -v e="$expected" 'BEGIN { printf "%.3f", s / e }')
    verdict=$(awk -v r="$ratio" 'BEGIN { print (r >= 0.9 && r <= 1.1) ? "met" : "MISSED" }')
    echo "  paced $seconds s; expected $candidates candidates x 1 ms + $kernel_sb_median s = $expected s;" \
        "paced/expected = $ratio   (target within 10%: $verdict)"
    awk -v s="$seconds" -v m="$kernel_sb_median" -v c="$candidates" 'BEGIN {
        printf "  per file: (paced - unpaced median) / candidates = %.3f ms, the 1 ms pause + %.0f us\n",
            (s - m) / c * 1000, ((s - m) / c - 0.001) * 1e6 }'
    # A busy machine inflates the unpaced median, and with it the expected time.
    read -r low high <<<"$kernel_sb_spread"
    awk -v lo="$low" -v hi="$high" 'BEGIN { if (hi > 2 * lo) printf "  note: the unpaced runs spread from %.3f to %.3f s: the machine was busy, so the expected time is uncertain\n", lo, hi }'
}

echo "search_bench: $bench"
echo "results: $results   (load average at start: $(cut -d' ' -f1-3 /proc/loadavg))"
for corpus in $corpora; do
    case $corpus in
        kernel) root=$(kernel_tree) ;;
        tree) root=$(small_files_tree) ;;
    esac
    compare_corpus "$corpus" "$root"
    if [ "$corpus" = kernel ] && [ "$paced" = 1 ]; then paced_run "$root"; fi
done
echo
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
[ "$status" = 0 ] || echo "compare.sh: the file sets differed (see above)" >&2
exit "$status"
