#!/usr/bin/env bash
# The newest release in the AppStream data (the first one listed) is the version the
# build says it is: software centres and the man pages' date rely on it.
#
#   metainfo_release_test.sh METAINFO VERSION
set -euo pipefail

metainfo=$1 version=$2
newest=$(grep -o '<release [^>]*' "$metainfo" | head -n 1)
[ -n "$newest" ] || {
    echo "FAILED: $metainfo lists no release" >&2
    exit 1
}
[[ "$newest" == *"version=\"$version\""* ]] || {
    echo "FAILED: the newest release in $metainfo is '$newest', the project is $version" >&2
    exit 1
}
[[ "$newest" =~ date=\"[0-9]{4}-[0-9]{2}-[0-9]{2}\" ]] || {
    echo "FAILED: the newest release in $metainfo has no date (YYYY-MM-DD)" >&2
    exit 1
}
echo "newest release: $version"
