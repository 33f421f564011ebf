#!/bin/sh
# Fails when a unit includes a header of a folder above its own, unless
# ARCHITECTURE.md lists that include, or when a listed include is gone (so
# the list stays as short as the code). Usage: checklayers.sh [source root]
cd "${1:-$(dirname "$0")/..}" || exit 2

# Every include that points up, as "file header".
upward=$(grep -H '^[[:space:]]*#[[:space:]]*include[[:space:]]*"' model/*.h model/*.cpp graphics/*.h \
    graphics/*.cpp schemes/*.h schemes/*.cpp devices/*.h devices/*.cpp equipment/*.h equipment/*.cpp \
    app/*.h app/*.cpp | awk '
    function rank(path, folder) {
        folder = substr(path, 1, index(path, "/") - 1)
        if (folder == "model") return 0
        if (folder == "graphics") return 1
        if (folder == "schemes" || folder == "devices" || folder == "equipment") return 2
        if (folder == "app") return 3
        return -1
    }
    {
        file = substr($0, 1, index($0, ":") - 1)
        header = $0
        sub(/^[^"]*"/, "", header)
        sub(/".*$/, "", header)
        if (rank(header) > rank(file))
            print file " " header
    }')
allowed=$(sed -n 's/^- `\([^`]*\)` -> `\([^`]*\)`.*/\1 \2/p' ARCHITECTURE.md)

failed=0
while read -r file header; do
    [ -n "$file" ] || continue
    if ! printf '%s\n' "$allowed" | grep -qxF "$file $header"; then
        echo "$file includes $header, from a folder above its own (see ARCHITECTURE.md)"
        failed=1
    fi
done <<EOF_UPWARD
$upward
EOF_UPWARD

while read -r file header; do
    [ -n "$file" ] || continue
    if ! printf '%s\n' "$upward" | grep -qxF "$file $header"; then
        echo "ARCHITECTURE.md lists $file -> $header, which is no longer included"
        failed=1
    fi
done <<EOF_ALLOWED
$allowed
EOF_ALLOWED

exit $failed
