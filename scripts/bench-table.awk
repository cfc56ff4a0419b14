# Reads Google Benchmark JSON files (after the targets file) and prints each measure of
# the targets file with its figure, its target and whether it is met.
function trim(s) { gsub(/^[ \t]+|[ \t]+$/, "", s); return s }
function unquote(s) { s = trim(s); sub(/,$/, "", s); gsub(/^"|"$/, "", s); return s }
function toMs(t, unit) {
    if (unit == "ns") return t / 1e6
    if (unit == "us") return t / 1e3
    if (unit == "s") return t * 1e3
    return t
}
# The value of a quantity for a benchmark key, or "" when it was not measured.
function value(key, quantity,    parts) {
    if (quantity == "ratio") {
        split(key, parts, "/")
        if (value(parts[1], "rate") == "" || value(parts[2], "rate") == "") return ""
        return value(parts[1], "rate") / value(parts[2], "rate")
    }
    if (!(key in found)) return ""
    if (quantity == "time") return ms[found[key]]
    if (quantity == "minutes") return ms[found[key]] / 60000
    if (quantity == "rate") return (found[key] in rate) ? rate[found[key]] / 1e6 : ""
    if (quantity == "peak_mb") return (found[key] in peak) ? peak[found[key]] : ""
    if (quantity == "resident_mb") return (found[key] in resident) ? resident[found[key]] : ""
    return ""
}
function unitOf(quantity) {
    return quantity == "time" ? " ms" : quantity == "minutes" ? " min" : quantity == "rate" ? " MB/s" : quantity ~ /_mb$/ ? " MB" : ""
}
function show(v, quantity) {
    if (quantity == "ratio") return sprintf("%.1f %%", 100 * v)
    return sprintf(v < 10 ? "%.3f%s" : "%.1f%s", v, unitOf(quantity))
}
FNR == 1 { file++ }
file == 1 {
    if ($0 ~ /^#/ || trim($0) == "") next
    n = split($0, f, "|")
    rows++
    measure[rows] = trim(f[1]); bench[rows] = trim(f[2]); qty[rows] = trim(f[3]); target[rows] = trim(f[4])
    next
}
/^ *\{ *$/ { name = ""; run = ""; aggregate = ""; t = ""; unit = "ms"; r = ""; pk = ""; rs = ""; err = "" }
/"name":/ { name = unquote(substr($0, index($0, ":") + 1)) }
/"run_name":/ { run = unquote(substr($0, index($0, ":") + 1)) }
/"aggregate_name":/ { aggregate = unquote(substr($0, index($0, ":") + 1)) }
/"real_time":/ { t = unquote(substr($0, index($0, ":") + 1)) + 0 }
/"time_unit":/ { unit = unquote(substr($0, index($0, ":") + 1)) }
/"bytes_per_second":/ { r = unquote(substr($0, index($0, ":") + 1)) + 0 }
/"peak_mb":/ { pk = unquote(substr($0, index($0, ":") + 1)) + 0 }
/"resident_mb":/ { rs = unquote(substr($0, index($0, ":") + 1)) + 0 }
/"error_occurred": *true/ { err = 1 }
/^ *\},? *$/ && name != "" {
    if (run == "") run = name
    if ((aggregate == "" || aggregate == "median") && !err && t != "") {
        id++
        ms[id] = toMs(t, unit)
        if (r != "") rate[id] = r
        if (pk != "") peak[id] = pk
        if (rs != "") resident[id] = rs
        # The key is the run name without the /suffixes Google Benchmark adds.
        key = run
        sub(/\/(min_time|iterations|manual_time|real_time|repeats)[^\/]*.*$/, "", key)
        found[key] = id
    }
    name = ""
}
END {
    printf "%-54s %14s  %-30s %s\n", "measure", "figure", "target", "met"
    for (i = 1; i <= rows; i++) {
        v = value(bench[i], qty[i])
        figure = v == "" ? "not measured" : show(v, qty[i])
        goal = target[i]; met = "-"
        if (goal != "-" && v != "") {
            split(goal, g, " ")
            limit = g[2] + 0; goalText = goal unitOf(qty[i])
            if (g[3] == "x") {
                other = value(g[4], qty[i])
                if (other == "") { met = "?"; limit = "" }
                else { limit = g[2] * other; goalText = sprintf("%s x %s = %s", g[2], show(other, qty[i]), show(limit, qty[i])) }
            }
            if (limit != "") {
                ok = (g[1] == "<" && v < limit) || (g[1] == "<=" && v <= limit) || (g[1] == ">=" && v >= limit)
                met = ok ? "yes" : "NO"
                if (!ok) missed++
            }
            goal = g[3] == "x" ? goalText : goal unitOf(qty[i])
        } else if (goal != "-") {
            met = "?"; goal = goal unitOf(qty[i])
        } else {
            goal = ""
        }
        printf "%-54s %14s  %-30s %s\n", measure[i], figure, goal, met
    }
    printf "\n%d of the targets missed\n", missed
}
