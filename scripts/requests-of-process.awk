# Counts the wineserver requests that one process's threads made, by name,
# from the trace that WINEDEBUG=+server writes: "TID: name( ... )" for a
# request, "TID: name() = STATUS { ... }" for its reply. A process's first
# thread is named in the reply to init_first_thread, a later one in the
# reply to the new_thread request of the thread that made it.
#   awk -v pid=PROCESS_ID_IN_HEX -f requests-of-process.awk TRACE
function Tid(field) {
    sub(/:$/, "", field)
    return field
}
function Value(key) {
    match($0, key "=[0-9a-f]+")
    return substr($0, RSTART + length(key) + 1, RLENGTH - length(key) - 1)
}
$2 == "init_first_thread()" && $3 == "=" { processOf[Value("tid")] = Value("pid"); next }
$2 == "new_thread()" && $3 == "=" { processOf[Value("tid")] = processOf[Tid($1)]; next }
$1 ~ /^[0-9a-f]+:$/ && $2 ~ /^[a-z_0-9]+\($/ && processOf[Tid($1)] == pid {
    name = $2
    sub(/\($/, "", name)
    count[name]++
}
END { for (name in count) print name, count[name] }
